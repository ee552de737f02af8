"""The twelve zodiac signs: the sign's glyph on a medallion coloured by its element, with the
sign's name on a ribbon below."""
import random

from . import look
from .colour import darker, lighter
from .svg import Drawing, num

ELEMENTS = {
    # (deep, body, light) of the medallion
    'fire': ('#7e1a08', '#d9501c', '#ffb35c'),
    'earth': ('#2b4510', '#5f8a26', '#cfe08a'),
    'air': ('#3b2d7a', '#7d69cf', '#ddd4ff'),
    'water': ('#0a3a66', '#1c78ba', '#9fe0ff'),
}

# Glyphs drawn as strokes in a 100 x 100 box.
GLYPHS = {
    'aries': ['M50,86 L50,46 C50,22 38,14 28,16 C16,18 14,34 24,40',
              'M50,46 C50,22 62,14 72,16 C84,18 86,34 76,40'],
    'taurus': ['M22,18 C26,38 38,44 50,44 C62,44 74,38 78,18', 'M50,44 m-20,20 a20,20 0 1,0 40,0 a20,20 0 1,0 -40,0'],
    'gemini': ['M22,18 C38,28 62,28 78,18', 'M22,84 C38,74 62,74 78,84', 'M39,25 L39,77', 'M61,25 L61,77'],
    'cancer': ['M78,34 C68,22 40,18 24,34', 'M32,40 m-10,0 a10,10 0 1,0 20,0 a10,10 0 1,0 -20,0',
               'M22,66 C32,80 60,84 76,68', 'M68,62 m-10,0 a10,10 0 1,0 20,0 a10,10 0 1,0 -20,0'],
    'leo': ['M32,64 m-11,0 a11,11 0 1,0 22,0 a11,11 0 1,0 -22,0',
            'M43,64 C36,44 34,20 56,18 C76,16 78,40 68,52 C58,64 56,78 66,84 C72,88 80,84 82,78'],
    'virgo': ['M16,26 C22,24 24,30 24,36 L24,78', 'M24,38 C24,22 42,22 42,36 L42,78',
              'M42,38 C42,22 60,22 60,36 L60,64 C60,88 88,86 87,64 C86,50 70,48 64,58 C58,68 56,80 50,90'],
    'libra': ['M18,80 L82,80', 'M18,64 L36,64 C26,56 28,32 50,32 C72,32 74,56 64,64 L82,64'],
    'scorpio': ['M16,26 C22,24 24,30 24,36 L24,78', 'M24,38 C24,22 42,22 42,36 L42,78',
                'M42,38 C42,22 60,22 60,36 L60,72 C60,80 66,82 72,80 L84,72', 'M76,68 L85,71 L82,80'],
    'sagittarius': ['M20,82 L80,22', 'M52,22 L80,22 L80,50', 'M32,48 L54,70'],
    'capricorn': ['M16,28 C24,24 28,30 30,38 L38,74 L46,36 C50,24 62,24 62,38 L62,64 C62,78 76,82 82,72 '
                  'C88,62 78,54 70,58 C62,62 62,76 54,86'],
    'aquarius': ['M16,44 L29,32 L42,44 L55,32 L68,44 L81,32', 'M16,68 L29,56 L42,68 L55,56 L68,68 L81,56'],
    'pisces': ['M26,16 C46,32 46,68 26,84', 'M74,16 C54,32 54,68 74,84', 'M30,50 L70,50'],
}

# Sign, element and name, in zodiac order.
SIGNS = [
    ('aries', 'fire', 'Aries'), ('taurus', 'earth', 'Taurus'), ('gemini', 'air', 'Gemini'),
    ('cancer', 'water', 'Cancer'), ('leo', 'fire', 'Leo'), ('virgo', 'earth', 'Virgo'),
    ('libra', 'air', 'Libra'), ('scorpio', 'water', 'Scorpio'), ('sagittarius', 'fire', 'Sagittarius'),
    ('capricorn', 'earth', 'Capricorn'), ('aquarius', 'air', 'Aquarius'), ('pisces', 'water', 'Pisces'),
]

FONT = 'DejaVu Sans, Verdana, Arial, sans-serif'
GOLD = ('#8a5a10', '#d9a531', '#fff1b8')
INK = '#fff8e8'


def _ribbon(d, deep, top, bottom):
    middle = (top + bottom) / 2
    for side in (-1, 1):
        tail = [(60 + side * 38, top + 4), (60 + side * 54, top + 4), (60 + side * 48, middle + 4),
                (60 + side * 54, bottom + 4), (60 + side * 38, bottom + 4)]
        d.polygon(tail, fill=darker(deep, 0.25), stroke=GOLD[0], stroke_width=0.8, stroke_linejoin='round')
    band = [(14, top), (106, top), (106, bottom), (14, bottom)]
    fill = d.linear([(0, lighter(deep, 0.25)), (1, darker(deep, 0.15))], (0, top), (0, bottom))
    d.polygon(band, fill=fill, stroke=GOLD[1], stroke_width=1.1, stroke_linejoin='round')


def medallion(sign, element, name):
    d = Drawing(120, 120, name)
    deep, body, light = ELEMENTS[element]
    rng = random.Random(sign)
    centre, outer, inner = (60.0, 52.0), 45.0, 38.5
    look.ground_shadow(d, 60, 104, 42, 6)
    d.circle(centre, outer, fill='none', stroke='#ffffff', stroke_opacity=0.45, stroke_width=look.RIM_WIDTH)
    ring = d.linear([(0, GOLD[2]), (0.45, GOLD[1]), (1, GOLD[0])], (20, 10), (100, 98))
    d.circle(centre, outer, fill=ring, stroke=darker(GOLD[0], 0.35), stroke_width=look.OUTLINE_WIDTH)
    disc = d.radial([(0, light), (0.5, body), (1, deep)], (52, 42), inner * 1.25, focus=(44, 32))
    bevel = d.linear([(0, GOLD[0]), (1, GOLD[2])], (30, 20), (90, 86))
    d.circle(centre, inner + 1.2, fill=bevel, stroke='none')
    d.circle(centre, inner, fill=disc, stroke='none')
    for _ in range(16):
        x, y = rng.uniform(26, 94), rng.uniform(18, 86)
        if (x - centre[0]) ** 2 + (y - centre[1]) ** 2 < (inner - 4) ** 2:
            d.circle((x, y), rng.uniform(0.4, 1.0), fill='#ffffff', fill_opacity=rng.uniform(0.35, 0.8), stroke='none')
    look.sparkle(d, (38, 30), 3.2, 0.7)
    glyph = f'translate({num(centre[0] - 25)},{num(centre[1] - 27)}) scale(0.5)'
    for transform, colour, width, opacity in ((f'translate(1.2,1.6) {glyph}', darker(deep, 0.5), 11, 0.55),
                                              (glyph, INK, 9, 1.0)):
        d.begin_group(transform=transform)
        for stroke in GLYPHS[sign]:
            d.path(stroke, fill='none', stroke=colour, stroke_width=width, stroke_opacity=opacity,
                   stroke_linecap='round', stroke_linejoin='round')
        d.end_group()
    _ribbon(d, deep, 86, 104)
    d.text(name, 60, 99.2, fill=INK, font_family=FONT, font_size=11.5, font_weight='bold', text_anchor='middle')
    return d.document()


def all_signs():
    for sign, element, name in SIGNS:
        yield f'signs/{sign}', medallion(sign, element, name)
