"""Gems grown by living things: the pearl, a lustrous sphere, and a branch of coral."""
import math
import random

from . import look
from .colour import darker, lighter
from .geometry import polar
from .svg import polyline_path

CENTRE = (60.0, 56.0)


def sphere(d, stone):
    deep, body, light = stone.colours
    cx, cy = CENTRE
    r = 40.0
    look.ground_shadow(d, cx, cy + r - 1, r * 0.85)
    d.circle(CENTRE, r, fill='none', stroke='#ffffff', stroke_opacity=0.45, stroke_width=look.RIM_WIDTH)
    base = d.radial([(0, light), (0.3, body), (0.72, lighter(deep, 0.45)), (1, deep)], (cx - 6, cy - 6), r * 1.1,
                    focus=(cx - 14, cy - 15))
    d.circle(CENTRE, r, fill=base, stroke='none')
    orient = d.radial([(0, '#ffd0e0', 0), (0.55, '#ffd0e0', 0), (0.78, '#ffb8d0', 0.34), (0.9, '#c0eee6', 0.3),
                       (1, '#c0eee6', 0)], CENTRE, r)
    d.circle(CENTRE, r, fill=orient, stroke='none')
    bounce = d.radial([(0, '#ffffff', 0.55), (1, '#ffffff', 0)], (cx + 17, cy + 21), 15)
    d.circle((cx + 17, cy + 21), 15, fill=bounce, stroke='none')
    look.glint(d, (cx - 13, cy - 15), 13, 7.5, -35, 1.0)
    d.ellipse((cx + 9, cy - 22), 4, 2, fill='#ffffff', fill_opacity=0.7, stroke='none')
    d.circle(CENTRE, r, fill='none', stroke=darker(deep, 0.25), stroke_width=look.OUTLINE_WIDTH)


def _grow(rng, start, angle, length, width, depth, branches):
    """Adds one curving branch and, below the last level, the branches that fork from it."""
    points = [start]
    bend = rng.uniform(-0.25, 0.25)
    for i in range(1, 5):
        a = angle + bend * i / 4
        points.append(polar(points[-1][0], points[-1][1], length / 4, a - math.pi / 2))
    branches.append((points, width))
    if depth == 0:
        return
    end_angle = angle + bend
    for side in (-1, 1):
        spread = rng.uniform(0.4, 0.8)
        _grow(rng, points[-1], end_angle + side * spread, length * rng.uniform(0.7, 0.9), width * 0.74,
              depth - 1, branches)
    if depth >= 1 and rng.random() < 0.8:
        fork = points[2]
        _grow(rng, fork, angle + rng.choice((-1, 1)) * rng.uniform(0.7, 1.1), length * 0.6, width * 0.68,
              max(depth - 2, 0), branches)


def _fit(branches, box):
    """Scales the branches (and their widths) to fill a box, standing on its bottom edge."""
    everything = [p for points, _ in branches for p in points]
    x0, y0, x1, y1 = look.box_of(everything)
    bx0, by0, bx1, by1 = box
    k = min((bx1 - bx0) / (x1 - x0), (by1 - by0) / (y1 - y0))
    dx = (bx0 + bx1) / 2 - (x0 + x1) / 2 * k
    dy = by1 - y1 * k
    return [([(x * k + dx, y * k + dy) for x, y in points], width * k) for points, width in branches]


def branch(d, stone):
    deep, body, light = stone.colours
    rng = random.Random(stone.name)
    branches = []
    _grow(rng, (60, 100), rng.uniform(-0.08, 0.08), 26, 10, 3, branches)
    branches = _fit(branches, (16, 16, 104, 104))
    everything = [p for points, _ in branches for p in points]
    x0, y0, x1, y1 = look.box_of(everything)
    root = branches[0][0][0]
    look.ground_shadow(d, root[0], root[1], 20, 5)
    passes = [('#ffffff', look.RIM_WIDTH + 1.2, 0.45), (darker(deep, 0.2), 2.4, 1.0)]
    for colour, extra, opacity in passes:
        for points, width in branches:
            d.path(polyline_path(points), fill='none', stroke=colour, stroke_width=width + extra,
                   stroke_opacity=opacity, stroke_linecap='round', stroke_linejoin='round')
    fill = d.linear([(0, light), (0.4, body), (1, darker(body, 0.25))], (x0, y0), (x1, y1))
    for points, width in branches:
        d.path(polyline_path(points), fill='none', stroke=fill, stroke_width=width, stroke_linecap='round',
               stroke_linejoin='round')
    for points, width in branches:
        shifted = [(x - width * 0.18, y - width * 0.12) for x, y in points]
        d.path(polyline_path(shifted), fill='none', stroke=lighter(light, 0.35), stroke_width=width * 0.28,
               stroke_opacity=0.75, stroke_linecap='round', stroke_linejoin='round')
    for points, width in branches:
        for _ in range(int(width)):
            x, y = points[rng.randrange(1, len(points))]
            d.circle((x + rng.uniform(-width, width) * 0.25, y + rng.uniform(-1, 1)), rng.uniform(0.35, 0.7),
                     fill=deep, fill_opacity=0.45, stroke='none')
