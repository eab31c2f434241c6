#!/usr/bin/env python3
"""emf-to-png.py IN.emf OUT.png [MAX-WIDTH]: the bitmap of the first block transfer recorded in
an enhanced metafile (as tools/capture.sav writes it) to a PNG, halved while wider than MAX-WIDTH
(default 640) so the pictures stay small. Standard library only: the host may have nothing else."""
import struct
import sys
import zlib

EMR_BITBLT, EMR_STRETCHBLT = 76, 77


def read_emf_bitmap(path):
    """(width, height, RGB bytes top-down) of the first BITBLT or STRETCHBLT record's source."""
    data = open(path, "rb").read()
    pos = 0
    while pos + 8 <= len(data):
        kind, size = struct.unpack_from("<II", data, pos)
        if size < 8:
            break
        if kind in (EMR_BITBLT, EMR_STRETCHBLT):
            # after type, size, bounds, destination, rop, source origin, transform and colour
            off_bmi, _, off_bits, _ = struct.unpack_from("<IIII", data, pos + 84)
            if off_bmi:
                return dib_pixels(data, pos + off_bmi, pos + off_bits)
        pos += size
    sys.exit(f"{path}: no recorded bitmap")


def dib_pixels(data, header, bits):
    _, width, height, _, depth, compression = struct.unpack_from("<IiiHHI", data, header)
    if depth not in (24, 32) or compression not in (0, 3):
        sys.exit(f"a {depth}-bit bitmap (compression {compression}): only 24 and 32 bits are read")
    step, top_down = depth // 8, height < 0
    height = abs(height)
    stride = (width * step + 3) & ~3
    if bits + stride * height > len(data):
        sys.exit(f"the bitmap's {height} rows of {stride} bytes run past the file")
    out = bytearray()
    for y in range(height):
        row = bits + stride * (y if top_down else height - 1 - y)
        for x in range(width):
            b, g, r = data[row + step * x:row + step * x + 3]
            out += bytes((r, g, b))
    return width, height, bytes(out)


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
    width, height, pixels = read_emf_bitmap(sys.argv[1])
    while width > limit:
        width, height, pixels = halve(width, height, pixels)
    write_png(sys.argv[2], width, height, pixels)


if __name__ == "__main__":
    main()
