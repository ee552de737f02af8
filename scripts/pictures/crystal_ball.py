"""The divination window's starting picture: a glowing crystal ball on its stand, waiting to
be clicked."""
import math
import random

from . import look
from .colour import darker
from .svg import Drawing, num

WIDTH, HEIGHT = 121, 131
BALL = (60.5, 54.0)
RADIUS = 42.0
GLASS = ('#1a0b4a', '#5b3fc4', '#b8f0ff')
BRONZE = ('#4a2a08', '#b07a28', '#ffe2a0')


def _stand(d):
    deep, body, light = BRONZE
    cx = BALL[0]
    metal = d.linear([(0, light), (0.35, body), (0.7, deep), (1, body)], (cx - 40, 0), (cx + 40, 0))
    edge = darker(deep, 0.4)
    foot = f'M{num(cx - 38)},124 C{num(cx - 36)},112 {num(cx - 22)},108 {num(cx - 20)},98 ' \
           f'L{num(cx + 20)},98 C{num(cx + 22)},108 {num(cx + 36)},112 {num(cx + 38)},124 Z'
    d.path(foot, fill='none', stroke='#ffffff', stroke_opacity=0.45, stroke_width=look.RIM_WIDTH)
    d.path(foot, fill=metal, stroke=edge, stroke_width=look.OUTLINE_WIDTH, stroke_linejoin='round')
    d.ellipse((cx, 124), 38, 4, fill=metal, stroke=edge, stroke_width=look.OUTLINE_WIDTH)
    cradle = f'M{num(cx - 30)},88 C{num(cx - 26)},100 {num(cx + 26)},100 {num(cx + 30)},88 ' \
             f'L{num(cx + 22)},102 L{num(cx - 22)},102 Z'
    d.path(cradle, fill=metal, stroke=edge, stroke_width=look.OUTLINE_WIDTH, stroke_linejoin='round')
    for x in (-14, 0, 14):
        d.circle((cx + x, 113), 2.2, fill='#9fe8ff', stroke=edge, stroke_width=0.6)
        d.circle((cx + x - 0.6, 112.4), 0.7, fill='#ffffff', stroke='none')


def _mist(d, rng):
    """Swirls of light turning inside the glass."""
    cx, cy = BALL
    for i in range(5):
        r0, turn = rng.uniform(8, 30), rng.uniform(0, 2 * math.pi)
        points = []
        for k in range(28):
            a = turn + k * 0.2
            r = r0 * (1 - k / 40)
            points.append((cx + r * math.cos(a) * 1.15, cy + 4 + r * math.sin(a) * 0.55 - k * 0.2))
        d.polyline(points, stroke=rng.choice(['#ffffff', '#ffb8f0', '#a8f4ff']), stroke_width=rng.uniform(1.5, 3.2),
                   stroke_opacity=rng.uniform(0.25, 0.45), stroke_linecap='round', stroke_linejoin='round')


def crystal_ball():
    d = Drawing(WIDTH, HEIGHT, 'Crystal ball')
    rng = random.Random('crystal ball')
    cx, cy = BALL
    deep, body, light = GLASS
    look.ground_shadow(d, cx, 125, 44, 5)
    halo = d.radial([(0, '#9f7bff', 0.6), (0.62, '#7ad8ff', 0.28), (1, '#7ad8ff', 0)], BALL, RADIUS + 16)
    d.circle(BALL, RADIUS + 16, fill=halo, stroke='none')
    _stand(d)
    d.circle(BALL, RADIUS, fill='none', stroke='#ffffff', stroke_opacity=0.45, stroke_width=look.RIM_WIDTH)
    glass = d.radial([(0, light), (0.35, '#8f6cf0'), (0.75, body), (1, deep)], (cx - 8, cy - 10), RADIUS * 1.15,
                     focus=(cx - 16, cy - 20))
    d.circle(BALL, RADIUS, fill=glass, stroke='none')
    core = d.radial([(0, '#ffffff', 0.95), (0.3, '#c8f6ff', 0.6), (1, '#c8f6ff', 0)], (cx + 2, cy + 6), 24)
    d.circle((cx + 2, cy + 6), 24, fill=core, stroke='none')
    _mist(d, rng)
    for _ in range(14):
        a, r = rng.uniform(0, 2 * math.pi), rng.uniform(4, RADIUS - 8)
        d.circle((cx + r * math.cos(a), cy + r * math.sin(a)), rng.uniform(0.4, 1.1), fill='#ffffff',
                 fill_opacity=rng.uniform(0.5, 0.95), stroke='none')
    bounce = d.radial([(0, '#c8f6ff', 0), (0.8, '#c8f6ff', 0), (0.93, '#c8f6ff', 0.55), (1, '#c8f6ff', 0)],
                      (cx + 3, cy + 3), RADIUS)
    d.circle(BALL, RADIUS, fill=bounce, stroke='none')
    look.glint(d, (cx - 17, cy - 21), 14, 7.5, -38, 1.0)
    d.circle(BALL, RADIUS, fill='none', stroke=darker(deep, 0.3), stroke_width=look.OUTLINE_WIDTH)
    look.sparkle(d, (cx + 4, cy + 6), 7)
    for centre, size in (((14, 22), 4.5), ((108, 30), 5.5), ((104, 84), 3.5), ((16, 78), 3.2)):
        look.sparkle(d, centre, size, 0.95, '#fff4c0')
    return d.document()


def all_pictures():
    yield 'divination/main', crystal_ball()
