#!/usr/bin/env python3
"""check-pictures.py: every windowed example (tools/example-windows) has its picture in
docs/images/NAME.png, and none is blank (one colour throughout). Prints PASS/FAIL lines as the
test session counts them. Standard library only."""
import os
import struct
import sys
import zlib

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def png_pixels(path):
    """(width, height, rows of RGB bytes) of an 8-bit RGB or RGBA PNG, any row filter."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour = header[:4]
    if depth != 8 or colour not in (2, 6):
        raise ValueError("not 8-bit RGB")
    bpp = 3 if colour == 2 else 4
    raw, stride, rows, prev = zlib.decompress(idat), width * bpp, [], bytearray(width * bpp)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append([bytes(line[j:j + 3]) for j in range(0, stride, bpp)])
        prev = line
    return width, height, rows


def main():
    failed = 0
    for line in open(os.path.join(TOP, "tools", "example-windows")):
        if not line.strip() or line.startswith("#"):
            continue
        name = line.split()[0]
        path = os.path.join(TOP, "docs", "images", name + ".png")
        what = f"pictures: docs/images/{name}.png shows the example"
        try:
            width, height, rows = png_pixels(path)
            colours = {p for row in rows for p in row}
            if len(colours) < 2:
                raise ValueError(f"blank: one colour over {width} x {height}")
            print(f"PASS {what}")
        except (OSError, ValueError, TypeError, struct.error, zlib.error) as e:
            failed += 1
            print(f"FAIL {what}: {e}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
