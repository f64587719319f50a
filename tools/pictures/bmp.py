"""Windows BMP files with a colour table: 8 bits per pixel, plain or BI_RLE8-compressed.

Pictures are lists of rows (top row first) of palette indices; palettes are lists of
(red, green, blue). The reader understands what the writer produces, so a picture can be
checked byte for byte and pixel for pixel after a round trip.
"""

import struct

BI_RGB = 0
BI_RLE8 = 1


def _rle8_row(row):
    """One row in BI_RLE8: encoded runs for repeats, absolute runs for mixed stretches."""
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 2:
            out += bytes((run, row[i]))
            i += run
            continue
        # A literal stretch lasts until a repeat of three starts (or 255 bytes).
        j = i
        while j < n and j - i < 255:
            if j + 2 < n and row[j] == row[j + 1] == row[j + 2]:
                break
            j += 1
        literal = row[i:j]
        if len(literal) < 3:  # absolute mode needs at least three bytes
            for value in literal:
                out += bytes((1, value))
        else:
            out += bytes((0, len(literal))) + bytes(literal)
            if len(literal) % 2:
                out.append(0)  # absolute runs end on a word boundary
        i = j
    return out


def encode_rle8(rows):
    """The pixel data of a bottom-up BI_RLE8 bitmap: end-of-line after each row, end-of-bitmap last."""
    out = bytearray()
    bottom_up = list(reversed(rows))
    for k, row in enumerate(bottom_up):
        out += _rle8_row(row)
        out += b"\x00\x01" if k == len(bottom_up) - 1 else b"\x00\x00"
    return bytes(out)


def decode_rle8(data, width, height):
    """Rows (top first) from BI_RLE8 pixel data; raises ValueError on malformed data."""
    rows = [[0] * width for _ in range(height)]
    x, y, i = 0, 0, 0  # y counts from the bottom row
    while i + 1 < len(data):
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            for _ in range(count):
                if x >= width or y >= height:
                    raise ValueError("run outside the picture")
                rows[height - 1 - y][x] = value
                x += 1
        elif value == 0:
            x, y = 0, y + 1
        elif value == 1:
            return rows
        elif value == 2:
            x, y = x + data[i], y + data[i + 1]
            i += 2
        else:
            for k in range(value):
                if x >= width or y >= height:
                    raise ValueError("absolute run outside the picture")
                rows[height - 1 - y][x] = data[i + k]
                x += 1
            i += value + (value % 2)
    raise ValueError("no end-of-bitmap mark")


def encode(rows, palette, rle=False):
    """The bytes of a BMP file, BITMAPFILEHEADER onwards."""
    height, width = len(rows), len(rows[0])
    if not 1 <= len(palette) <= 256:
        raise ValueError("palette must have 1 to 256 colours")
    if any(len(r) != width for r in rows) or any(v >= len(palette) for r in rows for v in r):
        raise ValueError("ragged rows or index outside the palette")
    if rle:
        pixels = encode_rle8(rows)
    else:
        stride = (width + 3) & ~3
        pixels = b"".join(bytes(r) + bytes(stride - width) for r in reversed(rows))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, BI_RLE8 if rle else BI_RGB,
                       len(pixels), 2835, 2835, len(palette), len(palette))
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + table + pixels


def decode(data):
    """(rows, palette, compression) of an 8-bit BMP file made by encode()."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    if magic != b"BM" or size != len(data):
        raise ValueError("not a complete BMP file")
    (hsize, width, height, planes, bits, compression, image_size, _, _, used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    if hsize != 40 or planes != 1 or bits != 8 or height <= 0:
        raise ValueError("not a bottom-up 8-bit BMP")
    used = used or 256
    palette = []
    for k in range(used):
        b, g, r, _ = struct.unpack_from("<BBBB", data, 54 + 4 * k)
        palette.append((r, g, b))
    pixels = data[offset:offset + image_size]
    if compression == BI_RLE8:
        rows = decode_rle8(pixels, width, height)
    elif compression == BI_RGB:
        stride = (width + 3) & ~3
        rows = [list(pixels[(height - 1 - y) * stride:(height - 1 - y) * stride + width])
                for y in range(height)]
    else:
        raise ValueError("unsupported compression")
    return rows, palette, compression


def to_ppm(rows, palette):
    """A binary PPM of the picture, for looking at it with ordinary image tools."""
    height, width = len(rows), len(rows[0])
    body = bytes(c for row in rows for v in row for c in palette[v])
    return b"P6\n%d %d\n255\n" % (width, height) + body
