"""The emblem of the splash window and the About box: a castle at dusk in front of a golden ring
with a rune in its middle. Painted on a 200 x 200 plan and scaled to the picture's size, with one
256-colour palette of smooth ramps, so that rows hold long runs and BI_RLE8 keeps the file small.
"""

import math


def _ramp(stops, count):
    """count colours blended evenly through the (position, (r, g, b)) stops."""
    out = []
    for k in range(count):
        t = k / (count - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                f = (t - p0) / (p1 - p0) if p1 > p0 else 0.0
                out.append(tuple(round(a + (b - a) * f) for a, b in zip(c0, c1)))
                break
    return out


# Palette layout: first index and length of each ramp.
SKY, SKY_N = 0, 64
GLOW, GLOW_N = 64, 32
GOLD, GOLD_N = 96, 16
STONE, STONE_N = 112, 16
GROUND, GROUND_N = 128, 16
WINDOW, STAR, FAINT_STAR, INK, GATE, PATH = 144, 145, 146, 147, 148, 149


def palette():
    colours = []
    colours += _ramp([(0, (6, 8, 32)), (0.55, (38, 28, 84)), (1, (150, 70, 96))], SKY_N)
    colours += _ramp([(0, (252, 206, 136)), (0.5, (196, 120, 110)), (1, (70, 44, 104))], GLOW_N)
    colours += _ramp([(0, (96, 60, 8)), (0.6, (214, 160, 40)), (1, (255, 232, 132))], GOLD_N)
    colours += _ramp([(0, (14, 14, 26)), (1, (84, 80, 110))], STONE_N)
    colours += _ramp([(0, (8, 20, 12)), (1, (44, 76, 40))], GROUND_N)
    colours += [(255, 214, 96), (236, 236, 255), (150, 150, 200), (0, 0, 0), (8, 6, 12), (92, 80, 62)]
    colours += _ramp([(0, (0, 0, 0)), (1, (255, 255, 255))], 256 - len(colours))
    return colours


class Canvas:
    """Palette indices on a plan of 200 x 200 units, scaled to size x size pixels."""

    def __init__(self, size):
        self.size = size
        self.s = size / 200.0
        self.rows = [[0] * size for _ in range(size)]

    def each_pixel(self, colour_at):
        """Sets every pixel whose plan position gives a colour (None leaves it)."""
        for y in range(self.size):
            for x in range(self.size):
                c = colour_at((x + 0.5) / self.s, (y + 0.5) / self.s)
                if c is not None:
                    self.rows[y][x] = c

    def polygon(self, points, colour):
        """Fills the polygon (plan units) by pixel centres, even-odd rule."""
        pts = [(px * self.s, py * self.s) for px, py in points]
        for y in range(self.size):
            cy = y + 0.5
            xs = []
            for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
                if (y0 <= cy < y1) or (y1 <= cy < y0):
                    xs.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(max(0, math.ceil(a - 0.5)), min(self.size, math.ceil(b - 0.5))):
                    self.rows[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour)

    def line(self, x0, y0, x1, y1, width, colour):
        """A straight stroke of the given width (plan units), at least one pixel wide."""
        width = max(width, 1.0 / self.s)
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)


RING_X, RING_Y, RING_IN, RING_OUT = 100.0, 88.0, 60.0, 72.0
HORIZON = 178.0


def _sky(c):
    c.each_pixel(lambda x, y: SKY + min(SKY_N - 1, int(y / HORIZON * SKY_N)))
    seed = 12345
    for _ in range(46):  # stars outside the ring, from a fixed seed
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        x, y = seed % 197 + 1.5, (seed >> 8) % 118 + 2.5
        if math.hypot(x - RING_X, y - RING_Y) > RING_OUT + 3:
            c.rect(x, y, x + 1.0 / c.s, y + 1.0 / c.s, STAR if seed & 0x300 else FAINT_STAR)


def _ring(c):
    def colour_at(x, y):
        d = math.hypot(x - RING_X, y - RING_Y)
        if d < RING_IN:  # warm glow behind the rune
            return GLOW + min(GLOW_N - 1, int((d / RING_IN) ** 1.4 * GLOW_N))
        if d <= RING_OUT:  # the band, lit from the upper left and rounded across its width
            light = 0.5 + 0.5 * math.cos(math.atan2(y - RING_Y, x - RING_X) + 2.356)
            across = math.sin((d - RING_IN) / (RING_OUT - RING_IN) * math.pi)
            return GOLD + min(GOLD_N - 1, int((0.25 + 0.45 * light + 0.3 * across) * GOLD_N))
        return None

    c.each_pixel(colour_at)
    for k in range(16):  # rune marks around the band
        a = k * math.pi / 8 + math.pi / 16
        ca, sa = math.cos(a), math.sin(a)
        r0, r1 = RING_IN + 2.5, RING_OUT - 2.5
        c.line(RING_X + r0 * ca, RING_Y + r0 * sa, RING_X + r1 * ca, RING_Y + r1 * sa, 2.0, GOLD + 1)
        rm = (r0 + r1) / 2
        b = a + (0.06 if k % 2 else -0.06)
        c.line(RING_X + rm * ca, RING_Y + rm * sa, RING_X + r1 * math.cos(b), RING_Y + r1 * math.sin(b), 1.6,
               GOLD + 1)


def _rune(c):
    strokes = [(100, 36, 100, 104), (100, 70, 78, 42), (100, 70, 122, 42)]
    for x0, y0, x1, y1 in strokes:  # a dark rim first, then the gold stroke
        c.line(x0, y0, x1, y1, 9.0, GOLD)
    for x0, y0, x1, y1 in strokes:
        c.line(x0, y0, x1, y1, 5.0, GOLD + GOLD_N - 2)


def _block(c, x0, y0, x1, y1, merlons):
    """A stone block, lit on its left side, with battlements of `merlons` teeth on top."""
    c.rect(x0, y0, x1, y1, STONE + 7)
    c.rect(x0, y0, x0 + 3, y1, STONE + 11)
    c.rect(x1 - 4, y0, x1, y1, STONE + 3)
    if merlons:
        step = (x1 - x0) / (2 * merlons - 1)
        for k in range(merlons):
            mx = x0 + 2 * k * step
            c.rect(mx, y0 - 7, mx + step, y0, STONE + (11 if k == 0 else 7))


def _tower(c, x0, x1, top):
    _block(c, x0, top, x1, HORIZON + 4, 0)
    mid = (x0 + x1) / 2
    c.polygon([(x0 - 4, top), (mid, top - 34), (mid, top)], STONE + 9)
    c.polygon([(mid, top - 34), (x1 + 4, top), (mid, top)], STONE + 2)
    c.rect(mid - 2, top + 16, mid + 2, top + 28, WINDOW)


def _castle(c):
    _block(c, 34, 140, 166, HORIZON + 4, 9)
    _tower(c, 22, 52, 114)
    _tower(c, 148, 178, 114)
    _block(c, 76, 106, 124, HORIZON + 4, 4)
    for wx in (85, 111):
        c.rect(wx, 120, wx + 4, 132, WINDOW)
    # The gate: an arch with a lowered portcullis.
    c.rect(90, 156, 110, HORIZON + 4, GATE)
    c.each_pixel(lambda x, y: GATE if y < 156 and math.hypot(x - 100, y - 156) <= 10 else None)
    for gx in (94, 99, 104):
        c.rect(gx, 150, gx + 1.5, HORIZON + 4, STONE + 4)
    c.rect(90, 164, 110, 165.5, STONE + 4)


def _ground(c):
    def colour_at(x, y):
        edge = HORIZON + 3 * math.sin(x / 23.0) + 2
        if y < edge:
            return None
        if abs(x - 100) < 10 + (y - HORIZON) * 0.9:  # the path from the gate
            return PATH
        return GROUND + min(GROUND_N - 1, int((y - edge) / 3) + 2)

    c.each_pixel(colour_at)


def emblem(size):
    """The picture at size x size pixels: rows of palette indices, top row first."""
    c = Canvas(size)
    _sky(c)
    _ring(c)
    _rune(c)
    _castle(c)
    _ground(c)
    return c.rows
