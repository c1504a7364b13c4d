#!/usr/bin/env python3
"""Draws the program's bitmaps: toolbar pictures (enabled and greyed), the eight server
state lamps and the application icon. Magenta is the transparent colour of the bitmaps.
Run from the repository root; the results are committed under res/images."""
import math
import struct

KEY = (255, 0, 255)


def canvas(w, h, fill=KEY):
    return [[fill for _ in range(w)] for _ in range(h)]


def put(img, x, y, c):
    if 0 <= y < len(img) and 0 <= x < len(img[0]):
        img[y][x] = c


def disc(img, cx, cy, r, c):
    for y in range(len(img)):
        for x in range(len(img[0])):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                img[y][x] = c


def ring(img, cx, cy, r, c, width=1.0):
    for y in range(len(img)):
        for x in range(len(img[0])):
            d = math.hypot(x - cx, y - cy)
            if r - width < d <= r + 0.5:
                img[y][x] = c


def line(img, x0, y0, x1, y1, c):
    n = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(n + 1):
        put(img, round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)


def rect(img, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            put(img, x, y, c)


GLYPHS = {
    "S": ["0111", "1000", "1000", "0110", "0001", "0001", "1110"],
    "C": ["0111", "1000", "1000", "1000", "1000", "1000", "0111"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
}


def glyph(img, ch, x0, y0, c, scale=1):
    for gy, row in enumerate(GLYPHS[ch]):
        for gx, bit in enumerate(row):
            if bit == "1":
                rect(img, x0 + gx * scale, y0 + gy * scale, x0 + gx * scale + scale - 1, y0 + gy * scale + scale - 1, c)


def bold_glyph(img, ch, x0, y0, c, offsets):
    """A letter drawn again at small offsets, so its strokes read at 16 pixels."""
    for dx, dy in offsets:
        glyph(img, ch, x0 + dx, y0 + dy, c)


def starcraft():
    img = canvas(16, 16)
    blue = (0, 64, 192)
    bold_glyph(img, "S", 2, 3, blue, ((0, 0), (1, 0)))
    bold_glyph(img, "C", 9, 3, blue, ((0, 0), (1, 0)))
    return img


def diablo():
    img = canvas(16, 16)
    bold_glyph(img, "D", 3, 2, (200, 0, 0), ((0, 0), (1, 0), (0, 1), (1, 1)))
    return img


def wristwatch():
    img = canvas(16, 16)
    strap = (96, 64, 32)
    rect(img, 6, 0, 9, 3, strap)
    rect(img, 6, 12, 9, 15, strap)
    disc(img, 7.5, 7.5, 5, (255, 255, 255))
    ring(img, 7.5, 7.5, 5, (64, 64, 64), 1.2)
    line(img, 8, 8, 8, 4, (0, 0, 0))
    line(img, 8, 8, 10, 8, (0, 0, 0))
    return img


def stopwatch():
    img = canvas(16, 16)
    rect(img, 6, 0, 9, 1, (64, 64, 64))
    rect(img, 7, 2, 8, 3, (64, 64, 64))
    disc(img, 7.5, 9, 6, (255, 255, 255))
    ring(img, 7.5, 9, 6, (64, 64, 64), 1.2)
    line(img, 8, 9, 11, 6, (200, 0, 0))
    put(img, 8, 9, (0, 0, 0))
    return img


def book():
    img = canvas(16, 16)
    cover = (0, 96, 160)
    page = (255, 255, 255)
    rect(img, 1, 3, 7, 13, page)
    rect(img, 8, 3, 14, 13, page)
    for x0, x1 in ((0, 7), (8, 15)):
        line(img, x0, 14, x1, 14, cover)
    line(img, 0, 2, 0, 14, cover)
    line(img, 15, 2, 15, 14, cover)
    line(img, 7, 3, 7, 14, cover)
    line(img, 8, 3, 8, 14, cover)
    for y in (5, 7, 9, 11):
        line(img, 2, y, 5, y, (128, 128, 128))
        line(img, 10, y, 13, y, (128, 128, 128))
    return img


def greyed(img):
    """A grey outline of the picture, with a white shadow, as disabled buttons show."""
    h, w = len(img), len(img[0])
    out = canvas(w, h)
    inside = lambda x, y: 0 <= x < w and 0 <= y < h and img[y][x] != KEY
    for y in range(h):
        for x in range(w):
            if inside(x, y) and not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                put(out, x + 1, y + 1, (255, 255, 255))
    for y in range(h):
        for x in range(w):
            if inside(x, y) and not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                out[y][x] = (128, 128, 128)
    return out


def lamp(colour, marked):
    img = canvas(25, 16)
    disc(img, 17, 7.5, 6, (200, 200, 200))
    disc(img, 17, 7.5, 4.6, colour)
    if colour != (110, 0, 0):
        put(img, 15, 5, (255, 255, 255))
        put(img, 16, 5, (255, 255, 255))
        put(img, 15, 6, (255, 255, 255))
    if marked:
        black = (0, 0, 0)
        for dx in (0, 1):
            line(img, 1 + dx, 8, 3 + dx, 11, black)
            line(img, 3 + dx, 11, 8 + dx, 4, black)
    return img


def strip(images):
    h = len(images[0])
    return [sum((img[y] for img in images), []) for y in range(h)]


def write_bmp(path, img):
    h, w = len(img), len(img[0])
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line_bytes = bytearray()
        for r, g, b in img[y]:
            line_bytes += bytes((b, g, r))
        line_bytes += b"\0" * (row - len(line_bytes))
        data += line_bytes
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def icon_image(size):
    img = canvas(size, size)
    c = (size - 1) / 2
    disc(img, c, c, size * 0.47, (200, 200, 200))
    disc(img, c, c, size * 0.38, (0, 200, 0))
    for i in range(size // 4):
        put(img, int(c - size * 0.15) + i // 2, int(c - size * 0.18) + i, (255, 255, 255))
    return img


def write_ico(path, sizes):
    entries, blobs = [], []
    offset = 6 + 16 * len(sizes)
    for s in sizes:
        img = icon_image(s)
        pixels = bytearray()
        for y in range(s - 1, -1, -1):
            for r, g, b in img[y]:
                pixels += bytes((b, g, r, 0 if (r, g, b) == KEY else 255))
        mask_row = ((s + 31) // 32) * 4
        mask = bytearray()
        for y in range(s - 1, -1, -1):
            bits = bytearray(mask_row)
            for x, p in enumerate(img[y]):
                if p == KEY:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        blob = struct.pack("<IiiHHIIiiII", 40, s, s * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0) + pixels + mask
        entries.append(struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(sizes)) + b"".join(entries) + b"".join(blobs))


if __name__ == "__main__":
    pictures = [starcraft(), diablo(), wristwatch(), stopwatch(), book()]
    write_bmp("res/images/toolbar_enabled.bmp", strip(pictures))
    write_bmp("res/images/toolbar_disabled.bmp", strip([greyed(p) for p in pictures]))
    colours = [(0, 230, 0), (255, 220, 0), (255, 0, 0), (110, 0, 0)]
    write_bmp("res/images/server_states.bmp", strip([lamp(c, False) for c in colours] + [lamp(c, True) for c in colours]))
    write_ico("res/images/vantorel.ico", [16, 32])
