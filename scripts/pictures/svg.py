"""A small SVG Tiny 1.2 writer: one drawing, its gradients and its shapes."""

NOTICE = ('Drawn by scripts/make_pictures.py from its table of stone appearances. '
          'Generated file: do not edit by hand; change the generator and run it again.')


def num(value):
    text = f'{value:.2f}'.rstrip('0').rstrip('.')
    return '0' if text == '-0' else text


def polygon_path(points):
    return 'M' + ' L'.join(f'{num(x)},{num(y)}' for x, y in points) + 'Z'


def polyline_path(points):
    return 'M' + ' L'.join(f'{num(x)},{num(y)}' for x, y in points)


def _attributes(attributes):
    parts = []
    for name, value in attributes.items():
        if value is None:
            continue
        if isinstance(value, float):
            value = num(value)
        parts.append(f'{name.rstrip("_").replace("_", "-")}="{value}"')
    return ' '.join(parts)


class Drawing:
    """One SVG document under construction. Shapes take SVG attributes as keyword arguments,
    with '-' written as '_' (stroke_width=1.5)."""

    def __init__(self, width, height, title):
        self.width, self.height, self.title = width, height, title
        self.defs, self.body = [], []
        self._next_id = 0

    def _id(self, prefix):
        self._next_id += 1
        return f'{prefix}{self._next_id}'

    @staticmethod
    def _stops(stops):
        lines = []
        for stop in stops:
            offset, colour, opacity = (stop + (1.0,))[:3]
            extra = f' stop-opacity="{num(opacity)}"' if opacity < 1 else ''
            lines.append(f'<stop offset="{num(offset)}" stop-color="{colour}"{extra}/>')
        return ''.join(lines)

    def linear(self, stops, start, end):
        """A linear gradient in drawing coordinates; stops are (offset, colour[, opacity])."""
        ident = self._id('l')
        self.defs.append(
            f'<linearGradient id="{ident}" gradientUnits="userSpaceOnUse" x1="{num(start[0])}" '
            f'y1="{num(start[1])}" x2="{num(end[0])}" y2="{num(end[1])}">{self._stops(stops)}</linearGradient>')
        return f'url(#{ident})'

    def radial(self, stops, centre, radius, focus=None):
        """A radial gradient in drawing coordinates, optionally with its focus moved."""
        ident = self._id('r')
        fx, fy = focus or centre
        self.defs.append(
            f'<radialGradient id="{ident}" gradientUnits="userSpaceOnUse" cx="{num(centre[0])}" '
            f'cy="{num(centre[1])}" r="{num(radius)}" fx="{num(fx)}" fy="{num(fy)}">'
            f'{self._stops(stops)}</radialGradient>')
        return f'url(#{ident})'

    def element(self, tag, **attributes):
        self.body.append(f'<{tag} {_attributes(attributes)}/>')

    def path(self, d, **attributes):
        self.element('path', d=d, **attributes)

    def polygon(self, points, **attributes):
        self.element('path', d=polygon_path(points), **attributes)

    def polyline(self, points, **attributes):
        self.element('path', d=polyline_path(points), fill='none', **attributes)

    def circle(self, centre, radius, **attributes):
        self.element('circle', cx=float(centre[0]), cy=float(centre[1]), r=float(radius), **attributes)

    def ellipse(self, centre, rx, ry, **attributes):
        self.element('ellipse', cx=float(centre[0]), cy=float(centre[1]), rx=float(rx), ry=float(ry),
                     **attributes)

    def text(self, content, x, y, **attributes):
        self.body.append(f'<text {_attributes(dict(x=float(x), y=float(y), **attributes))}>{content}</text>')

    def begin_group(self, **attributes):
        self.body.append(f'<g {_attributes(attributes)}>')

    def end_group(self):
        self.body.append('</g>')

    def document(self):
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">')
        parts = ['<?xml version="1.0" encoding="UTF-8"?>', f'<!-- {NOTICE} -->', head,
                 f'<title>{self.title}</title>']
        if self.defs:
            parts.append('<defs>')
            parts.extend(self.defs)
            parts.append('</defs>')
        parts.extend(self.body)
        parts.append('</svg>')
        return '\n'.join(parts) + '\n'
