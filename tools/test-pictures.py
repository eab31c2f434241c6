#!/usr/bin/env python3
"""test-pictures.py: the picture tools against pictures made here: ppm-to-png.py's halving and
PNG writing read back through check-pictures.py's reader, and that reader against rows written
with each of the PNG row filters. Prints PASS/FAIL lines as the test session counts them."""
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
        # 1300 wide: halved twice to 325 (under 640); the odd last row and column are dropped
        w, h = 1301, 9
        img = [[(x % 256, y * 20 % 256, x * y % 256) for x in range(w)] for y in range(h)]
        ppm, png = os.path.join(tmp, "a.ppm"), os.path.join(tmp, "a.png")
        with open(ppm, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (w, h) + b"".join(bytes(p) for row in img for p in row))
        subprocess.check_call([sys.executable, os.path.join(HERE, "ppm-to-png.py"), ppm, png])
        width, height, rows = check.png_pixels(png)
        case("a wide capture is halved until it fits, each pixel its block's mean",
             (width, height) == (325, 2) and as_tuples(rows) == halved(halved(img)), f"{width} x {height}")
        subprocess.check_call([sys.executable, os.path.join(HERE, "ppm-to-png.py"), ppm, png, "2000"])
        width, height, rows = check.png_pixels(png)
        case("a capture within the width is kept pixel for pixel",
             (width, height) == (w, h) and as_tuples(rows) == img, f"{width} x {height}")
        img = [[((x * 7 + y) % 256, x * y % 256, (255 - x) % 256) for x in range(20)] for y in range(6)]
        png_with_filters(png, img)
        case("the reader undoes every row filter", as_tuples(check.png_pixels(png)[2]) == img)
        bad = os.path.join(tmp, "bad.ppm")
        with open(bad, "wb") as f:
            f.write(b"P6\n4 4\n255\n" + b"\0" * 10)
        r = subprocess.run([sys.executable, os.path.join(HERE, "ppm-to-png.py"), bad, png], capture_output=True, text=True)
        case("a truncated capture is refused", r.returncode != 0 and "expected 48" in r.stderr, r.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
