#!/usr/bin/env python3
"""Draws the program's icon, a yellow postbox with a letter in its slot, as a 16-colour .ico
with a 32 x 32 and a 16 x 16 image. Run it to regenerate resources/pbw.ico."""

import struct
import sys

PALETTE = [  # index: (R, G, B)
    (0, 0, 0),        # 0 outline
    (255, 204, 0),    # 1 post yellow
    (214, 160, 0),    # 2 shade
    (255, 236, 140),  # 3 highlight
    (255, 255, 255),  # 4 letter
    (40, 40, 48),     # 5 slot
    (200, 30, 30),    # 6 signal red
    (150, 150, 160),  # 7 grey
    (90, 90, 100),    # 8 dark grey
    (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0),
]
CLEAR = None


def draw(size):
    s = size / 32.0
    px = [[CLEAR] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, c):
        for y in range(round(y0 * s), round(y1 * s)):
            for x in range(round(x0 * s), round(x1 * s)):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = c

    def disc(cx, cy, r, c):
        for y in range(size):
            for x in range(size):
                if ((x + 0.5) / s - cx) ** 2 + ((y + 0.5) / s - cy) ** 2 <= r * r:
                    px[y][x] = c

    # post and foot
    rect(14, 26, 18, 31, 8)
    rect(10, 30, 22, 32, 0)
    # body with a rounded top: outline, fill, shade on the right, highlight on the left
    disc(16, 11, 12, 0)
    rect(4, 11, 28, 28, 0)
    disc(16, 11, 11, 1)
    rect(5, 11, 27, 27, 1)
    rect(23, 9, 27, 27, 2)
    rect(6, 10, 8, 25, 3)
    # slot and the letter sticking out of it
    rect(8, 12, 24, 15, 5)
    rect(10, 7, 22, 14, 0)
    rect(11, 8, 21, 13, 4)
    for i in range(4):  # envelope flap
        rect(11 + i * 1.25, 8 + i, 21 - i * 1.25, 9 + i, 7)
    rect(11, 8, 21, 9, 4)
    # collection plate and the new-mail signal
    rect(10, 18, 22, 24, 2)
    rect(11, 19, 21, 23, 3)
    disc(26, 6, 4.5, 0)
    disc(26, 6, 3.5, 6)
    return px


def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(px):  # bottom-up
        nibbles = [0 if c is CLEAR else c for c in row]
        xor = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(xor.ljust((len(xor) + 3) // 4 * 4, b'\0'))
        bits = ''.join('1' if c is CLEAR else '0' for c in row)
        mask = int(bits, 2).to_bytes(size // 8, 'big')
        and_rows.append(mask.ljust((len(mask) + 3) // 4 * 4, b'\0'))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    images = [image(32), image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'pbw.ico')
