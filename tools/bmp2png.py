#!/usr/bin/env python3
"""Turns a BMP screenshot into the PNG that docs/ and the README show.

Usage: bmp2png.py INPUT.bmp OUTPUT.png

Reads uncompressed 24- and 32-bit BMP files (bottom-up or top-down; BI_BITFIELDS with the usual masks
counts as uncompressed) and writes an 8-bit RGB PNG. Anything else is refused with a message.
"""
import struct
import sys
import zlib


class BadBitmap(Exception):
    pass


def read_bmp(data):
    """(width, height, rows of RGB bytes, top row first)."""
    if len(data) < 54 or data[:2] != b"BM":
        raise BadBitmap("not a BMP file")
    pixel_offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if header_size < 40 or planes != 1:
        raise BadBitmap("unsupported BMP header")
    if bits not in (24, 32) or compression not in (0, 3):
        raise BadBitmap(f"only uncompressed 24- and 32-bit BMP files are read (this one: {bits}-bit, "
                        f"compression {compression})")
    bottom_up = height > 0
    height = abs(height)
    if width <= 0 or height == 0:
        raise BadBitmap("empty picture")
    step = bits // 8
    row_size = (width * step + 3) & ~3
    if pixel_offset > len(data) or row_size * height > len(data) - pixel_offset:
        raise BadBitmap("the pixels end before the file says")
    rows = []
    for y in range(height):
        stored = height - 1 - y if bottom_up else y
        start = pixel_offset + stored * row_size
        row = bytearray(width * 3)
        source = data[start:start + width * step]
        row[0::3] = source[2::step]
        row[1::3] = source[1::step]
        row[2::3] = source[0::step]
        rows.append(bytes(row))
    return width, height, rows


def png_bytes(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        with open(argv[1], "rb") as source:
            width, height, rows = read_bmp(source.read())
    except (OSError, BadBitmap) as error:
        print(f"bmp2png: {argv[1]}: {error}", file=sys.stderr)
        return 1
    with open(argv[2], "wb") as output:
        output.write(png_bytes(width, height, rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
