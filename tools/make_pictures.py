#!/usr/bin/env python3
"""Draws the keyboard pictures and the icon of antkeys into resources/.

Deterministic and standard-library only: the same script always writes the same bytes.
Run from anywhere:  python3 tools/make_pictures.py

Keyboard pictures: 15 key units wide and 5 rows high at a pitch of P pixels, plus one pixel
for the closing grid line (P = 30 gives 451 x 151, P = 45 gives 675 x 226 with the last
column at 675 falling outside and cut). The grid of row 1 starts at 0; the first keys of
rows 2, 3 and 4 are 1.5, 2 and 2.5 units wide, so each of their grids lies half a key further
right than the row above. The windows compute the text and mark positions on this grid.
"""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "resources")

# Key widths, in key units, of the five rows, left to right; each row is 15 units.
ROWS = [
    [1] * 15,
    [1.5] + [1] * 12 + [1.5],
    [2] + [1] * 11 + [2],
    [2.5] + [1] * 10 + [2.5],
    [1.5, 1.5, 1.5, 6, 1.5, 1.5, 1.5],
]


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png_rgb(path, width, height, pixels):
    """pixels: list of rows, each a list of (r, g, b)."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter: none
        for r, g, b in row:
            raw += bytes((r, g, b))
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    data += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def write_png_palette(path, width, height, indices, palette, transparent):
    """indices: rows of palette indices; `transparent`: the index shown as transparent."""
    raw = bytearray()
    for row in indices:
        raw.append(0)
        raw += bytes(row)
    plte = b"".join(bytes(c) for c in palette)
    trns = bytes(0 if i == transparent else 255 for i in range(len(palette)))
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
    data += png_chunk(b"PLTE", plte)
    data += png_chunk(b"tRNS", trns)
    data += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def unit_to_px(units, pitch):
    # Half units round up (22.5 -> 23), the same way in every row.
    return int(units * pitch + 0.5)


def keyboard(pitch, colours):
    width = 15 * pitch + 1
    height = 5 * pitch + 1
    case, outline, side, top = colours
    img = [[case] * width for _ in range(height)]

    def fill(x0, y0, x1, y1, colour):  # inclusive corners, clipped to the picture
        for y in range(max(y0, 0), min(y1, height - 1) + 1):
            row = img[y]
            for x in range(max(x0, 0), min(x1, width - 1) + 1):
                row[x] = colour

    # Insets of the key top inside the key face (left, top, right, bottom), a little deeper
    # at the bottom so that the keys look raised.
    inset = (2, 2, 3, 4) if pitch < 40 else (3, 2, 4, 6)
    for r, widths in enumerate(ROWS):
        y0 = r * pitch
        y1 = y0 + pitch
        start = 0.0
        for w in widths:
            x0 = unit_to_px(start, pitch)
            x1 = unit_to_px(start + w, pitch)
            start += w
            # The grid lines (x0, x1, y0, y1) stay in the case colour between the keys.
            fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, outline)
            fill(x0 + 2, y0 + 2, x1 - 2, y1 - 2, side)
            fill(x0 + 1 + inset[0], y0 + 1 + inset[1], x1 - 1 - inset[2], y1 - 1 - inset[3], top)
    return width, height, img


def icon():
    """32 x 32, 16 colours: a key cap carrying a small ant."""
    palette = [
        (255, 0, 255),  # 0 transparent
        (40, 40, 48),  # 1 outline
        (150, 150, 160),  # 2 key side
        (236, 236, 228),  # 3 key top
        (150, 20, 20),  # 4 ant (dark red, the colour of the drawn characters)
        (90, 10, 10),  # 5 ant shade
    ]
    palette += [(0, 0, 0)] * (16 - len(palette))
    size = 32
    img = [[0] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                img[y][x] = c

    def ellipse(cx, cy, rx, ry, c):
        for y in range(size):
            for x in range(size):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    img[y][x] = c

    def line(x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            img[y0][x0] = c
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    # Key cap with the corners cut.
    fill(2, 1, 29, 30, 1)
    fill(1, 2, 30, 29, 1)
    fill(3, 2, 28, 29, 2)
    fill(2, 3, 29, 28, 2)
    fill(4, 3, 26, 25, 3)
    # The ant, walking up and to the right: head, thorax, abdomen, legs, antennae.
    ellipse(21.0, 9.0, 2.6, 2.6, 4)
    ellipse(16.0, 14.0, 2.4, 2.4, 4)
    ellipse(10.0, 20.0, 4.2, 3.4, 4)
    ellipse(9.0, 21.0, 2.0, 1.5, 5)
    for x0, y0, x1, y1 in [
        (16, 14, 11, 10), (16, 14, 21, 18), (16, 14, 13, 9), (16, 14, 22, 16),
        (16, 14, 12, 13), (16, 14, 18, 20), (11, 10, 9, 11), (21, 18, 23, 20),
        (21, 9, 23, 4), (21, 9, 26, 7), (23, 4, 24, 4), (26, 7, 26, 6),
    ]:
        line(x0, y0, x1, y1, 4)
    return size, size, img, palette


def main():
    os.makedirs(OUT, exist_ok=True)
    # Light keys for the layout window: its characters are dark red.
    w, h, img = keyboard(30, ((58, 62, 70), (34, 36, 40), (196, 196, 188), (238, 238, 230)))
    write_png_rgb(os.path.join(OUT, "keyboard-small.png"), w, h, img)
    # Mid-grey keys for the pheromone window: white labels, red and blue marks.
    w, h, img = keyboard(45, ((40, 42, 48), (20, 20, 24), (96, 100, 110), (124, 128, 138)))
    # The picture is 675 pixels wide: the closing grid line at x = 675 is cut.
    img = [row[:675] for row in img]
    write_png_rgb(os.path.join(OUT, "keyboard-large.png"), 675, h, img)
    w, h, img, palette = icon()
    write_png_palette(os.path.join(OUT, "icon.png"), w, h, img, palette, 0)


if __name__ == "__main__":
    main()
