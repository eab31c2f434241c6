#!/usr/bin/env python3
"""ppm-to-png.py IN.ppm OUT.png [MAX-WIDTH]: a binary PPM (as tools/capture.sav writes it) to a
PNG, halved while wider than MAX-WIDTH (default 640) so the pictures stay small. Standard library
only: the host may have nothing else."""
import struct
import sys
import zlib


def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + 3 * width * height]
    if len(pixels) != 3 * width * height:
        sys.exit(f"{path}: {len(pixels)} bytes of pixels, expected {3 * width * height}")
    return width, height, pixels


def halve(width, height, pixels):
    """Each 2x2 block averaged: text stays legible, unlike dropping every other pixel."""
    w, h = width // 2, height // 2
    out = bytearray(3 * w * h)
    row = 3 * width
    for y in range(h):
        top, bottom = 2 * y * row, (2 * y + 1) * row
        for x in range(w):
            for c in range(3):
                i = 6 * x + c
                out[3 * (y * w + x) + c] = (pixels[top + i] + pixels[top + i + 3] +
                                            pixels[bottom + i] + pixels[bottom + i + 3] + 2) // 4
    return w, h, bytes(out)


def write_png(path, width, height, pixels):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\0" + pixels[3 * width * y:3 * width * (y + 1)] for y in range(height))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    limit = int(sys.argv[3]) if len(sys.argv) == 4 else 640
    width, height, pixels = read_ppm(sys.argv[1])
    while width > limit:
        width, height, pixels = halve(width, height, pixels)
    write_png(sys.argv[2], width, height, pixels)


if __name__ == "__main__":
    main()
