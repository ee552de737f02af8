"""Draws a stone of the appearance table, alone or placed inside a larger picture."""
from . import crystals, faceted, organic, polished
from .stones import BY_NAME
from .svg import Drawing, num

DRAWERS = {
    'round': faceted.brilliant, 'oval': faceted.brilliant, 'cushion': faceted.brilliant,
    'pear': faceted.brilliant, 'marquise': faceted.brilliant, 'trillion': faceted.brilliant,
    'emerald': faceted.step_cut, 'asscher': faceted.step_cut,
    'cabochon': polished.cabochon, 'tumbled': polished.tumbled,
    'cluster': crystals.cluster, 'point': crystals.single_point, 'tabular': crystals.tabular,
    'wand': crystals.wand, 'sphere': organic.sphere, 'branch': organic.branch,
}

SIDE = 120


def stone_picture(stone):
    d = Drawing(SIDE, SIDE, stone.name.replace('-', ' ').title())
    DRAWERS[stone.form](d, stone)
    return d.document()


def place_stone(d, name, centre, side):
    """Draws the named stone into d, its 120-unit picture scaled to `side` round `centre`."""
    stone = BY_NAME[name]
    k = side / SIDE
    d.begin_group(transform=f'translate({num(centre[0] - side / 2)},{num(centre[1] - side / 2)}) scale({num(k)})')
    DRAWERS[stone.form](d, stone)
    d.end_group()
