"""The program icon's drawing, a yellow postbox with a letter in its slot and a red new-mail signal,
for make_pictures.py, which writes it into pbw.ico and, with a badge, into about.ico.

The postbox is laid out on a grid of 32 cells and drawn afresh for every icon size, not scaled from
another size: straight edges fall on whole pixels, outlines are whole pixels wide at every size, the
round parts are smoothed by sampling each pixel many times, and the envelope's flap, too fine for
the smallest sizes, is left out there."""

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
]
OUTLINE, YELLOW, SHADE, HIGHLIGHT, LETTER, SLOT, RED, GREY, DARK_GREY = range(9)

SAMPLES = 5  # per pixel and direction


class Layout:
    """The postbox's parts at one size, in pixels: grid positions rounded to whole pixels."""

    def __init__(self, size):
        self.size = size
        self.unit = size / 32
        self.line = max(1, round(size / 32))  # the outline's width

    def at(self, cells):
        return round(cells * self.unit)

    def rect(self, x0, y0, x1, y1, inset=0):
        return (self.at(x0) + inset, self.at(y0) + inset, self.at(x1) - inset, self.at(y1) - inset)


def in_rect(u, v, r):
    return r[0] <= u < r[2] and r[1] <= v < r[3]


def in_disc(u, v, cx, cy, radius):
    return (u - cx) ** 2 + (v - cy) ** 2 <= radius ** 2


def shapes(size):
    """The parts in painting order, each as (colour index, test of a point in pixels)."""
    g = Layout(size)
    w = g.line
    # The body: a box with a round top, whose centre and radius follow the box's rounded edges.
    left, top, right, bottom = g.rect(4, 11, 28, 28)
    cx, radius = (left + right) / 2, (right - left) / 2

    def body(u, v, inset):
        return (left + inset <= u < right - inset and v < bottom - inset
                and (v >= top or in_disc(u, v, cx, top, radius - inset)))

    post = g.rect(14, 26, 18, 31)
    foot = g.rect(10, 30, 22, 32)
    shade = g.rect(23, 0, 28, 28)
    highlight = g.rect(6, 10, 8, 25)
    slot = g.rect(8, 12, 24, 15)
    letter = g.rect(10.5, 7, 21.5, 14)
    plate = g.rect(10, 18, 22, 24)
    signal = (g.at(26), g.at(6), 4.5 * g.unit + w / 2)
    parts = [
        (DARK_GREY, lambda u, v: in_rect(u, v, post)),
        (OUTLINE, lambda u, v: in_rect(u, v, foot)),
        (OUTLINE, lambda u, v: body(u, v, 0)),
        (YELLOW, lambda u, v: body(u, v, w)),
        (SHADE, lambda u, v: body(u, v, w) and in_rect(u, v, shade)),
        (HIGHLIGHT, lambda u, v: in_rect(u, v, highlight)),
        (SLOT, lambda u, v: in_rect(u, v, slot)),
        (OUTLINE, lambda u, v: in_rect(u, v, letter)),
        (LETTER, lambda u, v: in_rect(u, v, g.rect(10.5, 7, 21.5, 14, w))),
    ]
    if size >= 24:  # the flap: a V from the letter's top corners to its middle
        inner = g.rect(10.5, 7, 21.5, 14, w)
        mid_x, depth = (inner[0] + inner[2]) / 2, (inner[3] - inner[1]) * 0.55

        def flap(u, v):
            if not in_rect(u, v, inner):
                return False
            edge = inner[1] + depth * (1 - abs(u - mid_x) / ((inner[2] - inner[0]) / 2))
            return abs(v - edge) <= w * 0.6
        parts.append((GREY, flap))
    parts += [
        (OUTLINE, lambda u, v: in_rect(u, v, plate)),
        (HIGHLIGHT, lambda u, v: in_rect(u, v, g.rect(10, 18, 22, 24, w))),
        (OUTLINE, lambda u, v: in_disc(u, v, *signal)),
        (RED, lambda u, v: in_disc(u, v, signal[0], signal[1], signal[2] - w)),
    ]
    return parts


def draw(size):
    """Rows of (R, G, B, alpha) pixels, top row first; each pixel the average of its samples."""
    parts = shapes(size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total, covered = [0, 0, 0], 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u, v = x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES
                    colour = None
                    for index, inside in parts:
                        if inside(u, v):
                            colour = index
                    if colour is not None:
                        covered += 1
                        total = [t + c for t, c in zip(total, PALETTE[colour])]
            alpha = round(255 * covered / SAMPLES ** 2)
            rgb = tuple(round(t / covered) if covered else 0 for t in total)
            row.append((*rgb, alpha))
        rows.append(row)
    return rows
