"""What shows on a polished stone's face, by effect. Every mark is cut to the stone's outline
(a convex polygon), since the drawings cannot rely on clipping."""
import math

from .colour import darker, lighter
from .geometry import below, blob, centroid, clip, clip_line, inset, random_inside, ribbon, wavy_line
from .svg import num

OPAL_FIRE = ['#19e39c', '#2a8cff', '#ff7a1a', '#ff2f86', '#9f5cff', '#32ecff', '#c6ff34', '#ffd21f']


def _box(shape):
    xs, ys = [p[0] for p in shape], [p[1] for p in shape]
    return min(xs), min(ys), max(xs), max(ys)


def _patch(d, points, shape, **attributes):
    piece = clip(points, shape)
    if len(piece) >= 3:
        d.polygon(piece, stroke='none', **attributes)


def _line(d, points, shape, **attributes):
    for run in clip_line(points, shape):
        d.polyline(run, stroke_linecap='round', stroke_linejoin='round', **attributes)


def _across(rng, shape, angle, offset, waves=2, amplitude=3.0):
    """A wavy line across the whole stone at an angle, shifted `offset` from its centre."""
    cx, cy = centroid(shape)
    reach = 80
    dx, dy = math.cos(angle), math.sin(angle)
    nx, ny = -dy, dx
    start = (cx - dx * reach + nx * offset, cy - dy * reach + ny * offset)
    end = (cx + dx * reach + nx * offset, cy + dy * reach + ny * offset)
    return wavy_line(rng, start, end, waves, amplitude, 60)


def _soft_spot(d, centre, radius, colour, opacity):
    fill = d.radial([(0, colour, opacity), (0.6, colour, opacity * 0.6), (1, colour, 0)], centre, radius)
    d.circle(centre, radius, fill=fill, stroke='none')


def _soft_ellipse(d, centre, rx, ry, angle, colour, opacity):
    """A soft glow drawn out along an angle (degrees)."""
    d.begin_group(transform=f'translate({num(centre[0])},{num(centre[1])}) rotate({num(angle)}) '
                            f'scale({num(rx)},{num(ry)})')
    _soft_spot(d, (0, 0), 1.0, colour, opacity)
    d.end_group()


def _mottle(d, rng, shape, colours, count, size, opacity):
    for _ in range(count):
        centre = random_inside(rng, shape, 2)
        _patch(d, blob(rng, centre, rng.uniform(*size)), shape, fill=rng.choice(colours),
               fill_opacity=rng.uniform(*opacity))


def _dots(d, rng, shape, colours, count, size, opacity, margin=1.5):
    for _ in range(count):
        d.circle(random_inside(rng, shape, margin), rng.uniform(*size), fill=rng.choice(colours),
                 fill_opacity=rng.uniform(*opacity), stroke='none')


def _glitter(d, rng, shape, colours, count, size, margin=2.0):
    for _ in range(count):
        x, y = random_inside(rng, shape, margin)
        s = rng.uniform(*size)
        a = rng.uniform(0, math.pi)
        points = [(x + s * math.cos(a + k * 2.1), y + s * math.sin(a + k * 2.1)) for k in range(3)]
        d.polygon(points, fill=rng.choice(colours), fill_opacity=rng.uniform(0.55, 1.0), stroke='none')


def _layers(d, rng, shape, colours, angle, spacing, amplitude):
    """Bands across the stone: each band covers everything below its upper edge."""
    x0, y0, x1, y1 = _box(shape)
    extent = max(x1 - x0, y1 - y0) / 2 + 6
    offset = -extent
    index = 0
    while offset < extent:
        _patch(d, below(_across(rng, shape, angle, offset, 3, amplitude)), shape,
               fill=colours[index % len(colours)])
        offset += rng.uniform(*spacing)
        index += 1


# --- cabochon effects --------------------------------------------------------------------

def play_of_colour(d, stone, shape, rng):
    """Flashes of spectral colour in a milky body; neighbouring flashes share a hue, as in the stone."""
    inner = inset(shape, 3)
    cx, cy = centroid(shape)
    phase = rng.uniform(0, 2 * math.pi)

    def hue_at(x, y):
        hue = 0.5 + 0.5 * math.sin((x - cx) * 0.07 + (y - cy) * 0.05 + phase) + rng.uniform(-0.15, 0.15)
        return OPAL_FIRE[int(max(0.0, min(0.999, hue)) * len(OPAL_FIRE))]

    for _ in range(26):
        x, y = random_inside(rng, inner, 6)
        _soft_spot(d, (x, y), rng.uniform(7, 12), hue_at(x, y), rng.uniform(0.45, 0.7))
    for _ in range(70):
        x, y = random_inside(rng, inner, 2)
        _patch(d, blob(rng, (x, y), rng.uniform(2, 5), 0.5, 12), inner, fill=hue_at(x, y),
               fill_opacity=rng.uniform(0.45, 0.85))
    _soft_spot(d, (cx - 6, cy - 6), 30, '#ffffff', 0.35)


def eye(d, stone, shape, rng):
    deep, body, light = stone.colours
    x0, y0, x1, y1 = _box(shape)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    for i in range(26):
        y = y0 + (y1 - y0) * (i + 0.5) / 26
        bow = [(x, y + 2.5 * ((x - cx) / (x1 - x0)) ** 2 * 8) for x in (x0, cx - 14, cx, cx + 14, x1)]
        _line(d, bow, shape, stroke=light if i % 2 else deep, stroke_width=0.5, stroke_opacity=0.22)
    band_x = cx - 3
    glow = d.linear([(0, light, 0), (0.5, lighter(light, 0.6), 0.75), (1, light, 0)],
                    (band_x - 9, cy), (band_x + 9, cy))
    half = (y1 - y0) / 2
    lens = [(band_x + 9 * math.sin(math.pi * t / 20) * 0.9, y0 + 2 + (y1 - y0 - 4) * t / 20) for t in range(21)]
    lens += [(2 * band_x - x, y) for x, y in reversed(lens)]
    _patch(d, lens, shape, fill=glow)
    core = [(band_x + 1.6 * math.sin(math.pi * t / 20), cy - half * 0.96 + half * 1.92 * t / 20) for t in range(21)]
    core += [(2 * band_x - x, y) for x, y in reversed(core)]
    _patch(d, core, shape, fill='#fffbe6', fill_opacity=0.95)


def sheen(d, stone, shape, rng):
    """Adularescence: a blue light floating under the milky surface, lying across the stone."""
    cx, cy = centroid(shape)
    _soft_spot(d, (cx + 6, cy + 8), 36, '#f6f7fa', 0.55)
    _soft_ellipse(d, (cx - 4, cy - 6), 34, 15, -20, '#3c6cff', 0.75)
    _soft_ellipse(d, (cx - 8, cy - 9), 18, 7, -20, '#b4dcff', 0.85)
    _soft_ellipse(d, (cx + 12, cy + 14), 18, 6, -20, '#7aa6ff', 0.35)


def matrix(d, stone, shape, rng):
    """Turquoise's web of dark matrix round patches of blue."""
    deep, body, light = stone.colours
    _mottle(d, rng, shape, [light, lighter(body, 0.25), darker(body, 0.12), '#54c7b4'], 20, (5, 10), (0.25, 0.5))
    vein = '#3d2a1c'
    nodes = [random_inside(rng, shape, -6) for _ in range(22)]
    for i, node in enumerate(nodes):
        nearest = sorted(nodes[:i] + nodes[i + 1:], key=lambda p: math.dist(p, node))[:2]
        for other in nearest:
            if rng.random() < 0.75:
                line = wavy_line(rng, node, other, 2, 1.4, 12)
                _line(d, line, shape, stroke=vein, stroke_width=rng.uniform(0.5, 1.3), stroke_opacity=0.85)
    for _ in range(4):
        _patch(d, blob(rng, random_inside(rng, shape, 4), rng.uniform(1.2, 2.6), 0.5, 10), shape,
               fill=vein, fill_opacity=0.75)


# --- tumbled stone textures ------------------------------------------------------------

def speckle(d, stone, shape, rng):
    deep, body, light = stone.colours
    _mottle(d, rng, shape, [darker(body, 0.1), lighter(body, 0.08)], 14, (6, 12), (0.25, 0.45))
    _dots(d, rng, shape, [deep, light, darker(body, 0.25)], 150, (0.35, 0.9), (0.25, 0.55))
    for _ in range(2):
        line = _across(rng, shape, rng.uniform(-0.6, 0.6), rng.uniform(-18, 18), 3, 4)
        _line(d, line, shape, stroke=lighter(light, 0.3), stroke_width=0.6, stroke_opacity=0.35)


def bands(d, stone, shape, rng):
    deep, body, light = stone.colours
    colours = [light, '#b8743e', deep, '#c98e56', '#7a3e20', '#ead0a0', '#9a5a32', '#5a2e18']
    _layers(d, rng, shape, colours, rng.uniform(-0.35, -0.15), (5, 11), 4.5)
    for _ in range(3):
        line = _across(rng, shape, -0.25, rng.uniform(-25, 25), 3, 4)
        _line(d, line, shape, stroke='#3a1d0c', stroke_width=0.7, stroke_opacity=0.6)
    _dots(d, rng, shape, ['#3a1d0c'], 30, (0.3, 0.8), (0.3, 0.6))


def sparkle(d, stone, shape, rng):
    deep, body, light = stone.colours
    _mottle(d, rng, shape, [deep, lighter(body, 0.15)], 16, (5, 10), (0.2, 0.4))
    _glitter(d, rng, shape, [light, lighter(light, 0.6), '#ffffff'], 140, (0.5, 1.3))


def veins(d, stone, shape, rng):
    """Sodalite: royal blue crossed by white calcite."""
    deep, body, light = stone.colours
    _mottle(d, rng, shape, [deep, light], 12, (6, 12), (0.2, 0.35))
    for _ in range(4):
        line = _across(rng, shape, rng.uniform(-1.2, 1.2), rng.uniform(-24, 24), 3, 7)
        swell = [rng.uniform(0.4, 1.4) for _ in range(8)]
        widths = [max(0.4, 5.5 * math.sin(math.pi * i / 60) * swell[i * 7 // 61]) for i in range(61)]
        _patch(d, ribbon(line, widths), shape, fill=rng.choice(['#ffffff', '#e6e9f0', '#c3cbe0']),
               fill_opacity=rng.uniform(0.7, 0.92))
    _mottle(d, rng, shape, ['#ffffff', '#dfe4f2'], 7, (2, 5), (0.55, 0.85))


def metallic(d, stone, shape, rng):
    deep, body, light = stone.colours
    x0, y0, x1, y1 = _box(shape)
    h = y1 - y0
    upper = below(_across(rng, shape, -0.08, -h * 0.3, 1, 1.5))
    lower = below(_across(rng, shape, -0.08, -h * 0.06, 1, 1.5))
    sky = d.linear([(0, light, 0.0), (0.45, light, 0.85), (1, '#ffffff', 0.2)], (0, y0), (0, y0 + h * 0.45))
    _patch(d, upper, shape, fill=sky)
    _patch(d, lower, shape, fill=darker(deep, 0.2), fill_opacity=0.9)
    ground = d.linear([(0, '#8a95a8', 0), (1, '#8a95a8', 0.6)], (0, y0 + h * 0.55), (0, y1))
    _patch(d, below(_across(rng, shape, -0.08, h * 0.22, 1, 1.5)), shape, fill=ground)


def silk_bands(d, stone, shape, rng):
    deep, body, light = stone.colours
    angle = rng.uniform(-0.5, -0.3)
    _layers(d, rng, shape, [light, body, '#c98a2a', deep, light, '#e0a53a', deep, body], angle, (5, 9), 2.5)
    cx, cy = centroid(shape)
    for i in range(-30, 31, 2):
        _line(d, _across(rng, shape, angle, i, 2, 2.5), shape, stroke='#fff1c2', stroke_width=0.35,
              stroke_opacity=0.25)
    nx, ny = -math.sin(angle), math.cos(angle)
    shimmer = d.linear([(0, '#ffdc78', 0), (0.5, '#ffe49a', 0.55), (1, '#ffdc78', 0)],
                       (cx - 16 * nx - 6, cy - 16 * ny), (cx + 16 * nx - 6, cy + 16 * ny))
    _patch(d, shape, shape, fill=shimmer)


def glow(d, stone, shape, rng):
    deep, body, light = stone.colours
    cx, cy = centroid(shape)
    _soft_spot(d, (cx + 10, cy + 10), 30, lighter(light, 0.3), 0.7)
    _mottle(d, rng, shape, [lighter(body, 0.35), darker(body, 0.1)], 10, (6, 12), (0.18, 0.3))
    for _ in range(3):
        line = wavy_line(rng, random_inside(rng, shape, 10), random_inside(rng, shape, 10), 2, 2, 16)
        _line(d, line, shape, stroke='#ffffff', stroke_width=0.6, stroke_opacity=0.35)


def clouds(d, stone, shape, rng):
    """Jade: a waxy green with milky clouds and darker veils, lit from within."""
    deep, body, light = stone.colours
    for _ in range(10):
        _soft_spot(d, random_inside(rng, shape, 12), rng.uniform(8, 16), rng.choice([light, deep, '#e8fff0']),
                   rng.uniform(0.3, 0.5))
    for _ in range(3):
        line = _across(rng, shape, rng.uniform(-0.9, 0.9), rng.uniform(-20, 20), 3, 5)
        widths = [3.5 * math.sin(math.pi * i / 60) for i in range(61)]
        _patch(d, ribbon(line, widths), shape, fill=deep, fill_opacity=0.25)
    cx, cy = centroid(shape)
    _soft_spot(d, (cx + 8, cy + 10), 26, lighter(light, 0.2), 0.4)


def spots(d, stone, shape, rng):
    """Bloodstone: dark green jasper dotted with red."""
    deep, body, light = stone.colours
    _mottle(d, rng, shape, [light, deep, '#2f5a44'], 20, (5, 10), (0.25, 0.45))
    reds = ['#c0261c', '#a01a12', '#e0442a', '#7e150e']
    for _ in range(10):
        centre = random_inside(rng, shape, 5)
        for _ in range(rng.randint(1, 4)):
            spot = (centre[0] + rng.gauss(0, 2.5), centre[1] + rng.gauss(0, 2.5))
            _patch(d, blob(rng, spot, rng.uniform(1.2, 3.0), 0.5, 12), shape, fill=rng.choice(reds),
                   fill_opacity=rng.uniform(0.8, 1.0))
    _dots(d, rng, shape, reds, 30, (0.3, 0.8), (0.7, 1.0))


def glitter(d, stone, shape, rng):
    """Goldstone: glass full of copper crystals that glitter like stars."""
    deep, body, light = stone.colours
    _mottle(d, rng, shape, [deep, lighter(body, 0.1)], 10, (6, 12), (0.2, 0.35))
    _glitter(d, rng, shape, ['#ffb14a', '#ffd27a', '#ff9a3a'], 320, (0.45, 1.05), 1.5)
    for _ in range(22):
        x, y = random_inside(rng, shape, 3)
        d.circle((x, y), rng.uniform(0.5, 0.9), fill='#fff4d0', stroke='none')


def rings(d, stone, shape, rng):
    deep, body, light = stone.colours
    colours = [deep, body, '#12925a', light, '#064a2c', '#1fa56a', '#7ee0b0', deep]
    x0, y0, x1, y1 = _box(shape)
    for eye_centre, largest in (((x0 + (x1 - x0) * 0.32, y0 + (y1 - y0) * 0.7), 70),
                                ((x0 + (x1 - x0) * 0.78, y0 + (y1 - y0) * 0.2), 26)):
        radius, index = largest, 0
        phases = [rng.uniform(0, 2 * math.pi) for _ in range(3)]
        while radius > 1.5:
            ring = [(eye_centre[0] + radius * math.cos(a) * (1 + 0.06 * math.sin(3 * a + phases[0])),
                     eye_centre[1] + radius * math.sin(a) * (1 + 0.08 * math.sin(2 * a + phases[1])) * 0.8)
                    for a in (2 * math.pi * i / 72 for i in range(72))]
            _patch(d, ring, shape, fill=colours[index % len(colours)])
            radius -= rng.uniform(2.2, 4.5)
            index += 1


def flecks(d, stone, shape, rng):
    deep, body, light = stone.colours
    _mottle(d, rng, shape, [deep, light, '#2a48c0'], 22, (5, 11), (0.25, 0.5))
    for _ in range(2):
        line = _across(rng, shape, rng.uniform(-0.8, 0.8), rng.uniform(-20, 20), 3, 5)
        widths = [2.4 * math.sin(math.pi * i / 60) for i in range(61)]
        _patch(d, ribbon(line, widths), shape, fill='#dfe6f5', fill_opacity=0.45)
    for _ in range(34):
        centre = random_inside(rng, shape, 3)
        _patch(d, blob(rng, centre, rng.uniform(0.6, 1.8), 0.6, 7), shape, fill=rng.choice(['#e2b84a', '#f5dc8a']),
               fill_opacity=rng.uniform(0.8, 1.0))


def mottling(d, stone, shape, rng):
    deep, body, light = stone.colours
    _mottle(d, rng, shape, ['#2bb8c8', '#3fc99c', light, deep, '#1d7ab0', '#66d4e0'], 34, (5, 12), (0.55, 0.85))
    for _ in range(4):
        line = _across(rng, shape, rng.uniform(-1.2, 1.2), rng.uniform(-24, 24), 3, 6)
        _line(d, line, shape, stroke='#1a2a2a', stroke_width=rng.uniform(0.6, 1.4), stroke_opacity=0.7)
    _mottle(d, rng, shape, ['#0d2b30'], 6, (1.5, 3.5), (0.6, 0.85))


EFFECTS = {
    'play-of-colour': play_of_colour, 'eye': eye, 'sheen': sheen, 'matrix': matrix, 'speckle': speckle,
    'bands': bands, 'sparkle': sparkle, 'veins': veins, 'metallic': metallic, 'silk-bands': silk_bands,
    'glow': glow, 'clouds': clouds, 'spots': spots, 'glitter': glitter, 'rings': rings, 'flecks': flecks,
    'mottling': mottling,
}


def draw(d, stone, shape, rng):
    EFFECTS[stone.effect](d, stone, shape, rng)
