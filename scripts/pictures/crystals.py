"""Raw crystals: quartz-like points (alone or in clusters), blocky tabular crystals on their
rock, and a satin selenite wand. Faces are lit by their direction; glassy crystals are
paler where they grow out of the rock."""
import math
import random

from . import look
from .colour import darker, lighter, mix, ramp
from .geometry import blob, unit
from .svg import polygon_path


class Faces:
    """Brightness to colour for one crystal's faces."""

    def __init__(self, stone):
        deep, body, light = stone.colours
        self.deep, self.body, self.light = deep, body, light
        self.stops = [darker(deep, 0.3), deep, body, light, lighter(light, 0.7)]

    def colour(self, direction, rng, bias=0.0):
        return ramp(self.stops, 0.5 + bias + 0.36 * look.facing_light(direction) + rng.uniform(-0.07, 0.07))


def _frame(base, angle, across, along):
    """Local crystal coordinates (across its axis, along its axis) to drawing coordinates."""
    a = math.radians(angle)
    ux, uy = math.sin(a), -math.cos(a)
    vx, vy = math.cos(a), math.sin(a)
    return (base[0] + along * ux + across * vx, base[1] + along * uy + across * vy)


def _local_direction(angle, across, along):
    a = math.radians(angle)
    return unit(along * math.sin(a) + across * math.cos(a), -along * math.cos(a) + across * math.sin(a))


def _face(d, points, colour, base_tint, base_point, tip_point, edge):
    fill = d.linear([(0, mix(colour, base_tint, 0.4)), (0.55, colour), (1, darker(colour, 0.08))],
                    base_point, tip_point)
    d.polygon(points, fill=fill, stroke=edge, stroke_width=0.55, stroke_opacity=0.7, stroke_linejoin='round')


TERMINATION = 1.05   # height of a point's termination, in widths


def point_outline(base, angle, length, width):
    h = width * 0.5
    tip = length - width * TERMINATION
    local = [(-h, 0), (h, 0), (h, tip - width * 0.1), (width * 0.04, length), (-h, tip - width * 0.1)]
    return [_frame(base, angle, *p) for p in local]


def point(d, faces, rng, base, angle, length, width, base_tint):
    """A six-sided point seen side on: three prism faces and three faces of its termination."""
    h, q = width * 0.5, width * 0.22
    tip = length - width * TERMINATION
    apex = (width * 0.04, length)
    edge = lighter(faces.light, 0.5)

    def at(across, along):
        return _frame(base, angle, across, along)

    bottom, top = at(0, 0), at(0, length)
    prism = [
        ([(-h, 0), (-q, 0), (-q, tip), (-h, tip - width * 0.1)], (-1, 0.15), 0.05),
        ([(-q, 0), (q, 0), (q, tip), (-q, tip)], (-0.2, 0.1), 0.0),
        ([(q, 0), (h, 0), (h, tip - width * 0.1), (q, tip)], (1, 0.15), -0.12),
    ]
    termination = [
        ([(-h, tip - width * 0.1), (-q, tip), apex], (-0.8, 0.9), 0.1),
        ([(-q, tip), (q, tip), apex], (-0.1, 1), 0.12),
        ([(q, tip), (h, tip - width * 0.1), apex], (0.8, 0.9), -0.05),
    ]
    for local, direction, bias in prism + termination:
        colour = faces.colour(_local_direction(angle, *direction), rng, bias)
        _face(d, [at(*p) for p in local], colour, base_tint, bottom, top, edge)
    # The back edges, seen through the crystal, and the bright edge that catches the light.
    ghost = darker(faces.deep, 0.1)
    d.polyline([at(-h * 0.05, width * 0.2), at(-h * 0.05, tip - width * 0.25)], stroke=ghost, stroke_width=0.5,
               stroke_opacity=0.3)
    d.polyline([at(-h * 0.7, tip - width * 0.45), at(-h * 0.05, tip - width * 0.25), at(h * 0.6, tip - width * 0.4)],
               stroke=ghost, stroke_width=0.5, stroke_opacity=0.3)
    d.polyline([at(-q, width * 0.3), at(-q, tip)], stroke='#ffffff', stroke_width=0.9, stroke_opacity=0.7)
    look.outline(d, polygon_path(point_outline(base, angle, length, width)), darker(faces.deep, 0.35))


def _rock(rng, centre_x, top_y, half_width, height):
    """An irregular mound of rock, flat underneath."""
    points = []
    for i in range(25):
        t = math.pi * i / 24
        bump = 1 + 0.08 * math.sin(5 * t + rng.uniform(0, 1)) + rng.uniform(-0.04, 0.04)
        points.append((centre_x - half_width * math.cos(t) * bump, top_y + height - height * math.sin(t) * bump))
    return points


def _draw_rock(d, rng, rock, colours):
    rock_dark, rock_body, rock_light = colours
    outline = polygon_path(rock)
    x0, y0, x1, y1 = look.box_of(rock)
    fill = d.linear([(0, rock_light), (0.6, rock_body), (1, rock_dark)], (x0, y0), (x0 + (x1 - x0) * 0.4, y1))
    d.path(outline, fill=fill, stroke='none')
    for _ in range(40):
        x, y = rng.uniform(x0 + 6, x1 - 6), rng.uniform(y0 + 4, y1 - 2)
        d.circle((x, y), rng.uniform(0.4, 1.4), fill=rng.choice([rock_dark, rock_light]),
                 fill_opacity=rng.uniform(0.3, 0.7), stroke='none')
    look.volume(d, outline, (x0, y0, x1, y1), 0.6)
    look.outline(d, outline, darker(rock_dark, 0.4))


ROCKS = {
    'clear': ('#8a8580', '#cfcac2', '#f2efe9'),
    'druse': ('#6f6a66', '#bcb6ae', '#ece8e1'),
    'geode': ('#5f5a55', '#a49d94', '#d9d3ca'),
    'blocky': ('#5a4434', '#8f735c', '#c4a88c'),
}

# Points of each cluster, back to front: (x, y of the base, lean in degrees, length, width).
# The last two stand in front of the rock.
CLUSTERS = {
    'quartz': [(60, 86, -3, 74, 21), (44, 88, -27, 52, 17), (76, 88, 24, 58, 18), (54, 92, -12, 24, 12),
               (70, 93, 10, 21, 11)],
    'amethyst': [(60, 84, 2, 58, 19), (46, 86, -22, 48, 17), (74, 86, 20, 50, 17), (36, 90, -40, 34, 14),
                 (86, 90, 38, 36, 14), (53, 91, -10, 34, 14), (67, 92, 12, 24, 13), (60, 95, -2, 16, 10)],
}


def cluster(d, stone):
    rng = random.Random(stone.name)
    faces = Faces(stone)
    points = CLUSTERS[stone.name]
    rock = _rock(rng, 60, 84, 40, 18)
    look.shadow_under(d, rock)
    for x, y, angle, length, width in points:
        look.rim(d, polygon_path(point_outline((x, y), angle, length, width)))
    look.rim(d, polygon_path(rock))
    tint = lighter(faces.body, 0.6) if stone.effect == 'druse' else '#ffffff'
    for x, y, angle, length, width in points[:-2]:
        point(d, faces, rng, (x, y), angle, length, width, tint)
    _draw_rock(d, rng, rock, ROCKS[stone.effect])
    for x, y, angle, length, width in points[-2:]:
        point(d, faces, rng, (x, y), angle, length, width, tint)
    look.sparkle(d, _frame(points[0][:2], points[0][2], -2, points[0][3] * 0.8), 6.5)


def single_point(d, stone):
    """A large point with a smaller one grown against it, broken off at their feet."""
    rng = random.Random(stone.name)
    faces = Faces(stone)
    pair = [((44, 100), -22, 56, 22), ((62, 102), 12, 82, 34)]
    outlines = [point_outline(base, angle, length, width) for base, angle, length, width in pair]
    look.shadow_under(d, outlines[0] + outlines[1])
    for outline in outlines:
        look.rim(d, polygon_path(outline))
    for base, angle, length, width in pair:
        point(d, faces, rng, base, angle, length, width, lighter(faces.body, 0.5))
        foot = [_frame(base, angle, x, 2.5 + 2 * math.sin(x * 1.3)) for x in range(-int(width / 2) + 2, int(width / 2) - 1, 2)]
        d.polyline(foot, stroke='#ffffff', stroke_width=0.9, stroke_opacity=0.5)
    base, angle, length, width = pair[1]
    look.sparkle(d, _frame(base, angle, -5, length * 0.8), 7)


def _block(d, faces, rng, base, angle, length, width, depth, edge, outline_colour):
    """A blocky crystal with a roof-shaped end: front, side and two roof faces."""
    roof = width * 0.45
    e = (depth * 0.85, depth * 0.45)

    def at(across, along, back=0.0):
        return _frame(base, angle, across + e[0] * back, along + e[1] * back)

    h = width / 2
    front = [at(-h, 0), at(h, 0), at(h, length), at(-h, length)]
    side = [at(h, 0), at(h, 0, 1), at(h, length, 1), at(h, length)]
    front_roof = [at(-h, length), at(h, length), at(0, length + roof)]
    side_roof = [at(h, length), at(h, length, 1), at(0, length + roof, 1), at(0, length + roof)]
    bottom, top = at(0, 0), at(0, length + roof)
    for points, direction, bias in ((front, (-0.3, 0), 0.02), (side, (1, -0.1), -0.18),
                                    (front_roof, (-0.4, 1), 0.12), (side_roof, (0.6, 1), 0.02)):
        colour = faces.colour(_local_direction(angle, *direction), rng, bias)
        _face(d, points, colour, lighter(faces.body, 0.3), bottom, top, edge)
    silhouette = [at(-h, 0), at(h, 0), at(h, 0, 1), at(h, length, 1), at(0, length + roof, 1),
                  at(0, length + roof), at(-h, length)]
    look.outline(d, polygon_path(silhouette), outline_colour)
    d.polyline([at(-h + 1, length * 0.15), at(-h + 1, length - 1)], stroke='#ffffff', stroke_width=0.9,
               stroke_opacity=0.55)
    return silhouette


BLOCKS = {
    # celestite: pale blue prisms in a geode; azurite: deep blue blocks on brown rock.
    'celestite': [(60, 84, -2, 44, 15, 8), (44, 86, -24, 34, 13, 7), (77, 86, 22, 38, 13, 7),
                  (33, 90, -45, 20, 11, 6), (88, 90, 44, 22, 11, 6), (52, 92, -10, 22, 11, 6),
                  (68, 92, 10, 20, 11, 6)],
    'azurite': [(58, 84, -6, 34, 20, 10), (40, 87, -30, 26, 17, 9), (78, 86, 26, 30, 17, 9),
                (50, 92, 14, 16, 14, 8), (68, 92, -16, 18, 14, 8)],
}


def tabular(d, stone):
    rng = random.Random(stone.name)
    faces = Faces(stone)
    rock = _rock(rng, 60, 84, 42, 18)
    look.shadow_under(d, rock)
    look.rim(d, polygon_path(rock))
    blocks = BLOCKS[stone.name]
    edge = lighter(faces.light, 0.5)
    outline_colour = darker(faces.deep, 0.35)
    silhouettes = []
    for x, y, angle, length, width, depth in blocks[:-2]:
        silhouettes.append(_block(d, faces, rng, (x, y), angle, length, width, depth, edge, outline_colour))
    _draw_rock(d, rng, rock, ROCKS[stone.effect])
    if stone.effect == 'blocky':
        for _ in range(5):
            x, y = rng.uniform(30, 90), rng.uniform(92, 98)
            d.polygon(blob(rng, (x, y), rng.uniform(1.2, 2.4), 0.4, 10), fill='#2f9e63', stroke='#14502f',
                      stroke_width=0.4)
    for x, y, angle, length, width, depth in blocks[-2:]:
        _block(d, faces, rng, (x, y), angle, length, width, depth, edge, outline_colour)
    x, y, angle, length, width, depth = blocks[0]
    look.sparkle(d, _frame((x, y), angle, -width * 0.3, length * 0.9), 6)


def wand(d, stone):
    """A satin selenite bar: fibres along its length and a silky band of light."""
    rng = random.Random(stone.name)
    faces = Faces(stone)
    base, angle, length, width, depth = (48, 104), 20, 92, 28, 10
    e = (depth * 0.85, depth * 0.45)

    def at(across, along, back=0.0):
        return _frame(base, angle, across + e[0] * back, along + e[1] * back)

    h = width / 2
    steps = 12
    ends = [length - 1.5 * abs(math.sin(i * 1.9)) - rng.uniform(0, 1.2) for i in range(steps + 1)]
    front_top = [at(-h + width * i / steps, ends[i]) for i in range(steps + 1)]
    back_top = [at(-h + width * i / steps, ends[i], 1) for i in range(steps + 1)]
    front = [at(-h, 0), at(h, 0)] + front_top[::-1]
    side = [at(h, 0), at(h, 0, 1), back_top[-1], front_top[-1]]
    cap = front_top + back_top[::-1]
    silhouette = [at(-h, 0), at(h, 0), at(h, 0, 1)] + back_top[::-1] + [front_top[0]]
    look.shadow_under(d, silhouette, 6)
    look.rim(d, polygon_path(silhouette))
    d.polygon(side, fill=faces.colour(_local_direction(angle, 1, 0), rng, 0.02), stroke='none')
    d.polygon(cap, fill=faces.colour(_local_direction(angle, 0, 1), rng, 0.15), stroke='none')
    satin = d.linear([(0, faces.body), (0.26, '#ffffff'), (0.4, faces.light), (0.58, '#f2e4d8'),
                      (1, darker(faces.body, 0.12))], at(-h, length / 2), at(h, length / 2))
    d.polygon(front, fill=satin, stroke='none')
    for i in range(1, 24):
        x = -h + width * i / 24 + rng.uniform(-0.3, 0.3)
        d.polyline([at(x, 1), at(x, length - 3 - rng.uniform(0, 4))], stroke=rng.choice([faces.deep, '#ffffff']),
                   stroke_width=0.35, stroke_opacity=rng.uniform(0.18, 0.4))
    look.outline(d, polygon_path(silhouette), darker(faces.deep, 0.35))
    look.sparkle(d, at(-h * 0.4, length * 0.72), 6)
