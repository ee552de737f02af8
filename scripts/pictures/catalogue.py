"""Every picture the program shows, by resource name, and the drawer of each."""
from . import faceted, polished
from .stones import STONES
from .svg import Drawing

STONE_DRAWERS = {
    'round': faceted.brilliant, 'oval': faceted.brilliant, 'cushion': faceted.brilliant,
    'pear': faceted.brilliant, 'marquise': faceted.brilliant, 'trillion': faceted.brilliant,
    'emerald': faceted.step_cut, 'asscher': faceted.step_cut,
    'cabochon': polished.cabochon, 'tumbled': polished.tumbled,
}


def stone_picture(stone):
    d = Drawing(120, 120, stone.name.replace('-', ' ').title())
    STONE_DRAWERS[stone.form](d, stone)
    return d.document()


def all_pictures():
    """(resource name, SVG text) of every picture, in a fixed order."""
    for stone in STONES:
        if stone.form in STONE_DRAWERS:
            yield f'stones/{stone.name}', stone_picture(stone)
