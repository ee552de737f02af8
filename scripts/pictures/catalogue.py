"""Every picture the program shows, by resource name."""
from . import crystal_ball, shell_art, signs
from .stone_drawing import stone_picture
from .stones import STONES


def all_pictures():
    """(resource name, SVG text) of every picture, in a fixed order."""
    for stone in STONES:
        yield f'stones/{stone.name}', stone_picture(stone)
    yield from signs.all_signs()
    yield from crystal_ball.all_pictures()
    yield from shell_art.all_art()
