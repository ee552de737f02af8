"""The program's own pictures: its icon, the banner, the launcher's decorative strip and the
custom pointer. They reuse the stone drawings, so the whole program is one picture set."""
import random

from . import crystals, look
from .colour import darker, lighter, ramp
from .signs import FONT
from .stone_drawing import place_stone
from .stones import BY_NAME
from .svg import Drawing, polygon_path

ICON_COLOURS = ('#2a0d63', '#6a35d8', '#c9a6ff')


# Brightness of the crown facets (left to right) and of the pavilion facets: lit from the top
# left, with the light thrown back by the facets opposite.
CROWN_LIGHT = [0.86, 0.97, 0.7, 0.9, 0.58, 0.74, 0.46]
PAVILION_LIGHT = [0.66, 0.4, 0.52, 0.24]


def _side_gem(d, cx, top, girdle, culet, table, width, colours, outline_width):
    """A gem seen from the side: a zigzag of crown facets over long pavilion facets."""
    deep, body, light = colours
    stops = [darker(deep, 0.3), deep, body, light, lighter(light, 0.7)]
    t = [cx - table, cx - table / 3, cx + table / 3, cx + table]
    g = [cx - width, cx - width / 2, cx, cx + width / 2, cx + width]
    crown = [[(t[0], top), (g[0], girdle), (g[1], girdle)]]
    for i in range(3):
        crown.append([(t[i], top), (t[i + 1], top), (g[i + 1], girdle)])
        crown.append([(t[i + 1], top), (g[i + 1], girdle), (g[i + 2], girdle)])
    pavilion = [[(g[i], girdle), (g[i + 1], girdle), (cx, culet)] for i in range(4)]
    outline = [(t[0], top), (t[3], top), (g[4], girdle), (cx, culet), (g[0], girdle)]
    for points, brightness in zip(crown + pavilion, CROWN_LIGHT + PAVILION_LIGHT):
        d.polygon(points, fill=ramp(stops, brightness), stroke=lighter(light, 0.4), stroke_width=outline_width * 0.4,
                  stroke_opacity=0.6, stroke_linejoin='round')
    look.outline(d, polygon_path(outline), darker(deep, 0.4), outline_width)
    return outline


def icon():
    """The program's icon: big simple facets, so that it still reads at 16 pixels."""
    d = Drawing(128, 128, 'Zev Gemmarium')
    outline = [(34, 20), (94, 20), (124, 50), (64, 118), (4, 50)]
    look.ground_shadow(d, 64, 119, 34, 5)
    look.rim(d, polygon_path(outline), 6)
    _side_gem(d, 64, 20, 50, 118, 30, 60, ICON_COLOURS, 3.2)
    look.sparkle(d, (46, 30), 14)
    return d.document()


def banner():
    """The program's name between two small groups of stones."""
    d = Drawing(560, 96, 'Zev Gemmarium')
    for name, centre, side in (('emerald', (42, 48), 80), ('ruby', (96, 54), 60), ('sapphire', (464, 54), 60),
                               ('diamond', (518, 48), 80)):
        place_stone(d, name, centre, side)
    title = 'Zev Gemmarium'
    text = dict(font_family=FONT, font_size=31, font_weight='bold', text_anchor='middle')
    d.text(title, 281.5, 61.5, fill='#000000', fill_opacity=0.3, **text)
    d.text(title, 280, 60, fill='none', stroke='#ffffff', stroke_width=4, stroke_opacity=0.55,
           stroke_linejoin='round', **text)
    d.text(title, 280, 60, fill='#e6ad34', stroke='#7a4c08', stroke_width=0.9, stroke_linejoin='round', **text)
    for centre, size in (((140, 26), 6), ((420, 74), 5), ((330, 20), 4)):
        look.sparkle(d, centre, size, 0.9, '#fff6d0')
    return d.document()


def decoration():
    """A row of overlapping gems for the launcher's button strip."""
    d = Drawing(150, 56, 'Gems')
    for name, centre, side in (('aquamarine', (19, 28), 60), ('sapphire', (131, 28), 60),
                               ('emerald', (45, 28), 64), ('ruby', (105, 28), 64), ('diamond', (75, 27), 70)):
        place_stone(d, name, centre, side)
    look.sparkle(d, (60, 6), 4)
    return d.document()


def pointer():
    """A small crystal wand; its tip, the pointer's hot spot, is near the top left corner."""
    d = Drawing(32, 32, 'Pointer')
    gold = ('#6a4306', '#d9a531', '#fff0b0')
    handle = [(13.2, 11.2), (29.6, 27.6), (27.6, 29.6), (11.2, 13.2)]
    d.polygon(handle, fill='none', stroke='#ffffff', stroke_opacity=0.8, stroke_width=2.4, stroke_linejoin='round')
    d.polygon(handle, fill=d.linear([(0, gold[2]), (0.5, gold[1]), (1, gold[0])], (12, 12), (28, 28)),
              stroke=darker(gold[0], 0.4), stroke_width=0.9, stroke_linejoin='round')
    stone = BY_NAME['amethyst']
    faces = crystals.Faces(stone)
    base, angle, length, width = (14.5, 14.5), -45, 16.5, 7.5
    tip = crystals.point_outline(base, angle, length, width)
    d.polygon(tip, fill='none', stroke='#ffffff', stroke_opacity=0.85, stroke_width=2.4, stroke_linejoin='round')
    crystals.point(d, faces, random.Random('pointer'), base, angle, length, width, lighter(faces.body, 0.4))
    look.sparkle(d, (9, 6.5), 2.6)
    return d.document()


def all_art():
    yield 'app/icon', icon()
    yield 'app/banner', banner()
    yield 'app/decoration', decoration()
    yield 'app/pointer', pointer()
