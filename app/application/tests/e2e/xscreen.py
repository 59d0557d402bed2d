"""The screen as the X server shows it to the user, set against what Wine says a window draws.

Wine draws a window into a surface of its own and hands that to the X server; a window whose surface never
reaches the server stays black (or stale) on the user's screen while Wine's own capture shows it painted.
These helpers read the X server's picture (`xwd -root`), the driver's capture (a BMP file), and say how
much of a window's rectangle agrees between the two.
"""

import collections
import importlib.util
import os
import struct
import subprocess

# Two captures of one painted screen are the same picture; a channel may still move a little where a
# colour passes through another depth.
CHANNEL_TOLERANCE = 24


class BadPicture(Exception):
    pass


class Picture:
    """RGB rows, top row first."""

    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows

    def clip(self, rect):
        left, top, right, bottom = rect
        return max(left, 0), max(top, 0), min(right, self.width), min(bottom, self.height)

    def crop(self, rect):
        left, top, right, bottom = self.clip(rect)
        if right <= left or bottom <= top:
            raise BadPicture("the rectangle %s lies off the screen" % (rect,))
        return Picture(right - left, bottom - top, [row[left * 3:right * 3] for row in self.rows[top:bottom]])


def _mask_byte(mask, byte_order, bytes_per_pixel):
    """Which byte of a pixel holds the channel of the mask (whole-byte masks only)."""
    for index in range(bytes_per_pixel):
        if mask == 0xFF << (8 * index):
            return index if byte_order == 0 else bytes_per_pixel - 1 - index
    raise BadPicture("colour mask %#x is not one whole byte" % mask)


def read_xwd(data):
    """A true-colour ZPixmap XWD file of 24 or 32 bits a pixel, as the X server writes its screen."""
    if len(data) < 100:
        raise BadPicture("no XWD header")
    fields = struct.unpack_from(">25I", data, 0)
    header_size, version, pixmap_format, depth, width, height = fields[0:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask, colours = fields[14], fields[15], fields[16], fields[19]
    if version != 7 or pixmap_format != 2 or bits_per_pixel not in (24, 32) or depth < 24:
        raise BadPicture("XWD version %d, format %d, %d bits a pixel, depth %d: not a true-colour screen"
                         % (version, pixmap_format, bits_per_pixel, depth))
    step = bits_per_pixel // 8
    red, green, blue = (_mask_byte(m, byte_order, step) for m in (red_mask, green_mask, blue_mask))
    start = header_size + 12 * colours
    if width == 0 or height == 0 or start + bytes_per_line * height > len(data):
        raise BadPicture("the pixels end before the header says")
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * step]
        row = bytearray(width * 3)
        row[0::3], row[1::3], row[2::3] = line[red::step], line[green::step], line[blue::step]
        rows.append(bytes(row))
    return Picture(width, height, rows)


def _bmp2png():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "bmp2png.py")
    spec = importlib.util.spec_from_file_location("bmp2png", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def read_bmp(path):
    with open(path, "rb") as f:
        width, height, rows = _bmp2png().read_bmp(f.read())
    return Picture(width, height, rows)


def write_png(picture, path):
    with open(path, "wb") as f:
        f.write(_bmp2png().png_bytes(picture.width, picture.height, picture.rows))


def take_x_screenshot(display):
    """The X server's picture of its whole screen."""
    result = subprocess.run(["xwd", "-root", "-silent", "-display", display], capture_output=True, timeout=60)
    if result.returncode != 0:
        raise BadPicture("xwd: " + result.stderr.decode("latin-1", "replace"))
    return read_xwd(result.stdout)


def _agree(a, b, x):
    return (abs(a[x] - b[x]) <= CHANNEL_TOLERANCE and abs(a[x + 1] - b[x + 1]) <= CHANNEL_TOLERANCE
            and abs(a[x + 2] - b[x + 2]) <= CHANNEL_TOLERANCE)


def compare_window(screen, drawn, rect, covers):
    """Holds the window's own picture `drawn` (its rectangle's size) against the screen at `rect`, leaving
    out the screen's edges and the rectangles of windows in front. Returns the share of compared pixels
    that agree, and the share of the commonest colour among the compared pixels of the window's own."""
    left, top, right, bottom = rect
    if (drawn.width, drawn.height) != (right - left, bottom - top):
        raise BadPicture("a window picture of %dx%d for the rectangle %s" % (drawn.width, drawn.height, rect))
    agreeing = compared = 0
    colours = collections.Counter()
    for y in range(max(top, 0), min(bottom, screen.height)):
        spans = [(max(left, 0), min(right, screen.width))]
        for c_left, c_top, c_right, c_bottom in covers:
            if c_top <= y < c_bottom:
                spans = [part for s_left, s_right in spans
                         for part in ((s_left, min(s_right, c_left)), (max(s_left, c_right), s_right))
                         if part[0] < part[1]]
        shown, own = screen.rows[y], drawn.rows[y - top]
        for s_left, s_right in spans:
            a = shown[3 * s_left:3 * s_right]
            b = own[3 * (s_left - left):3 * (s_right - left)]
            count = s_right - s_left
            compared += count
            colours.update(b[x:x + 3] for x in range(0, len(b), 3))
            if a == b:
                agreeing += count
            else:
                agreeing += sum(1 for x in range(0, len(a), 3) if _agree(a, b, x))
    if compared == 0:
        raise BadPicture("nothing of the window at %s can be seen" % (rect,))
    return agreeing / float(compared), colours.most_common(1)[0][1] / float(compared)
