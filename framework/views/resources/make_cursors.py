#!/usr/bin/env python3
"""Draws the framework's two split cursors and writes them beside itself as monochrome 32 x 32 CUR files:
split-rows.cur (10016, for a bar that moves up and down) and split-columns.cur (10017, for a bar that
moves left and right). Black shapes with a white rim, the hot spot in the middle. --check draws them again
and compares them with the committed files byte for byte.
"""
import os
import struct
import sys

SIZE = 32
HOT_SPOT = (15, 15)


def rows_shape():
    """Two bars across the middle, an arrow up above them and one down below them."""
    black = set()
    for x in range(6, 26):
        black.add((x, 13))
        black.add((x, 17))
    for y in range(3, 13):
        black.add((15, y))
    for y in range(18, 28):
        black.add((15, y))
    for step in range(1, 5):
        for x in range(15 - step, 16 + step):
            black.add((x, 3 + step))
            black.add((x, 27 - step))
    return black


def columns_shape():
    """The rows shape turned a quarter."""
    return {(y, x) for (x, y) in rows_shape()}


def rim(black):
    white = set()
    for (x, y) in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                point = (x + dx, y + dy)
                if point not in black and 0 <= point[0] < SIZE and 0 <= point[1] < SIZE:
                    white.add(point)
    return white


def mask_rows(predicate):
    """1-bit rows, bottom row first, each 4 bytes, the leftmost pixel the highest bit."""
    data = b""
    for y in reversed(range(SIZE)):
        value = 0
        for x in range(SIZE):
            if predicate(x, y):
                value |= 1 << (SIZE - 1 - x)
        data += struct.pack(">I", value)
    return data


def cursor_bytes(black):
    white = rim(black)
    # AND 1 keeps the screen; with AND 0 the XOR bit picks black (0) or white (1).
    xor_mask = mask_rows(lambda x, y: (x, y) in white)
    and_mask = mask_rows(lambda x, y: (x, y) not in black and (x, y) not in white)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


def cursors():
    return {"split-rows.cur": cursor_bytes(rows_shape()), "split-columns.cur": cursor_bytes(columns_shape())}


def main(argv):
    folder = os.path.dirname(os.path.abspath(__file__))
    check = "--check" in argv
    for name, data in cursors().items():
        path = os.path.join(folder, name)
        if check:
            with open(path, "rb") as stored:
                if stored.read() != data:
                    print(f"{name} differs from what make_cursors.py draws")
                    return 1
        else:
            with open(path, "wb") as out:
                out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
