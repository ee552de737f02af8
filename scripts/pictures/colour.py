"""Colour arithmetic on '#rrggbb' strings."""


def _rgb(colour):
    colour = colour.lstrip('#')
    return tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))


def _hex(rgb):
    return '#' + ''.join(f'{max(0, min(255, round(c))):02x}' for c in rgb)


def mix(a, b, amount):
    """The colour `amount` (0..1) of the way from a to b."""
    ra, rb = _rgb(a), _rgb(b)
    return _hex(x + (y - x) * amount for x, y in zip(ra, rb))


def lighter(colour, amount):
    return mix(colour, '#ffffff', amount)


def darker(colour, amount):
    return mix(colour, '#000000', amount)


def ramp(stops, t):
    """The colour at t (0..1) along evenly spaced colour stops."""
    t = max(0.0, min(1.0, t))
    span = t * (len(stops) - 1)
    index = min(int(span), len(stops) - 2)
    return mix(stops[index], stops[index + 1], span - index)
