"""Polished stones: cabochons (domed ovals) and tumbled stones (rounded pebbles). Both are a
body colour, the stone's texture, the light on the curved surface and the outline."""
import math
import random

from . import look, textures
from .colour import darker
from .geometry import ellipse_outline, pebble_outline, rotate
from .svg import polygon_path

CENTRE = (60.0, 56.0)

# Half width, half height and tilt (degrees) of each cabochon, by the effect it shows.
CABOCHON_SHAPES = {
    'play-of-colour': (45, 37, -8),
    'eye': (35, 44, 0),
    'sheen': (42, 35, -20),
    'matrix': (44, 37, 12),
}


def cabochon(d, stone):
    rx, ry, tilt = CABOCHON_SHAPES[stone.effect]
    shape = ellipse_outline(*CENTRE, rx, ry, 160)
    if tilt:
        shape = rotate(shape, math.radians(tilt), CENTRE)
    _polished(d, stone, shape, dome=1.0)


def tumbled(d, stone):
    rng = random.Random('pebble ' + stone.name)
    shape = pebble_outline(rng, CENTRE[0], CENTRE[1] + 1, rng.uniform(41, 46), rng.uniform(33, 38),
                           rng.uniform(-0.5, 0.5))
    _polished(d, stone, shape, dome=0.85)


def _polished(d, stone, shape, dome):
    deep, body, light = stone.colours
    outline = polygon_path(shape)
    box = look.box_of(shape)
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    look.shadow_under(d, shape)
    look.rim(d, outline)
    base = d.radial([(0, light), (0.45, body), (1, deep)], (x0 + w * 0.42, y0 + h * 0.4), max(w, h) * 0.62,
                    focus=(x0 + w * 0.34, y0 + h * 0.3))
    d.path(outline, fill=base, stroke='none')
    textures.draw(d, stone, shape, random.Random(stone.name))
    look.volume(d, outline, box, dome)
    edge = d.radial([(0, '#000000', 0), (0.8, '#000000', 0), (1, darker(deep, 0.4), 0.45 * dome)],
                    (x0 + w / 2, y0 + h / 2), max(w, h) / 2)
    d.path(outline, fill=edge, stroke='none')
    strength = 0.65 if stone.effect in ('clouds', 'speckle', 'bands', 'spots', 'mottling') else 0.95
    look.glint(d, (x0 + w * 0.3, y0 + h * 0.24), w * 0.16, h * 0.09, -30, strength)
    look.outline(d, outline, darker(deep, 0.3))
