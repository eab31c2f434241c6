#!/usr/bin/env python3
"""tools/check-version-resources.py IMAGE...: every image carries a version resource whose fixed
file version is the one in VERSION. Prints one PASS or FAIL line."""
import os
import struct
import sys

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FIXED_SIGNATURE = struct.pack("<I", 0xFEEF04BD)  # VS_FIXEDFILEINFO.dwSignature


def file_version(path):
    with open(path, "rb") as f:
        data = f.read()
    key = "VS_VERSION_INFO".encode("utf-16-le")
    at = data.find(key)
    if at < 0:
        return None
    at = data.find(FIXED_SIGNATURE, at)
    if at < 0:
        return None
    ms, ls = struct.unpack_from("<II", data, at + 8)
    return "%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16)


def main():
    with open(os.path.join(TOP, "VERSION")) as f:
        want = f.readline().strip()
    wrong = []
    for path in sys.argv[1:]:
        got = file_version(path)
        if got != want:
            wrong.append("%s (%s)" % (os.path.basename(path), got or "none"))
    if wrong:
        print("FAIL version: images without the version resource of %s: %s" % (want, " ".join(wrong)))
        return 1
    print("PASS version: all %d images carry the version resource of %s" % (len(sys.argv) - 1, want))
    return 0


if __name__ == "__main__":
    sys.exit(main())
