#!/usr/bin/env python3
"""Draws the program's two icons and writes them in the classic icon format
(uncompressed bitmaps with an AND mask), which Windows XP reads.

  main_window.ico   the window's icon: a speed gauge on a blue disc,
                    16/32/48 px at 8 bits and 16/32/48/128 px at 32 bits
  program_file.ico  the program file's plainer icon: a small window,
                    16/32 px in 16 colours

Usage: make-icons.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys

SUPERSAMPLE = 4


def gauge(x, y):
    """The window icon at unit scale: (r, g, b, a) for a point in [0,1)^2."""
    cx, cy = x - 0.5, y - 0.5
    r = math.hypot(cx, cy)
    if r > 0.48:
        return (0, 0, 0, 0)
    if r > 0.43:
        return (18, 52, 120, 255)  # dark rim
    angle = math.degrees(math.atan2(-cy, cx))  # 0 = right, 90 = up
    # Scale ticks on an arc from 210 to -30 degrees.
    on_arc = angle >= -30 or angle <= -150
    if 0.30 < r < 0.38 and on_arc:
        if angle > 30 or angle < -150:
            return (255, 255, 255, 255)
        return (250, 160, 30, 255)  # the fast end of the scale
    # Needle pointing up and right.
    nx, ny = math.cos(math.radians(50)), -math.sin(math.radians(50))
    along = cx * nx + cy * ny
    across = abs(-cx * ny + cy * nx)
    if -0.04 < along < 0.33 and across < 0.035 * (1.1 - along * 2):
        return (240, 60, 40, 255)
    if r < 0.07:
        return (255, 255, 255, 255)
    shade = int(60 * (0.5 - y))
    return (30 + shade, 110 + shade, 210 + shade // 2, 255)


def plain_window(x, y):
    """The program file's icon at unit scale: a small grey window."""
    if not (0.06 <= x < 0.94 and 0.12 <= y < 0.88):
        return (0, 0, 0, 0)
    if x < 0.12 or x >= 0.88 or y >= 0.82:
        return (0, 0, 128, 255)  # frame
    if y < 0.3:
        return (0, 0, 128, 255)  # caption bar
    if 0.2 <= x < 0.5 and 0.42 <= y < 0.52:
        return (0, 128, 0, 255)
    if 0.2 <= x < 0.7 and 0.6 <= y < 0.68:
        return (128, 128, 128, 255)
    return (255, 255, 255, 255)


def render(draw, size):
    pixels = []
    for row in range(size):
        line = []
        for col in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    r, g, b, a = draw((col + (sx + 0.5) / SUPERSAMPLE) / size,
                                      (row + (sy + 0.5) / SUPERSAMPLE) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SUPERSAMPLE * SUPERSAMPLE
            alpha = acc[3] / n
            if acc[3]:
                line.append((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], int(alpha)))
            else:
                line.append((0, 0, 0, 0))
        pixels.append(line)
    return pixels


def palette_256():
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(i * 255 // 39, i * 255 // 39, i * 255 // 39) for i in range(40)]
    return colours


PALETTE_16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
              (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
              (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def row_bytes(bits_per_row):
    return ((bits_per_row + 31) // 32) * 4


def and_mask(pixels):
    size = len(pixels)
    out = bytearray()
    for row in reversed(pixels):
        bits = bytearray(row_bytes(size))
        for col, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[col // 8] |= 0x80 >> (col % 8)
        out += bits
    return bytes(out)


def image(pixels, bit_count):
    size = len(pixels)
    if bit_count == 32:
        palette = []
        xor = bytearray()
        for row in reversed(pixels):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
    else:
        palette = palette_256() if bit_count == 8 else PALETTE_16
        xor = bytearray()
        cache = {}
        for row in reversed(pixels):
            indices = []
            for r, g, b, a in row:
                key = (r, g, b) if a >= 128 else None
                if key not in cache:
                    cache[key] = nearest(palette, key) if key else 0
                indices.append(cache[key])
            line = bytearray(row_bytes(size * bit_count))
            for col, index in enumerate(indices):
                if bit_count == 8:
                    line[col] = index
                else:
                    line[col // 2] |= index << (4 if col % 2 == 0 else 0)
            xor += line
    mask = and_mask(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bit_count, 0,
                         len(xor) + len(mask), 0, 0, len(palette), 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + colours + bytes(xor) + mask


def write_icon(path, draw, formats):
    images = [(size, bits, image(render(draw, size), bits)) for size, bits in formats]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        colour_count = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colour_count, 0, 1, bits,
                           len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    write_icon(os.path.join(folder, "main_window.ico"), gauge,
               [(16, 8), (32, 8), (48, 8), (16, 32), (32, 32), (48, 32), (128, 32)])
    write_icon(os.path.join(folder, "program_file.ico"), plain_window, [(16, 4), (32, 4)])


if __name__ == "__main__":
    main()
