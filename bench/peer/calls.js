// The calls of wrapper_bench through Node and koffi, for the peer column of bench/run --peer.
// Prints one "name<TAB>ns per call" line per row, with the cost of the empty loop taken away, as
// wrapper_bench does for script.
'use strict';
const koffi = require('koffi');

const user32 = koffi.load('user32.dll');
const kernel32 = koffi.load('kernel32.dll');
const gdi32 = koffi.load('gdi32.dll');
const GetTickCount = kernel32.func('uint32 __stdcall GetTickCount()');
const lstrlenW = kernel32.func('int __stdcall lstrlenW(str16 text)');
const lstrcmpW = kernel32.func('int __stdcall lstrcmpW(str16 a, str16 b)');
const GetDesktopWindow = user32.func('void * __stdcall GetDesktopWindow()');
const IsWindow = user32.func('int __stdcall IsWindow(void *hwnd)');
const GetDC = user32.func('void * __stdcall GetDC(void *hwnd)');
const CreateCompatibleDC = gdi32.func('void * __stdcall CreateCompatibleDC(void *dc)');
const CreateCompatibleBitmap = gdi32.func('void * __stdcall CreateCompatibleBitmap(void *dc, int w, int h)');
const SelectObject = gdi32.func('void * __stdcall SelectObject(void *dc, void *object)');
const StretchBlt = gdi32.func('int __stdcall StretchBlt(void *d, int x, int y, int w, int h, void *s, int sx, int sy, int sw, int sh, uint32 rop)');
const CreateFontW = gdi32.func('void * __stdcall CreateFontW(int h, int w, int e, int o, int weight, uint32 i, uint32 u, uint32 s, ' +
                               'uint32 cs, uint32 op, uint32 cp, uint32 q, uint32 pf, str16 face)');
const DeleteObject = gdi32.func('int __stdcall DeleteObject(void *object)');

function ns(f, n) {
    const t0 = process.hrtime.bigint();
    for (let i = 0; i < n; i++) f();
    return Number(process.hrtime.bigint() - t0) / n;
}

const N = Number(process.env.SAVRA_PEER_CALLS || 200000);
const desk = GetDesktopWindow();
const s20 = 'A'.repeat(20), s300 = 'A'.repeat(300), t20 = 'A'.repeat(19) + 'B';
const screen = GetDC(null), d1 = CreateCompatibleDC(screen), d2 = CreateCompatibleDC(screen);
SelectObject(d1, CreateCompatibleBitmap(screen, 2, 2));
SelectObject(d2, CreateCompatibleBitmap(screen, 2, 2));
let sink = 0;
const rows = [
    ['GetTickCount', N, () => { sink ^= GetTickCount(); }],
    ['IsWindow', N, () => { sink ^= IsWindow(desk); }],
    ['lstrlen, 20 characters', N, () => { sink ^= lstrlenW(s20); }],
    ['lstrlen, 300 characters', N, () => { sink ^= lstrlenW(s300); }],
    ['lstrcmp, 2 x 20 characters', N, () => { sink ^= lstrcmpW(s20, t20); }],
    ['StretchBlt, 11 integers', N, () => { sink ^= StretchBlt(d1, 0, 0, 2, 2, d2, 0, 0, 1, 1, 0xCC0020); }],
    ['CreateFont, 14 args + Delete', N / 20, () => {
        sink ^= DeleteObject(CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, 'Arial'));
    }],
];
for (const [, n, f] of rows) ns(f, n / 10); // warm the JIT
const loop = ns(() => { sink ^= 1; }, N);
for (const [name, n, f] of rows) console.log(`${name}\t${(ns(f, n) - loop).toFixed(1)}`);
if (sink === 0.5) console.log(sink);
