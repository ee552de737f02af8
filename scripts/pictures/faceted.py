"""Transparent gems seen face up: brilliant cuts on any girdle shape, and step cuts."""
import math
import random

from . import look
from .colour import lighter, darker, mix, ramp
from .geometry import centroid, lerp, unit
from .svg import polygon_path

CENTRE = (60.0, 56.0)
FIRE = ['#ff9f43', '#4cc3ff', '#a8f06a', '#ff6ad5', '#fff06a']


# --- girdle shapes: t runs once round the stone, t = -pi/2 at the top -----------------------

def _round(size):
    return lambda t: (size * math.cos(t), size * math.sin(t))


def _oval(size):
    return lambda t: (size * 0.8 * math.cos(t), size * 1.06 * math.sin(t))


def _cushion(size):
    def shape(t):
        c, s = math.cos(t), math.sin(t)
        return (size * 0.98 * math.copysign(abs(c) ** 0.62, c), size * 0.92 * math.copysign(abs(s) ** 0.62, s))
    return shape


def _pear(size):
    def shape(t):
        # A teardrop with its point at the top; u = 0 is the point.
        u = (t + math.pi / 2) % (2 * math.pi)
        return (size * 1.16 * math.sin(u) * math.sin(u / 2) ** 1.15, size * 0.12 - size * 1.04 * math.cos(u))
    return shape


def _marquise(size):
    def shape(t):
        c, s = math.cos(t), math.sin(t)
        return (size * 0.62 * math.copysign(abs(c) ** 1.55, c), size * 1.08 * s)
    return shape


def _trillion(size):
    def shape(t):
        corner = (t + math.pi / 2) % (2 * math.pi / 3) - math.pi / 3
        triangle = 0.5 / math.cos(corner)
        r = size * 1.12 * (0.78 * triangle + 0.22 * 0.72)
        return (r * math.cos(t), r * math.sin(t) + size * 0.14)
    return shape


GIRDLES = {'round': _round, 'oval': _oval, 'cushion': _cushion, 'pear': _pear, 'marquise': _marquise,
           'trillion': _trillion}


class _Palette:
    """Maps a brightness 0..1 to the colour of a facet of this stone."""

    def __init__(self, stone):
        self.dark, self.body, self.light = stone.colours
        self.stops = [darker(self.dark, 0.45), self.dark, self.body, self.light, lighter(self.light, 0.75)]
        self.fire = stone.effect == 'fire'

    def facet(self, brightness, rng, fire=True):
        colour = ramp(self.stops, brightness)
        if fire and self.fire and rng.random() < 0.25:
            colour = mix(colour, rng.choice(FIRE), rng.uniform(0.2, 0.38))
        return colour


def _facet_brightness(rng, direction, tilt):
    return 0.5 + 0.32 * tilt * look.facing_light(direction) + rng.uniform(-0.26, 0.26)


def _draw_facets(d, facets, palette, rng, fire=True):
    """facets: (points, outward direction, tilt) in drawing order. Fire shows in the steep
    facets near the girdle."""
    edge = lighter(palette.light, 0.55)
    for points, direction, tilt in facets:
        colour = palette.facet(_facet_brightness(rng, direction, tilt), rng, fire and tilt >= 0.9)
        d.polygon(points, fill=colour, stroke=edge, stroke_width=0.45, stroke_opacity=0.55,
                  stroke_linejoin='round')


def _table_glaze(d, table, palette):
    """The flat table reflects the light: a glaze brighter towards the upper left."""
    xs, ys = [p[0] for p in table], [p[1] for p in table]
    fill = d.linear([(0, '#ffffff', 0.42), (0.45, '#ffffff', 0.08), (1, palette.dark, 0.25)],
                    (min(xs), min(ys)), (max(xs), max(ys)))
    d.polygon(table, fill=fill, stroke='none')


def brilliant(d, stone, size=44.0):
    rng = random.Random(stone.name)
    palette = _Palette(stone)
    girdle = GIRDLES[stone.form](size)
    cx, cy = CENTRE

    def at(t, scale=1.0):
        x, y = girdle(t)
        return (cx + x * scale, cy + y * scale)

    step = math.pi / 4
    mains = [-math.pi / 2 + step / 2 + k * step for k in range(8)]   # table corners, bezel facets
    stars = [m + step / 2 for m in mains]                            # star tips
    table = [at(a, 0.5) for a in mains]
    tips = [at(b, 0.78) for b in stars]
    outline_points = [at(-math.pi / 2 + 2 * math.pi * i / 160) for i in range(160)]
    outline = polygon_path(outline_points)

    look.shadow_under(d, outline_points)
    look.rim(d, outline)
    d.path(outline, fill=palette.dark, stroke='none')

    def arc(a, b, count=6):
        return [at(a + (b - a) * i / count) for i in range(count + 1)]

    def outward(points):
        mx, my = centroid(points)
        return unit(mx - cx, my - cy)

    facets = []
    for k in range(8):
        previous = (k - 1) % 8
        kite = [table[k], tips[k], at(mains[k]), tips[previous]]
        facets.append((kite, outward(kite), 0.7))
        star = [table[k], table[(k + 1) % 8], tips[k]]
        facets.append((star, outward(star), 0.35))
        for piece in ([tips[k]] + arc(mains[k], stars[k]), [tips[k]] + arc(stars[k], mains[k] + step)):
            facets.append((piece, outward(piece), 1.0))
    _draw_facets(d, facets, palette, rng)

    # The pavilion seen through the table: sixteen mirrored wedges round the culet.
    middle = (cx, cy)
    wedges = []
    for k in range(8):
        edge_middle = lerp(table[k], table[(k + 1) % 8], 0.5)
        for piece in ([middle, table[k], edge_middle], [middle, edge_middle, table[(k + 1) % 8]]):
            mx, my = centroid(piece)
            wedges.append((piece, unit(cx - mx, cy - my), 0.55))
    _draw_facets(d, wedges, palette, rng, fire=False)
    _table_glaze(d, table, palette)
    _finish(d, stone, outline, outline_points, palette)


def _octagon(half_width, half_height, corner):
    w, h, c = half_width, half_height, corner
    return [(-w + c, -h), (w - c, -h), (w, -h + c), (w, h - c), (w - c, h), (-w + c, h), (-w, h - c), (-w, -h + c)]


def step_cut(d, stone, size=44.0):
    """Emerald and Asscher cuts: rings of long step facets round a flat table."""
    rng = random.Random(stone.name)
    palette = _Palette(stone)
    square = stone.form == 'asscher'
    w, h = (size * 0.9, size * 0.9) if square else (size * 0.74, size * 1.0)
    corner = size * (0.3 if square else 0.2)
    cx, cy = CENTRE

    def octagon(inset):
        points = _octagon(w - inset, h - inset, max(1.0, corner - inset * 0.41))
        return [(cx + x, cy + y) for x, y in points]

    outer = octagon(0)
    outline = polygon_path(outer)
    look.shadow_under(d, outer)
    look.rim(d, outline)
    d.path(outline, fill=palette.dark, stroke='none')

    normals = [unit(*n) for n in [(0, -1), (0.71, -0.71), (1, 0), (0.71, 0.71), (0, 1), (-0.71, 0.71),
                                  (-1, 0), (-0.71, -0.71)]]
    rings = [octagon(size * f) for f in (0, 0.11, 0.22, 0.33)]
    facets = []
    for depth, (ring, inner) in enumerate(zip(rings, rings[1:])):
        for i in range(8):
            j = (i + 1) % 8
            facets.append(([ring[i], ring[j], inner[j], inner[i]], normals[i], 1.0 - depth * 0.25))
    _draw_facets(d, facets, palette, rng)

    # Inside the table: the pavilion steps mirrored back, and the keel lines to the corners.
    table = rings[-1]
    mirrored = []
    for depth, scale in enumerate((0.44, 0.55, 0.66, 0.77)):
        ring = octagon(size * scale)
        if min(ring[2][0] - ring[7][0], ring[4][1] - ring[1][1]) <= 2:
            break
        mirrored.append((ring, depth))
    edge = lighter(palette.light, 0.55)
    d.polygon(table, fill=palette.facet(0.5 + rng.uniform(-0.1, 0.1), rng, False), stroke='none')
    for ring, depth in mirrored:
        d.polygon(ring, fill=palette.facet(0.32 + 0.26 * (depth % 2) + rng.uniform(-0.08, 0.08), rng, False),
                  stroke=edge, stroke_width=0.4, stroke_opacity=0.45)
    keel = (h - w) if not square else 0.0
    for corner_point in table:
        end = (cx, cy - keel * 0.5) if corner_point[1] < cy else (cx, cy + keel * 0.5)
        d.polyline([corner_point, end], stroke=edge, stroke_width=0.5, stroke_opacity=0.5)
    if keel:
        d.polyline([(cx, cy - keel * 0.5), (cx, cy + keel * 0.5)], stroke=edge, stroke_width=0.5,
                   stroke_opacity=0.5)
    _table_glaze(d, table, palette)
    _finish(d, stone, outline, outer, palette)


def _finish(d, stone, outline, outline_points, palette):
    xs, ys = [p[0] for p in outline_points], [p[1] for p in outline_points]
    x0, y0, x1, y1 = min(xs), min(ys), max(xs), max(ys)
    look.outline(d, outline, darker(palette.dark, 0.35))
    look.sparkle(d, (x0 + (x1 - x0) * 0.3, y0 + (y1 - y0) * 0.24), 7.5)
    if stone.effect == 'fire':
        look.sparkle(d, (x0 + (x1 - x0) * 0.74, y0 + (y1 - y0) * 0.7), 4.5, 0.8)
