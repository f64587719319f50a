#!/usr/bin/env python3
"""Makes the program's icon, app/Gorvale.ico: a golden ring around a castle under the moon, in the
sixteen standard colours of the classic Windows palette, at 32 x 32 and 16 x 16 pixels.

  make_icon.py            writes app/Gorvale.ico
  make_icon.py --check    changes nothing; exits 1 if app/Gorvale.ico is out of date
  make_icon.py --preview DIR
                          also writes each size as a PPM file into DIR, for viewing
"""

import math
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICON = os.path.join(ROOT, "app", "Gorvale.ico")

# The standard 16-colour palette, in its usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, OLIVE, NAVY, YELLOW, WHITE = 0, 2, 3, 4, 11, 15
CLEAR = None  # transparent

# The drawing on a plan of 32 x 32 units; smaller sizes sample it more coarsely.
RING_IN, RING_OUT = 11.0, 15.5


def _in_castle(x, y):
    """Castle silhouette on the plan: a wall with a gate, two towers with battlements."""
    wall = 10 <= x < 22 and 17 <= y < 25
    battlements = 10 <= x < 22 and 15.5 <= y < 17 and int(x - 10) % 3 != 1
    towers = (8 <= x < 12 or 20 <= x < 24) and 11 <= y < 25
    tops = (8 <= x < 12 or 20 <= x < 24) and 9.5 <= y < 11 and int(x) % 2 == 0
    gate = 14.5 <= x < 17.5 and 20 <= y < 25 and not (y < 21 and (x < 15 or x >= 17))
    return (wall or battlements or towers or tops) and not gate


def colour_at(x, y):
    """Colour of a plan point, or CLEAR outside the ring."""
    d = math.hypot(x - 16, y - 16)
    if d > RING_OUT:
        return CLEAR
    if d >= RING_IN:  # the band, lit from the upper left
        return YELLOW if (x - 16) + (y - 16) < -4 else OLIVE
    if _in_castle(x, y):
        if (9 <= x < 11 or 21 <= x < 23) and 13 <= y < 15:
            return YELLOW  # lit tower windows
        return BLACK
    if y >= 25:
        return GREEN  # the ground inside the ring
    if math.hypot(x - 15, y - 8) < 2.8 and math.hypot(x - 16.3, y - 7.1) >= 2.4:
        return WHITE  # the moon
    if (x, y) in ((10.5, 7.5), (20.5, 6.5), (6.5, 15.5), (26.5, 14.5), (24.5, 9.5)):
        return WHITE  # stars
    return NAVY


def image(size):
    """Rows of colour indices (CLEAR for transparent), top row first."""
    step = 32.0 / size
    return [[colour_at((x + 0.5) * step, (y + 0.5) * step) for x in range(size)] for y in range(size)]


def _dib(rows):
    """One icon image: header, palette, 4-bit colour rows and the 1-bit mask, both bottom-up."""
    size = len(rows)
    colour = b""
    mask = b""
    for row in reversed(rows):
        nibbles = [BLACK if c is CLEAR else c for c in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        colour += line + b"\0" * (-len(line) % 4)
        bits = 0
        for c in row:
            bits = (bits << 1) | (c is CLEAR)
        line = bits.to_bytes(size // 8, "big")
        mask += line + b"\0" * (-len(line) % 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colour + mask


def icon_file(sizes=(32, 16)):
    images = [_dib(image(s)) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main(argv):
    data = icon_file()
    if argv[1:2] == ["--check"]:
        with open(ICON, "rb") as f:
            if f.read() != data:
                print("app/Gorvale.ico is out of date: run tools/make_icon.py", file=sys.stderr)
                return 1
        return 0
    with open(ICON, "wb") as f:
        f.write(data)
    if argv[1:2] == ["--preview"] and len(argv) > 2:
        os.makedirs(argv[2], exist_ok=True)
        for s in (32, 16):
            with open(os.path.join(argv[2], "icon%d.ppm" % s), "wb") as f:
                f.write(b"P6 %d %d 255\n" % (s, s))
                for row in image(s):
                    f.write(b"".join(bytes(PALETTE[c] if c is not CLEAR else (255, 0, 255)) for c in row))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
