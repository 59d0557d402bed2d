#!/usr/bin/env python3
"""Writes splash.jpg, the splash picture handed to the packer: a 16 x 16 baseline JPEG of four grey
squares.

Each 8 x 8 block is one flat grey, so only its DC coefficient is coded; the Huffman tables are the
smallest that cover it (every DC size class gets a 4-bit code, the only AC symbol is end-of-block).
Run it from anywhere; it writes beside itself.
"""

import os
import struct


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def size_class(value):
    return abs(value).bit_length()


class BitWriter:
    def __init__(self):
        self.bits = []

    def put(self, value, count):
        for shift in range(count - 1, -1, -1):
            self.bits.append((value >> shift) & 1)

    def stuffed_bytes(self):
        bits = self.bits + [1] * (-len(self.bits) % 8)
        out = bytearray()
        for start in range(0, len(bits), 8):
            byte = 0
            for bit in bits[start:start + 8]:
                byte = (byte << 1) | bit
            out.append(byte)
            if byte == 0xFF:
                out.append(0x00)
        return bytes(out)


def main():
    greys = [200, 96, 64, 160]  # blocks in raster order: top left, top right, bottom left, bottom right
    dc_quantizer = 8            # a flat block's DC coefficient is 8 x (grey - 128)

    jfif = b"JFIF\0" + bytes([1, 1, 0]) + struct.pack(">HH", 1, 1) + bytes([0, 0])
    quantizers = bytes([0x00, dc_quantizer] + [1] * 63)
    frame = bytes([8]) + struct.pack(">HH", 16, 16) + bytes([1, 1, 0x11, 0])
    dc_table = bytes([0x00]) + bytes([0, 0, 0, 9] + [0] * 12) + bytes(range(9))
    ac_table = bytes([0x10]) + bytes([1] + [0] * 15) + bytes([0x00])
    scan = bytes([1, 1, 0x00, 0, 63, 0])

    bits = BitWriter()
    previous = 0
    for grey in greys:
        value = grey - 128
        difference = value - previous
        previous = value
        category = size_class(difference)
        bits.put(category, 4)
        if category:
            bits.put(difference if difference > 0 else difference + (1 << category) - 1, category)
        bits.put(0, 1)  # end of block

    picture = (b"\xFF\xD8" + segment(0xE0, jfif) + segment(0xDB, quantizers) + segment(0xC0, frame)
               + segment(0xC4, dc_table) + segment(0xC4, ac_table) + segment(0xDA, scan)
               + bits.stuffed_bytes() + b"\xFF\xD9")
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "splash.jpg"), "wb") as out:
        out.write(picture)


if __name__ == "__main__":
    main()
