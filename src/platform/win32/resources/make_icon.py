#!/usr/bin/env python3
"""Writes the programs' icons, 32x32 and 16x16, 32-bit colour with alpha:
  python3 make_icon.py card app.ico        a small timetable card (blue header row, grid, one
                                           highlighted cell): the programs' icon and about logo
  python3 make_icon.py portrait about.ico  a framed head-and-shoulders figure: the about page's
                                           second picture"""
import struct
import sys

BLUE = (0x2E, 0x6B, 0xC6, 255)
WHITE = (255, 255, 255, 255)
LINE = (0xB0, 0xB8, 0xC4, 255)
EDGE = (0x3A, 0x4A, 0x5E, 255)
MARK = (0xF2, 0x9A, 0x2E, 255)
CLEAR = (0, 0, 0, 0)


PALE = (0xE4, 0xEE, 0xFA, 255)


def portrait(n):
    """RGBA rows, top first: a head and shoulders in a rounded frame."""
    px = [[CLEAR] * n for _ in range(n)]
    m = 1 if n == 16 else 2
    left, top, right, bottom = m, m, n - m - 1, n - m - 1
    cx = (left + right) / 2
    head_y, head_r = top + (bottom - top) * 0.36, (bottom - top) * 0.17
    body_y, body_rx, body_ry = bottom + 1, (right - left) * 0.36, (bottom - top) * 0.34
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if (x in (left, right)) and (y in (top, bottom)):
                continue                # rounded look
            if x in (left, right) or y in (top, bottom):
                px[y][x] = EDGE
                continue
            in_head = (x - cx) ** 2 + (y - head_y) ** 2 <= head_r ** 2
            in_body = ((x - cx) / body_rx) ** 2 + ((y - body_y) / body_ry) ** 2 <= 1
            px[y][x] = BLUE if in_head or in_body else PALE
    return px


def card(n):
    """RGBA rows, top first."""
    m = 1 if n == 16 else 2            # margin
    header = 4 if n == 16 else 8       # header band height
    cols, rows = 3, 3
    px = [[CLEAR] * n for _ in range(n)]
    left, top, right, bottom = m, m, n - m - 1, n - m - 1
    cw = (right - left) / cols
    rh = (bottom - top - header) / rows
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            corner = (x in (left, right)) and (y in (top, bottom))
            if corner:
                continue                # rounded look
            if x in (left, right) or y in (top, bottom):
                px[y][x] = EDGE
            elif y < top + header:
                px[y][x] = BLUE
            else:
                cx = int((x - left) / cw)
                ry = int((y - top - header) / rh)
                on_vline = any(x == left + round(cw * k) for k in range(1, cols))
                on_hline = any(y == top + header + round(rh * k) for k in range(1, rows))
                if on_vline or on_hline:
                    px[y][x] = LINE
                elif cx == 1 and ry == 1:
                    px[y][x] = MARK
                else:
                    px[y][x] = WHITE
    return px


def image_data(picture, n):
    px = picture(n)
    header = struct.pack('<IiiHHIIiiII', 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(px):            # bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    stride = ((n + 31) // 32) * 4
    andmask = bytearray()
    for row in reversed(px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        andmask += bits
    return header + bytes(xor) + bytes(andmask)


def main(kind, out):
    picture = {'card': card, 'portrait': portrait}[kind]
    sizes = [32, 16]
    images = [image_data(picture, n) for n in sizes]
    data = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        data += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    for img in images:
        data += img
    with open(out, 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
