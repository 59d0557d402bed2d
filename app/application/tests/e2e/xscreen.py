"""The screen as the X server shows it to the user, set against what Wine says a window draws.

Wine draws a window into a surface of its own and hands that to the X server; a window whose surface never
reaches the server stays black (or stale) on the user's screen while Wine's own capture shows it painted.
These helpers read the X server's picture of its screen, the driver's capture (a BMP file), and say how
much of a window's rectangle agrees between the two.

The screen is read with one GetImage request on the root window, which returns the screen's own pixels.
`xwd -root` is no witness here: when windows carry colormaps of their own (Wine gives each top-level window
one), it reads the screen window by window and composes the picture itself, and a window lying wholly
inside the one below comes out black though the screen shows it painted.
"""

import collections
import ctypes
import ctypes.util
import importlib.util
import os

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


def pixels_to_picture(data, width, height, bytes_per_line, bits_per_pixel, byte_order, masks):
    """True-colour pixels of 24 or 32 bits, as the X server hands them out, in RGB rows."""
    if bits_per_pixel not in (24, 32):
        raise BadPicture("%d bits a pixel: not a true-colour screen" % bits_per_pixel)
    step = bits_per_pixel // 8
    red, green, blue = (_mask_byte(m, byte_order, step) for m in masks)
    if width == 0 or height == 0 or bytes_per_line * height > len(data):
        raise BadPicture("the pixels end before the picture does")
    rows = []
    for y in range(height):
        line = data[y * bytes_per_line:y * bytes_per_line + width * step]
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


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


_Z_PIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(-1).value


def _xlib():
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    xlib = ctypes.CDLL(name)
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XDefaultScreen.argtypes = [ctypes.c_void_p]
    for query in (xlib.XDisplayWidth, xlib.XDisplayHeight):
        query.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XGetImage.restype = ctypes.POINTER(_XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                               ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


def take_x_screenshot(display):
    """The X server's picture of its whole screen."""
    xlib = _xlib()
    connection = xlib.XOpenDisplay(display.encode())
    if not connection:
        raise BadPicture("cannot open the X display %s" % display)
    try:
        screen = xlib.XDefaultScreen(connection)
        width, height = xlib.XDisplayWidth(connection, screen), xlib.XDisplayHeight(connection, screen)
        image = xlib.XGetImage(connection, xlib.XDefaultRootWindow(connection), 0, 0, width, height, _ALL_PLANES,
                               _Z_PIXMAP)
        if not image:
            raise BadPicture("the X server gave no picture of its screen")
        try:
            fields = image.contents
            data = ctypes.string_at(fields.data, fields.bytes_per_line * fields.height)
            return pixels_to_picture(data, fields.width, fields.height, fields.bytes_per_line,
                                     fields.bits_per_pixel, fields.byte_order,
                                     (fields.red_mask, fields.green_mask, fields.blue_mask))
        finally:
            xlib.XDestroyImage(image)
    finally:
        xlib.XCloseDisplay(connection)


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
