#!/usr/bin/env python3
"""The pictures the page views' tests show, written as 24-bit, uncompressed, bottom-up BMP files.

    make_view_pictures.py FOLDER

Each picture is made of solid runs of colour, so a test can tell by one pixel which part of which
picture it sees.
"""

import os
import struct
import sys

BLUE = (20, 20, 220)
RED = (220, 20, 20)
GREEN = (20, 200, 20)
GREY = (128, 128, 128)
MAGENTA = (200, 30, 200)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def solid(width, height, colour):
    return width, height, lambda x, y: colour


def frames(frame_width, height, colours):
    """Frames side by side, each followed by a one-pixel white divider but the last."""
    def colour(x, y):
        index, offset = divmod(x, frame_width + 1)
        return WHITE if offset == frame_width else colours[index]
    return len(colours) * (frame_width + 1) - 1, height, colour


def tool(width, height):
    """A toolbar picture: a red block with a black core on a white ground, which the mask takes away."""
    def colour(x, y):
        if 6 <= x < 10 and 6 <= y < 10:
            return BLACK
        if 2 <= x < width - 2 and 2 <= y < height - 2:
            return RED
        return WHITE
    return width, height, colour


PICTURES = {
    "blue-20x10.bmp": solid(20, 10, BLUE),
    "red-60x50.bmp": solid(60, 50, RED),
    "track-100x10.bmp": solid(100, 10, GREY),
    "handle-10x10.bmp": solid(10, 10, MAGENTA),
    "frames-3x10x10.bmp": frames(10, 10, [RED, GREEN, BLUE]),
    "tool-17x16.bmp": tool(17, 16),
}


def picture_bytes(width, height, colour):
    row_size = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            red, green, blue = colour(x, y)
            row += bytes((blue, green, red))
        row += b"\0" * (row_size - len(row))
        rows += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = b"BM" + struct.pack("<IHHI", 54 + len(rows), 0, 0, 54)
    return header + info + rows


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, (width, height, colour) in PICTURES.items():
        with open(os.path.join(sys.argv[1], name), "wb") as file:
            file.write(picture_bytes(width, height, colour))
    return 0


if __name__ == "__main__":
    sys.exit(main())
