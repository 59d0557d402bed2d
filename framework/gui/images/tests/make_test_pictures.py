#!/usr/bin/env python3
"""The images tests' own BMP pictures, and a check of the BMP files the tests write back.

    make_test_pictures.py make FOLDER    writes the pictures below into FOLDER
    make_test_pictures.py check FOLDER   checks every written-*.bmp in FOLDER against the same pattern

Every picture shows one pattern: pixel (x, y), counted from the top-left, is blue (3x + y) mod 256,
green 5y mod 256, red (x xor y) mod 256. Files are 24-bit, uncompressed, bottom row first; pad bytes are
0xAA, since a reader must not give them a meaning.
"""

import os
import struct
import sys

# name: (width, height, info-header size)
PICTURES = {
    "pattern-7x5.bmp": (7, 5, 40),
    "pattern-124-header.bmp": (13, 4, 124),
    "pattern-5000-wide.bmp": (5000, 2, 40),
}


def pattern(x, y):
    return ((3 * x + y) % 256, (5 * y) % 256, (x ^ y) % 256)


def row_size(width):
    return (width * 3 + 3) & ~3


def picture_bytes(width, height, info_size):
    data_offset = 14 + info_size
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            row += bytes(pattern(x, y))
        row += b"\xAA" * (row_size(width) - len(row))
        rows += row
    info = struct.pack("<IiiHHIIiiII", info_size, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    info += b"\0" * (info_size - len(info))
    header = b"BM" + struct.pack("<IHHI", data_offset + len(rows), 0, 0, data_offset)
    return header + info + rows


def make(folder):
    os.makedirs(folder, exist_ok=True)
    for name, (width, height, info_size) in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as file:
            file.write(picture_bytes(width, height, info_size))


def check_written(path):
    with open(path, "rb") as file:
        data = file.read()
    (magic, file_size, _, data_offset, info_size, width, height, planes, bits, compression) = struct.unpack(
        "<2sIIIIiiHHI", data[:34])
    problems = []
    if (magic, data_offset, info_size, planes, bits, compression) != (b"BM", 54, 40, 1, 24, 0):
        problems.append("header fields %r" % ((magic, data_offset, info_size, planes, bits, compression),))
    if file_size != len(data) or len(data) != 54 + row_size(width) * height:
        problems.append("size %d for %d x %d in a file of %d bytes" % (file_size, width, height, len(data)))
        return problems
    for y in range(height):
        start = 54 + (height - 1 - y) * row_size(width)
        for x in range(width):
            stored = tuple(data[start + 3 * x:start + 3 * x + 3])
            if stored != pattern(x, y):
                problems.append("pixel %d, %d is %r" % (x, y, stored))
                return problems
    return problems


def check(folder):
    written = sorted(name for name in os.listdir(folder) if name.startswith("written-"))
    if len(written) != len(PICTURES):
        print("expected %d written pictures, found %r" % (len(PICTURES), written))
        return 1
    failed = 0
    for name in written:
        for problem in check_written(os.path.join(folder, name)):
            print("%s: %s" % (name, problem))
            failed = 1
    return failed


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("make", "check"):
        print(__doc__)
        return 2
    if sys.argv[1] == "make":
        make(sys.argv[2])
        return 0
    return check(sys.argv[2])


if __name__ == "__main__":
    sys.exit(main())
