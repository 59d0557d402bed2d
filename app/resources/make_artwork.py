#!/usr/bin/env python3
"""Draws the program's artwork from shapes, gradients and a pixel font, and writes it beside itself in
art/: the window skin and the about picture as 24-bit bottom-up BMP files, and the icons as ICO files
with 32-bit images (alpha). The output depends on nothing but this file; --check draws it again and compares
it with the committed files byte for byte.
"""
import os
import struct
import sys

# 5 x 7 glyphs, one row a number, the leftmost pixel the highest of five bits.
FONT = {
    "A": (0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11), "C": (0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E),
    "D": (0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E), "E": (0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F),
    "I": (0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E), "K": (0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11),
    "M": (0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11), "N": (0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11),
    "O": (0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E), "R": (0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11),
    "S": (0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E), "T": (0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04),
    "Q": (0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D), "U": (0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E),
    "H": (0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11), "L": (0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F),
    "V": (0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04), " ": (0, 0, 0, 0, 0, 0, 0),
}

SKIN_SIZE = (498, 288)
SKIN_PANE = (190, 14, 478, 259)      # left, top, right, bottom: where the pages draw black text
ABOUT_SIZE = (486, 344)
ABOUT_VERSION = (169, 176, 412, 201)  # where the version line is drawn
BUTTON_ICON_SIZE = 40
PROGRAM_ICON_SIZES = (16, 32, 48)


class Canvas:
    """RGBA pixels, top row first."""

    def __init__(self, width, height, colour=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [list(colour) for _ in range(width * height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = list(colour)

    def get(self, x, y):
        return tuple(self.pixels[y * self.width + x])

    def fill(self, rect, colour):
        left, top, right, bottom = rect
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                self.pixels[y * self.width + x] = list(colour)

    def vertical_gradient(self, rect, top_colour, bottom_colour):
        left, top, right, bottom = rect
        span = max(bottom - top - 1, 1)
        for y in range(top, bottom):
            self.fill((left, y, right, y + 1), mix(top_colour, bottom_colour, (y - top) / span))

    def disc(self, cx, cy, radius, colour):
        for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
            for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def text(self, x, y, text, colour, scale=1):
        for character in text:
            for row, bits in enumerate(FONT[character]):
                for column in range(5):
                    if bits & (0x10 >> column):
                        self.fill((x + column * scale, y + row * scale,
                                   x + (column + 1) * scale, y + (row + 1) * scale), colour)
            x += 6 * scale


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


def draw_disc_symbol(canvas, cx, cy, radius):
    """A compact disc: rim, face with a light arc, hole."""
    canvas.disc(cx, cy, radius, (40, 44, 60, 255))
    canvas.disc(cx, cy, radius - 1, (196, 204, 222, 255))
    canvas.disc(cx - radius * 0.2, cy - radius * 0.2, radius * 0.55, (232, 236, 246, 255))
    canvas.disc(cx, cy, radius * 0.3, (120, 128, 150, 255))
    canvas.disc(cx, cy, radius * 0.12, (0, 0, 0, 0))


def draw_skin():
    width, height = SKIN_SIZE
    canvas = Canvas(width, height)
    canvas.vertical_gradient((0, 0, width, height), (28, 46, 92, 255), (10, 16, 36, 255))
    # The first and last rows stay one colour, so the skin joins the window frame without a seam.
    canvas.fill((0, 0, width, 1), (28, 46, 92, 255))
    canvas.fill((0, height - 1, width, height), (10, 16, 36, 255))
    left, top, right, bottom = SKIN_PANE
    canvas.fill((left - 2, top - 2, right + 2, bottom + 2), (90, 110, 160, 255))
    canvas.vertical_gradient(SKIN_PANE, (250, 250, 252, 255), (226, 232, 242, 255))
    draw_disc_symbol(canvas, 92, 120, 58)
    canvas.text(32, 206, "DRAVIM", (240, 200, 80, 255), scale=4)
    canvas.text(40, 246, "AKAI CD CONVERTER", (200, 210, 230, 255))
    return canvas


def draw_about():
    width, height = ABOUT_SIZE
    canvas = Canvas(width, height)
    canvas.vertical_gradient((0, 0, width, height), (16, 24, 52, 255), (52, 84, 150, 255))
    draw_disc_symbol(canvas, 243, 76, 52)
    # The lettering (28 pixels high) ends well above the version line's area, which must not cut it off.
    canvas.text(173, 136, "DRAVIM", (240, 200, 80, 255), scale=4)
    # The version line is drawn over this area at run time: dark text on one light colour.
    canvas.fill(ABOUT_VERSION, (236, 240, 248, 255))
    canvas.text(123, 240, "AKAI CD CONVERTER", (210, 220, 240, 255), scale=2)
    canvas.text(195, 300, "QUENHOLT", (150, 170, 210, 255))
    return canvas


def draw_folder_icon(size, greyed):
    canvas = Canvas(size, size)
    s = size / 40
    body = (222, 176, 60, 255)
    canvas.fill((round(3 * s), round(7 * s), round(17 * s), round(12 * s)), mix(body, (0, 0, 0, 255), 0.2))
    canvas.fill((round(3 * s), round(10 * s), round(37 * s), round(34 * s)), mix(body, (0, 0, 0, 255), 0.3))
    canvas.vertical_gradient((round(4 * s), round(12 * s), round(36 * s), round(33 * s)),
                             (250, 214, 110, 255), body)
    return grey(canvas) if greyed else canvas


def draw_archive_icon(size, greyed):
    canvas = Canvas(size, size)
    s = size / 40
    canvas.fill((round(6 * s), round(4 * s), round(34 * s), round(37 * s)), (70, 50, 110, 255))
    canvas.vertical_gradient((round(7 * s), round(5 * s), round(33 * s), round(36 * s)),
                             (170, 140, 220, 255), (110, 80, 170, 255))
    for y in range(round(6 * s), round(30 * s), max(round(4 * s), 2)):
        canvas.fill((round(18 * s), y, round(22 * s), y + max(round(2 * s), 1)), (240, 240, 250, 255))
    canvas.fill((round(16 * s), round(30 * s), round(24 * s), round(34 * s)), (240, 240, 250, 255))
    return grey(canvas) if greyed else canvas


def draw_program_icon(size, document):
    canvas = Canvas(size, size)
    if document:
        s = size / 16
        canvas.fill((round(2 * s), 0, round(14 * s), size), (90, 100, 120, 255))
        canvas.fill((round(2 * s) + 1, 1, round(14 * s) - 1, size - 1), (250, 250, 252, 255))
        draw_disc_symbol(canvas, size / 2, size * 0.6, size * 0.3)
    else:
        draw_disc_symbol(canvas, size / 2, size / 2, size / 2 - 0.5)
    return canvas


def grey(canvas):
    """The disabled look: grey, lighter and half transparent."""
    result = Canvas(canvas.width, canvas.height)
    for index, (r, g, b, a) in enumerate(canvas.pixels):
        level = round((r * 30 + g * 59 + b * 11) / 100 * 0.5 + 100)
        result.pixels[index] = [level, level, level, a // 2]
    return result


def bmp_bytes(canvas):
    """24-bit, bottom-up, the 54-byte header, rows padded to four bytes."""
    row_size = (canvas.width * 3 + 3) & ~3
    image = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b, _ = canvas.get(x, y)
            row += bytes((b, g, r))
        image += row + bytes(row_size - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + bytes(image)


def icon_image_bytes(canvas):
    """One 32-bit icon image: the header (double height for colour and mask), BGRA bottom-up, the mask."""
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        for x in range(canvas.width):
            r, g, b, a = canvas.get(x, y)
            colour += bytes((b, g, r, a))
    mask_row = ((canvas.width + 31) // 32) * 4
    mask = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(mask_row)
        for x in range(canvas.width):
            if canvas.get(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return info + bytes(colour) + bytes(mask)


def ico_bytes(canvases):
    images = [icon_image_bytes(c) for c in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32,
                                 len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def artwork():
    """Every file name in art/ with its bytes."""
    return {
        "skin.bmp": bmp_bytes(draw_skin()),
        "about.bmp": bmp_bytes(draw_about()),
        "folder.ico": ico_bytes([draw_folder_icon(BUTTON_ICON_SIZE, False)]),
        "archive.ico": ico_bytes([draw_archive_icon(BUTTON_ICON_SIZE, False)]),
        "folder-greyed.ico": ico_bytes([draw_folder_icon(BUTTON_ICON_SIZE, True)]),
        "archive-greyed.ico": ico_bytes([draw_archive_icon(BUTTON_ICON_SIZE, True)]),
        "program.ico": ico_bytes([draw_program_icon(size, False) for size in PROGRAM_ICON_SIZES]),
        "document.ico": ico_bytes([draw_program_icon(size, True) for size in PROGRAM_ICON_SIZES]),
    }


def main(argv):
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "art")
    if argv[1:] == ["--check"]:
        stale = []
        for name, data in artwork().items():
            try:
                with open(os.path.join(folder, name), "rb") as committed:
                    if committed.read() != data:
                        stale.append(name)
            except OSError:
                stale.append(name)
        if stale:
            print("make_artwork: these files differ from what the generator draws: " + ", ".join(stale),
                  file=sys.stderr)
            return 1
        return 0
    if argv[1:]:
        print(__doc__, file=sys.stderr)
        return 2
    os.makedirs(folder, exist_ok=True)
    for name, data in artwork().items():
        with open(os.path.join(folder, name), "wb") as output:
            output.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
