#!/usr/bin/env python3
"""test-pictures.py: the picture tools against pictures made here: emf-to-png.py's bitmap reading,
halving and PNG writing read back through check-pictures.py's reader, and that reader against rows
written with each of the PNG row filters. Prints PASS/FAIL lines as the test session counts them."""
import importlib.util
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location("check_pictures", os.path.join(HERE, "check-pictures.py"))
check = importlib.util.module_from_spec(spec)
spec.loader.exec_module(check)


def as_tuples(rows):
    return [[tuple(p) for p in row] for row in rows]


def halved(img):
    h, w = len(img) // 2, len(img[0]) // 2
    return [[tuple((img[2 * y][2 * x][c] + img[2 * y][2 * x + 1][c] + img[2 * y + 1][2 * x][c] +
                    img[2 * y + 1][2 * x + 1][c] + 2) // 4 for c in range(3)) for x in range(w)] for y in range(h)]


def emf_with_bitmap(path, img, depth, top_down=False):
    """A metafile of a header record, one BITBLT record carrying IMG as a DIB, and an end record."""
    width, height, step = len(img[0]), len(img), depth // 8
    stride = (width * step + 3) & ~3
    rows = img if top_down else img[::-1]
    bits = b"".join(b"".join(bytes((b, g, r)) + b"\0" * (step - 3) for r, g, b in row).ljust(stride, b"\0")
                    for row in rows)
    bmi = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, depth, 0, len(bits), 0, 0, 0, 0)
    fixed = 100
    blt = struct.pack("<II4i4iI2i6fIIIIII", 76, fixed + len(bmi) + len(bits), 0, 0, width, height,
                      0, 0, width, height, 0xCC0020, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0,
                      fixed, len(bmi), fixed + len(bmi), len(bits)) + bmi + bits
    header = struct.pack("<II", 1, 16) + b"\0" * 8
    end = struct.pack("<II", 14, 20) + b"\0" * 12
    with open(path, "wb") as f:
        f.write(header + blt + end)


def png_with_filters(path, img):
    """Row y is written with filter y % 5 (none, sub, up, average, Paeth)."""
    width, raw, prev = len(img[0]), b"", bytearray(3 * len(img[0]))
    for y, row in enumerate(img):
        line, kind, out = bytearray(b"".join(bytes(p) for p in row)), y % 5, bytearray()
        for i in range(3 * width):
            a, b = (line[i - 3] if i >= 3 else 0), prev[i]
            c = prev[i - 3] if i >= 3 else 0
            p = a + b - c
            paeth = a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c) else b if abs(p - b) <= abs(p - c) else c
            out.append((line[i] - (0, a, b, (a + b) // 2, paeth)[kind]) & 0xFF)
        raw += bytes([kind]) + out
        prev = line

    def chunk(k, body):
        return struct.pack(">I", len(body)) + k + body + struct.pack(">I", zlib.crc32(k + body))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, len(img), 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def main():
    failed = 0

    def case(name, ok, detail=""):
        nonlocal failed
        if ok:
            print(f"PASS pictures: {name}")
        else:
            failed += 1
            print(f"FAIL pictures: {name}: {detail}")

    with tempfile.TemporaryDirectory() as tmp:
        # 1301 wide: halved twice to 325 (under 640); the odd last row and column are dropped
        w, h = 1301, 9
        img = [[(x % 256, y * 20 % 256, x * y % 256) for x in range(w)] for y in range(h)]
        emf, png = os.path.join(tmp, "a.emf"), os.path.join(tmp, "a.png")
        emf_with_bitmap(emf, img, 32)
        subprocess.check_call([sys.executable, os.path.join(HERE, "emf-to-png.py"), emf, png])
        width, height, rows = check.png_pixels(png)
        case("a wide capture is halved until it fits, each pixel its block's mean",
             (width, height) == (325, 2) and as_tuples(rows) == halved(halved(img)), f"{width} x {height}")
        small = [[(x * 40 % 256, y * 50 % 256, 200) for x in range(7)] for y in range(5)]
        for depth, top_down in ((24, False), (32, True)):
            emf_with_bitmap(emf, small, depth, top_down)
            subprocess.check_call([sys.executable, os.path.join(HERE, "emf-to-png.py"), emf, png])
            width, height, rows = check.png_pixels(png)
            case(f"a {depth}-bit {'top-down' if top_down else 'bottom-up'} bitmap is kept pixel for pixel, "
                 "rows padded to whole words", as_tuples(rows) == small, f"{width} x {height}")
        img = [[((x * 7 + y) % 256, x * y % 256, (255 - x) % 256) for x in range(20)] for y in range(6)]
        png_with_filters(png, img)
        case("the reader undoes every row filter", as_tuples(check.png_pixels(png)[2]) == img)
        with open(emf, "r+b") as f:
            f.truncate(200)
        r = subprocess.run([sys.executable, os.path.join(HERE, "emf-to-png.py"), emf, png], capture_output=True, text=True)
        case("a truncated capture is refused", r.returncode != 0 and "run past the file" in r.stderr, r.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
