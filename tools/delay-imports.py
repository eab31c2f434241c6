#!/usr/bin/env python3
"""tools/delay-imports.py IMAGE: prints the libraries IMAGE loads on their first call, one a line.

The delay-load import libraries the build makes (module/delay_import.cmake) leave the image's
delay-import directory empty, so the descriptors are found by their symbols. Each descriptor's
slots must hold the address of their loading stub until the first call replaces it: an empty slot
is a call that would jump to address zero, and fails this check (exit 1)."""
import struct
import subprocess
import sys


def main(path):
    data = open(path, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections = struct.unpack_from("<H", data, pe + 6)[0]
    optional = pe + 24
    base = struct.unpack_from("<I", data, optional + 28)[0]
    table = optional + struct.unpack_from("<H", data, pe + 20)[0]
    rows = [struct.unpack_from("<8sIIII", data, table + 40 * i) for i in range(sections)]

    def at(rva):
        for _, vsize, va, rsize, raw in rows:
            if va <= rva < va + max(vsize, rsize):
                return rva - va + raw
        raise ValueError("address %#x lies in no section" % rva)

    def word(rva, i=0):
        return struct.unpack_from("<I", data, at(rva) + 4 * i)[0]

    symbols = subprocess.run(["i686-w64-mingw32-nm", path], capture_output=True, text=True).stdout
    empty = []
    for line in symbols.splitlines():
        if "__DELAY_IMPORT_DESCRIPTOR_" not in line:
            continue
        descriptor = int(line.split()[0], 16) - base
        name, names, slots = word(descriptor, 1), word(descriptor, 4), word(descriptor, 3)
        start = at(name)
        library = data[start:data.index(b"\0", start)].decode()
        print(library)
        i = 0
        while word(names, i):
            if not word(slots, i):
                empty.append("%s #%d" % (library, i))
            i += 1
    if empty:
        print("empty delay-load slots: " + ", ".join(empty), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
