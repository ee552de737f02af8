"""The one look of every picture: light from the top left, a soft shadow to the lower right,
a dark outline for light window themes and a faint light rim for dark ones."""
from .svg import num

# Unit vector from a surface towards the light (screen coordinates, y down).
TOWARDS_LIGHT = (-0.6, -0.8)
OUTLINE_WIDTH = 1.3
RIM_WIDTH = 3.4


def facing_light(direction):
    """-1 (turned away from the light) .. 1 (turned to it) for a unit direction."""
    return direction[0] * TOWARDS_LIGHT[0] + direction[1] * TOWARDS_LIGHT[1]


def ground_shadow(d, centre_x, bottom_y, half_width, depth=7.0):
    """The soft shadow the object casts on the ground, thrown a little to the right."""
    x = centre_x + half_width * 0.12
    fill = d.radial([(0, '#000000', 0.34), (0.55, '#000000', 0.16), (1, '#000000', 0)], (0, 0), half_width)
    d.begin_group(transform=f'translate({num(x)},{num(bottom_y)}) scale(1,{num(depth / half_width)})')
    d.circle((0, 0), half_width, fill=fill, stroke='none')
    d.end_group()


def rim(d, path_d, width=RIM_WIDTH):
    """A faint light rim, drawn under the body, that keeps dark stones apart from dark windows."""
    d.path(path_d, fill='none', stroke='#ffffff', stroke_opacity=0.45, stroke_width=width,
           stroke_linejoin='round')


def outline(d, path_d, colour, width=OUTLINE_WIDTH):
    d.path(path_d, fill='none', stroke=colour, stroke_width=width, stroke_linejoin='round')


def volume(d, path_d, box, strength=1.0):
    """Rounds a flat shape: light on the upper left, shade on the lower right."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    centre = (x0 + w * 0.36, y0 + h * 0.32)
    fill = d.radial([(0, '#ffffff', 0.34 * strength), (0.35, '#ffffff', 0.06 * strength),
                     (0.62, '#000000', 0), (1, '#000000', 0.5 * strength)],
                    centre, max(w, h) * 0.82)
    d.path(path_d, fill=fill, stroke='none')


def glint(d, centre, rx, ry, angle=-35, strength=0.9):
    """The soft reflection of the light on a polished surface, with its bright core."""
    d.begin_group(transform=f'translate({num(centre[0])},{num(centre[1])}) rotate({num(angle)})')
    fill = d.radial([(0, '#ffffff', strength), (0.5, '#ffffff', strength * 0.45), (1, '#ffffff', 0)],
                    (0, 0), 1.0)
    d.begin_group(transform=f'scale({num(rx)},{num(ry)})')
    d.circle((0, 0), 1.0, fill=fill, stroke='none')
    d.end_group()
    d.ellipse((-rx * 0.1, -ry * 0.1), rx * 0.32, ry * 0.3, fill='#ffffff', fill_opacity=min(1.0, strength),
              stroke='none')
    d.end_group()


def sparkle(d, centre, size, opacity=0.95, colour='#ffffff'):
    """A four-pointed star of light."""
    x, y = centre
    s, w = size, size * 0.16
    points = [(x, y - s), (x + w, y - w), (x + s, y), (x + w, y + w), (x, y + s), (x - w, y + w), (x - s, y),
              (x - w, y - w)]
    d.path('M' + ' L'.join(f'{num(px)},{num(py)}' for px, py in points) + 'Z', fill=colour,
           fill_opacity=opacity, stroke='none')
    d.circle(centre, size * 0.22, fill=colour, fill_opacity=opacity, stroke='none')


def box_of(points):
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return (min(xs), min(ys), max(xs), max(ys))


def shadow_under(d, points, depth=7.0):
    x0, _, x1, y1 = box_of(points)
    ground_shadow(d, (x0 + x1) / 2, y1 - depth * 0.2, (x1 - x0) / 2 * 0.92, depth)
