#!/usr/bin/env python3
"""Writes the program's icon file: the blue key cap with a white "T" that the
tray shows, at 16, 24, 32, 48 and 256 pixels (the last as PNG, the others as
32-bit bitmaps with alpha). Only the standard library is used, so the build
needs nothing but python3.

    python3 make_icon.py OUT.ico
"""
import struct
import sys
import zlib

CAP = (32, 80, 176)
EDGE = (16, 40, 96)
LETTER = (255, 255, 255)
SIZES = (16, 24, 32, 48, 256)
SAMPLES = 3  # per pixel and axis, for smooth corners


def depth(x, y, size):
    """How far a point lies inside the rounded key cap (negative: outside);
    the corners are rounded with a radius of size / 8."""
    r = size / 8
    half = size / 2
    dx = abs(x - half) - (half - r)
    dy = abs(y - half) - (half - r)
    outside = (max(dx, 0) ** 2 + max(dy, 0) ** 2) ** 0.5 + min(max(dx, dy), 0)
    return r - outside


def on_letter(x, y, size):
    """The "T": a bar across the top and a stem down the middle."""
    thick = max(size // 6, 2)
    margin = size // 5
    bar = margin <= x < size - margin and margin <= y < margin + thick
    stem = (size - thick) // 2 <= x < (size + thick) // 2 and margin <= y < size - margin
    return bar or stem


def pixel(px, py, size):
    """RGBA of one pixel, averaged over its samples."""
    edge = max(1.0, size / 32)
    total = [0, 0, 0, 0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            d = depth(x, y, size)
            if d < 0:
                continue
            colour = LETTER if on_letter(x, y, size) else CAP if d >= edge else EDGE
            for i in range(3):
                total[i] += colour[i]
            total[3] += 255
    covered = total[3] // 255
    if covered == 0:
        return (0, 0, 0, 0)
    return tuple(c // covered for c in total[:3]) + (total[3] // (SAMPLES * SAMPLES),)


def rows(size):
    return [[pixel(x, y, size) for x in range(size)] for y in range(size)]


def bitmap_image(size):
    """BITMAPINFOHEADER, bottom-up BGRA pixels, then the AND mask."""
    image = rows(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(image) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(image):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def png_image(size):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\0' + bytes(v for p in row for v in p) for row in rows(size))
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def main(out):
    images = [png_image(s) if s >= 256 else bitmap_image(s) for s in SIZES]
    offset = 6 + 16 * len(images)
    directory = b''
    for size, data in zip(SIZES, images):
        side = 0 if size >= 256 else size
        directory += struct.pack('<BBBBHHII', side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + directory + b''.join(images))


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit('usage: make_icon.py OUT.ico')
    main(sys.argv[1])
