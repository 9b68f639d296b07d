#!/usr/bin/env python3
"""Draws the program's pictures from the text below: the two banners, the side picture, the About
picture, the banners' mouse pointer, the program's icon and the About dialog's icon.

    python3 resources/tools/make_pictures.py            writes them into resources/
    python3 resources/tools/make_pictures.py --check    draws them twice and compares both runs
                                                        with each other and with resources/

The banners and pictures are drawn by ImageMagick's convert with the DejaVu fonts; the pointer and
the icons are written byte by byte here. The postbox is the one of make_icon.py, in its colours."""

import os
import struct
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # leave no cache beside the tools
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_icon  # noqa: E402  (the program icon's drawing and palette)

FONT_DIR = '/usr/share/fonts/truetype/dejavu'
BOLD = f'{FONT_DIR}/DejaVuSans-Bold.ttf'
CONDENSED_BOLD = f'{FONT_DIR}/DejaVuSansCondensed-Bold.ttf'
REGULAR = f'{FONT_DIR}/DejaVuSans.ttf'


def hex_colour(rgb):
    return '#%02x%02x%02x' % rgb


OUTLINE, YELLOW, SHADE, HIGHLIGHT, LETTER, SLOT, RED, GREY, DARK_GREY = (
    hex_colour(c) for c in make_icon.PALETTE[:9])
NAVY, BLUE, SKY = '#17386b', '#2c6cb6', '#dce9f6'
GOLD = '#ffd84a'
MAGAZINE_RED, MAGAZINE_DARK_RED, INK, GREY_TEXT = '#d42d23', '#a3170f', '#22303f', '#5b6675'


def convert(*args):
    # One thread: the same bytes on every machine, however many cores it has.
    subprocess.run(['convert', '-limit', 'thread', '1', *args], check=True)


def text(x, y, words, font, size, colour):
    quoted = words.replace("'", "\\'")
    return f"font '{font}' font-size {size} fill {colour} stroke none text {x},{y} '{quoted}'"


def postbox(x, y, unit):
    """The icon's postbox as drawing commands, its 32 x 32 grid placed at (x, y), `unit` pixels a cell."""
    def p(px, py):
        return f'{x + px * unit:.2f},{y + py * unit:.2f}'

    def rect(x0, y0, x1, y1, colour):
        return f'fill {colour} rectangle {p(x0, y0)} {p(x1, y1)}'

    r = 12 * unit
    body = f"path 'M {p(4, 28)} L {p(4, 11)} A {r:.2f},{r:.2f} 0 0,1 {p(28, 11)} L {p(28, 28)} Z'"
    shade = f"path 'M {p(23, 28)} L {p(23, 1.25)} A {r:.2f},{r:.2f} 0 0,1 {p(28, 11)} L {p(28, 28)} Z'"
    width = max(1.0, unit)
    return ' '.join([
        f'stroke {OUTLINE} stroke-width {width:.2f}',
        rect(14, 26, 18, 31, DARK_GREY),
        rect(10, 30, 22, 32, OUTLINE),
        f'fill {YELLOW}', body,
        'stroke none', f'fill {SHADE}', shade,
        rect(6, 10, 8, 25, HIGHLIGHT),
        f'fill none stroke {OUTLINE}', body,
        rect(8, 12, 24, 15, SLOT),
        f'stroke {OUTLINE}', rect(11, 7.5, 21, 13, LETTER),
        f"stroke {GREY} fill none polyline {p(11, 7.5)} {p(16, 11)} {p(21, 7.5)}",
        f'stroke {OUTLINE}', rect(10, 18, 22, 24, SHADE),
        'stroke none', rect(11, 19, 21, 23, HIGHLIGHT),
        f'stroke {OUTLINE} fill {RED} circle {p(26, 6)} {p(26, 10)}',
    ])


def envelope(cx, cy, width, angle):
    """A letter in flight, centred on (cx, cy), turned by `angle` degrees."""
    w, h = width / 2, width * 0.34
    return ' '.join([
        f'push graphic-context translate {cx},{cy} rotate {angle}',
        f'stroke {GREY} stroke-width 1 fill {LETTER} roundrectangle {-w:.1f},{-h:.1f} {w:.1f},{h:.1f} 1.5,1.5',
        f'fill none polyline {-w + 1:.1f},{-h + 1:.1f} 0,{h * 0.25:.1f} {w - 1:.1f},{-h + 1:.1f}',
        f'stroke {RED} fill {RED} rectangle {w - 6:.1f},{-h + 3:.1f} {w - 3:.1f},{-h + 6:.1f}',
        'pop graphic-context',
    ])


def centred_text(y, words, font, size, colour):
    """Text centred across the picture, its top `y` pixels down."""
    return ['-font', font, '-pointsize', str(size), '-fill', colour, '-gravity', 'North',
            '-annotate', f'+0+{y}', words, '-gravity', 'NorthWest']


def upward_text(height, left, bottom, words, font, size, colour):
    """Text read from bottom to top, its first letter at (left, bottom) of a picture `height` pixels high."""
    return ['(', '+size', '-background', 'none', '-font', font, '-pointsize', str(size), '-fill', colour,
            f'label:{words}', '-rotate', '-90', ')',
            '-gravity', 'SouthWest', '-geometry', f'+{left}+{height - bottom}', '-composite',
            '-gravity', 'NorthWest']


def gloss(width, height, percent):
    """A white sheen over the top of a picture, fading out downwards."""
    return ['(', '-size', f'{width}x{height}', f'gradient:gray{percent}-black', ')',
            '-compose', 'Screen', '-composite', '-compose', 'Over']


def maker_banner(path):
    """Image1 of the main window: the maker's name and an invitation to discover more tools."""
    convert('-size', '53x234', f'gradient:{BLUE}-{NAVY}', '-rotate', '90',
            *gloss(234, 27, 19),
            '-draw', ' '.join([
                'fill none stroke #ffffff14 stroke-width 6 circle 222,60 222,8',
                'fill none stroke #ffffff10 stroke-width 4 circle 222,60 222,-12',
                f'fill {GOLD} stroke none roundrectangle 7,8 43,44 7,7',
                f'fill {NAVY} stroke none roundrectangle 9,10 41,42 5,5',
                text(14, 38, 'T', BOLD, 30, GOLD),
                text(52, 26, 'Trelvik Software', BOLD, 17, 'white'),
                text(53, 42, 'Weitere Tools entdecken \u00bb', REGULAR, 10, GOLD),
                f'fill {GOLD} rectangle 0,51 234,53',
            ]),
            '-strip', '-quality', '92', '-sampling-factor', '1x1', f'JPEG:{path}')


def partner_banner(path):
    """Image2 of the main window: the partner magazine's masthead and an invitation to read its news."""
    convert('-size', '234x35', 'gradient:white-#e9edf2',
            '(', '-size', '234x18', f'gradient:{MAGAZINE_RED}-{MAGAZINE_DARK_RED}', ')', '-append',
            '-draw', ' '.join([
                f'fill {MAGAZINE_RED} stroke none roundrectangle 8,6 30,28 3,3',
                'fill white polygon 12,11 19,17 26,11 26,23 12,23',
                f'fill {MAGAZINE_RED} polygon 12,11 19,17 26,11',
                f'stroke {MAGAZINE_RED} stroke-width 1.2 fill none polyline 12,12 19,18 26,12',
                text(37, 25, 'Netz', BOLD, 21, MAGAZINE_RED),
                text(88, 25, 'post', BOLD, 21, INK),
                text(152, 16, 'Das Web-', REGULAR, 9, GREY_TEXT),
                text(152, 27, 'Magazin', REGULAR, 9, GREY_TEXT),
                f'fill {INK} rectangle 0,34 234,34',
                text(10, 48, 'Aktuelle News lesen \u00bb', BOLD, 10, 'white'),
                text(163, 47, 't\u00e4glich neu', BOLD, 9, '#ffd6d1'),
            ]),
            '-strip', '-dither', 'FloydSteinberg', '-colors', '256', '-type', 'Palette',
            '-compress', 'None', f'BMP3:{path}')


def side_picture(path):
    """Image3 along the main window's left edge: letters flying into the postbox, the name at the foot."""
    convert('-size', '141x205', f'gradient:{BLUE}-{SKY}',
            '(', '-size', '141x34', f'gradient:{BLUE}-{NAVY}', ')', '-append',
            '-draw', ' '.join([
                'fill #ffffff40 stroke none ellipse 30,40 22,7 0,360 ellipse 46,35 14,8 0,360',
                'fill #ffffff30 ellipse 112,78 20,6 0,360 ellipse 100,74 11,6 0,360',
                'stroke #ffffff90 stroke-width 1 line 8,26 26,32 line 12,34 28,38',
                envelope(46, 38, 30, 14),
                envelope(88, 62, 24, 24),
                envelope(60, 86, 17, 36),
                'fill #9fb9d6 stroke none ellipse 70,201 46,5 0,360',
                postbox(22.5, 106, 3),
                f'fill {GOLD} rectangle 0,205 141,206',
            ]),
            *centred_text(208, 'PostboxWatchman', CONDENSED_BOLD, 14, 'white'),
            *centred_text(224, 'Ihr eMail-W\u00e4chter', REGULAR, 9, GOLD),
            '-strip', '-quality', '92', '-sampling-factor', '1x1', f'JPEG:{path}')


def about_picture(path):
    """Image1 along the About dialog's left edge: the postbox over the product's name, read upwards."""
    convert('-size', '61x409', f'gradient:{BLUE}-{NAVY}',
            *gloss(61, 120, 22),
            '-draw', ' '.join([
                f'fill {GOLD} stroke none rectangle 57,0 58,409',
                postbox(5, 12, 1.5),
                envelope(30, 166, 22, -10),
                envelope(24, 126, 18, 8),
                envelope(34, 90, 14, -16),
            ]),
            *upward_text(409, 8, 398, 'PostboxWatchman', BOLD, 19, 'white'),
            *upward_text(409, 33, 398, 'Trelvik Software', REGULAR, 10, GOLD),
            '-strip', '-quality', '92', '-sampling-factor', '1x1', f'JPEG:{path}')


# The banners' mouse pointer: a pointing hand. X is black, o white, anything else clear; the
# fingertip at the top of the index finger is the hot spot.
POINTER = """
.....XX
....XooX
....XooX
....XooX
....XooX
....XooXXX
....XooXooXXX
....XooXooXooXX
.XX.XooXooXooXoX
XooXXooooooooXooX
XoooXoooooooooooX
.XooooooooooooooX
..XoooooooooooooX
..XooooooooooooX
...XoooooooooooX
...XooooooooooX
....XoooooooooX
....XooooooooX
.....XoooooooX
.....XXXXXXXXX
""".split()
POINTER_HOT_SPOT = (5, 0)


def bit_rows(rows):
    """Rows of 0/1 values as a 1-bit DIB: bottom-up, each row padded to four bytes."""
    packed = b''
    for row in reversed(rows):
        row = list(row) + [0] * (-len(row) % 8)  # whole bytes
        line = int(''.join(str(b) for b in row), 2).to_bytes(len(row) // 8, 'big')
        packed += line.ljust((len(line) + 3) // 4 * 4, b'\0')
    return packed


def dib_header(size, bits, image_bytes, colours=0):
    # An icon's or pointer's picture is twice as high: the colour rows, then the mask rows.
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0, colours, 0)


def icon_file(kind, entries):
    """An .ico (kind 1) or .cur (kind 2) file. Each entry: (size, colours, field1, field2, picture)
    where the two fields are planes and bits for an icon, the hot spot's x and y for a pointer."""
    out = struct.pack('<HHH', 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for size, colours, field1, field2, picture in entries:
        out += struct.pack('<BBBBHHII', size, size, colours, 0, field1, field2, len(picture), offset)
        offset += len(picture)
    return out + b''.join(entry[-1] for entry in entries)


def banner_pointer(path):
    """The 32 x 32 two-colour pointer over the banners and the About picture."""
    grid = [row.ljust(32, '.') for row in POINTER] + ['.' * 32] * (32 - len(POINTER))
    white = bit_rows([[1 if c == 'o' else 0 for c in row] for row in grid])
    clear = bit_rows([[1 if c not in 'Xo' else 0 for c in row] for row in grid])
    palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    picture = dib_header(32, 1, len(white) + len(clear), 2) + palette + white + clear
    with open(path, 'wb') as f:
        f.write(icon_file(2, [(32, 2, *POINTER_HOT_SPOT, picture)]))


# The About icon's "i" badge per icon size, in pixels: the centre, the outer radius of the outline
# ring, the radius of the blue disc, then the letter's columns and the rows of its dot and stem,
# each on whole pixels so that the letter stays sharp.
INFO_BADGES = {
    32: ((24.0, 7.5), 7.5, 6.5, (23, 25), (3, 5), (6, 12)),
    16: ((11.5, 4.0), 4.4, 3.6, (11, 12), (1, 2), (3, 7)),
}
BADGE_COLOURS = (make_icon.PALETTE[0], (44, 108, 182), (255, 255, 255))  # ring, disc, letter


def info_badge(x, y, size):
    """How much of the pixel (x, y) the badge's ring, disc and letter cover, each from 0 to 1."""
    (cx, cy), outer, inner, (x0, x1), dot, stem = INFO_BADGES[size]
    steps = 4
    hits = [0, 0, 0]
    for sy in range(steps):
        for sx in range(steps):
            u, v = x + (sx + 0.5) / steps, y + (sy + 0.5) / steps
            d2 = (u - cx) ** 2 + (v - cy) ** 2
            if d2 > outer ** 2:
                continue
            letter = x0 <= u < x1 and (dot[0] <= v < dot[1] or stem[0] <= v < stem[1])
            hits[2 if letter else 1 if d2 <= inner ** 2 else 0] += 1
    return [h / steps ** 2 for h in hits]


def icon_picture(pixels):
    """Rows of (R, G, B, alpha) pixels, top row first, as a 32-bit icon picture with its mask."""
    size = len(pixels)
    colour_bytes = b''.join(struct.pack('<BBBB', b, g, r, a) for row in reversed(pixels) for r, g, b, a in row)
    mask = bit_rows([[1 if a == 0 else 0 for *_, a in row] for row in pixels])
    return dib_header(size, 32, len(colour_bytes) + len(mask)) + colour_bytes + mask


def with_info_badge(pixels):
    size = len(pixels)
    out = []
    for y, row in enumerate(pixels):
        out_row = []
        for x, (*under, under_alpha) in enumerate(row):
            covers = info_badge(x, y, size)
            left = 1 - sum(covers)
            r, g, b = (round(c * left + sum(k[i] * w for k, w in zip(BADGE_COLOURS, covers)))
                       for i, c in enumerate(under))
            out_row.append((r, g, b, round(under_alpha * left + 255 * (1 - left))))
        out.append(out_row)
    return out


def icon_of(path, sizes, pixels_at):
    with open(path, 'wb') as f:
        f.write(icon_file(1, [(size, 0, 1, 32, icon_picture(pixels_at(size))) for size in sizes]))


def program_icon(path):
    """The program's icon, one picture for each size the shell asks for at 100 to 150 %: the small
    icon at 16, 20 and 24 pixels, the large one at 32 and 48."""
    icon_of(path, (16, 20, 24, 32, 48), make_icon.draw)


def about_icon(path):
    """The About dialog's icon: the program's postbox with an "i" badge instead of the mail signal."""
    icon_of(path, (32, 16), lambda size: with_info_badge(make_icon.draw(size)))


PICTURES = {
    'maker_banner.jpg': maker_banner,
    'partner_banner.bmp': partner_banner,
    'side_picture.jpg': side_picture,
    'about_picture.jpg': about_picture,
    'banner_pointer.cur': banner_pointer,
    'about.ico': about_icon,
    'pbw.ico': program_icon,
}
RESOURCES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))


def make_all(folder):
    for name, make in PICTURES.items():
        make(os.path.join(folder, name))


def read(folder, name):
    with open(os.path.join(folder, name), 'rb') as f:
        return f.read()


def check():
    """Draws every picture twice and tells which ones differ between the runs or from resources/."""
    with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
        make_all(first)
        make_all(second)
        faults = [f'{name}: two runs differ' for name in PICTURES
                  if read(first, name) != read(second, name)]
        faults += [f'{name}: differs from resources/{name}; regenerate it' for name in PICTURES
                   if read(first, name) != read(RESOURCES, name)]
    for fault in faults:
        print(fault)
    if not faults:
        print(f'all {len(PICTURES)} pictures come out the same twice and match resources/')
    return 1 if faults else 0


def main(argv):
    if argv[1:] == ['--check']:
        return check()
    make_all(argv[1] if len(argv) > 1 else RESOURCES)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
