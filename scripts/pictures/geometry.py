"""Plane geometry for the drawings: outlines, convex clipping, seeded shapes."""
import math


def polar(cx, cy, radius, angle):
    return (cx + radius * math.cos(angle), cy + radius * math.sin(angle))


def lerp(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


def centroid(points):
    return (sum(p[0] for p in points) / len(points), sum(p[1] for p in points) / len(points))


def unit(dx, dy):
    length = math.hypot(dx, dy) or 1.0
    return (dx / length, dy / length)


def rotate(points, angle, centre):
    c, s = math.cos(angle), math.sin(angle)
    cx, cy = centre
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def _cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def convex_hull(points):
    pts = sorted(set(points))
    if len(pts) < 3:
        return pts
    lower, upper = [], []
    for p in pts:
        while len(lower) >= 2 and _cross(lower[-2], lower[-1], p) <= 0:
            lower.pop()
        lower.append(p)
    for p in reversed(pts):
        while len(upper) >= 2 and _cross(upper[-2], upper[-1], p) <= 0:
            upper.pop()
        upper.append(p)
    return lower[:-1] + upper[:-1]


def _orientation(polygon):
    area = sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(polygon, polygon[1:] + polygon[:1]))
    return 1.0 if area > 0 else -1.0


def inside(point, convex):
    sign = _orientation(convex)
    return all(sign * _cross(a, b, point) >= 0 for a, b in zip(convex, convex[1:] + convex[:1]))


def clip(subject, convex):
    """The part of polygon `subject` inside the convex polygon `convex` (Sutherland-Hodgman)."""
    sign = _orientation(convex)
    output = list(subject)
    for a, b in zip(convex, convex[1:] + convex[:1]):
        if not output:
            break
        source, output = output, []

        def keeps(p):
            return sign * _cross(a, b, p) >= 0

        def crossing(p, q):
            dp, dq = _cross(a, b, p), _cross(a, b, q)
            return lerp(p, q, dp / (dp - dq))

        for p, q in zip(source[-1:] + source[:-1], source):
            if keeps(q):
                if not keeps(p):
                    output.append(crossing(p, q))
                output.append(q)
            elif keeps(p):
                output.append(crossing(p, q))
    return output


def clip_line(points, convex):
    """The runs of a polyline that lie inside a convex polygon, cut where they leave it."""
    runs, run = [], []
    for p, q in zip(points, points[1:]):
        piece = _clip_segment(p, q, convex)
        if piece is None:
            if len(run) > 1:
                runs.append(run)
            run = []
            continue
        start, end = piece
        if not run or run[-1] != start:
            if len(run) > 1:
                runs.append(run)
            run = [start]
        run.append(end)
        if end != q:
            runs.append(run)
            run = []
    if len(run) > 1:
        runs.append(run)
    return runs


def _clip_segment(p, q, convex):
    sign = _orientation(convex)
    t0, t1 = 0.0, 1.0
    for a, b in zip(convex, convex[1:] + convex[:1]):
        dp, dq = sign * _cross(a, b, p), sign * _cross(a, b, q)
        if dp < 0 and dq < 0:
            return None
        if dp < 0:
            t0 = max(t0, dp / (dp - dq))
        elif dq < 0:
            t1 = min(t1, dp / (dp - dq))
    if t0 >= t1:
        return None
    return (lerp(p, q, t0) if t0 > 0 else p, lerp(p, q, t1) if t1 < 1 else q)


def inset(convex, amount):
    """A convex outline shrunk towards its centre by about `amount`."""
    cx, cy = centroid(convex)
    result = []
    for x, y in convex:
        d = math.hypot(x - cx, y - cy) or 1.0
        k = max(0.0, (d - amount) / d)
        result.append((cx + (x - cx) * k, cy + (y - cy) * k))
    return result


def ellipse_outline(cx, cy, rx, ry, count=120):
    return [(cx + rx * math.cos(2 * math.pi * i / count), cy + ry * math.sin(2 * math.pi * i / count))
            for i in range(count)]


def pebble_outline(rng, cx, cy, rx, ry, tilt, count=160):
    """A smooth, convex, slightly irregular outline: the shape of a tumbled stone."""
    waves = [(k, rng.uniform(0.02, 0.06) / (k - 1), rng.uniform(0, 2 * math.pi)) for k in (2, 3, 4)]
    points = []
    for i in range(count):
        a = 2 * math.pi * i / count
        r = 1 + sum(amplitude * math.cos(k * a + phase) for k, amplitude, phase in waves)
        points.append((cx + rx * r * math.cos(a), cy + ry * r * math.sin(a)))
    return convex_hull(rotate(points, tilt, (cx, cy)))


def wavy_line(rng, start, end, waves=2, amplitude=3.0, steps=40):
    """A gently wavy line from start to end, sampled as a polyline."""
    (x0, y0), (x1, y1) = start, end
    nx, ny = unit(-(y1 - y0), x1 - x0)
    terms = [(rng.uniform(0.6, 1.4) * amplitude / (n + 1), n + 1, rng.uniform(0, 2 * math.pi))
             for n in range(waves)]
    points = []
    for i in range(steps + 1):
        t = i / steps
        offset = sum(a * math.sin(math.pi * k * t * 2 + phase) for a, k, phase in terms)
        points.append((x0 + (x1 - x0) * t + nx * offset, y0 + (y1 - y0) * t + ny * offset))
    return points


def blob(rng, centre, radius, lumpiness=0.35, count=22):
    """A small, smooth, irregular patch round a centre."""
    cx, cy = centre
    waves = [(k, rng.uniform(0, lumpiness) / k ** 0.7, rng.uniform(0, 2 * math.pi)) for k in (2, 3, 4, 5)]
    points = []
    for i in range(count):
        a = 2 * math.pi * i / count
        r = radius * (1 + sum(amplitude * math.cos(k * a + phase) for k, amplitude, phase in waves))
        points.append(polar(cx, cy, max(r, radius * 0.2), a))
    return points


def random_inside(rng, convex, margin=0.0):
    """A random point inside a convex outline, at least about `margin` from its edge."""
    shrunk = inset(convex, margin)
    x0, y0 = min(p[0] for p in shrunk), min(p[1] for p in shrunk)
    x1, y1 = max(p[0] for p in shrunk), max(p[1] for p in shrunk)
    while True:
        point = (rng.uniform(x0, x1), rng.uniform(y0, y1))
        if inside(point, shrunk):
            return point


def ribbon(line, widths):
    """A band of varying width along a polyline, as a closed outline."""
    left, right = [], []
    for i, (x, y) in enumerate(line):
        (px, py), (qx, qy) = line[max(i - 1, 0)], line[min(i + 1, len(line) - 1)]
        nx, ny = unit(-(qy - py), qx - px)
        w = widths[i] / 2
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return left + right[::-1]


def below(line, depth=200.0):
    """The region on the right-hand side of a polyline running left to right (below it)."""
    (x0, y0), (x1, y1) = line[0], line[-1]
    nx, ny = unit(-(y1 - y0), x1 - x0)
    return line + [(x1 + nx * depth, y1 + ny * depth), (x0 + nx * depth, y0 + ny * depth)]
