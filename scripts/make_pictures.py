#!/usr/bin/env python3
"""Draws every picture of the program as SVG under assets/pictures/.

    scripts/make_pictures.py           write the pictures
    scripts/make_pictures.py --check   report pictures that differ from what the generator draws

The stones come from one table of appearances (pictures/stones.py), so a stone looks the same
wherever it appears and one line changes it everywhere."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from pictures import catalogue  # noqa: E402

OUTPUT = pathlib.Path(__file__).resolve().parent.parent / 'assets' / 'pictures'


def main(arguments):
    check = '--check' in arguments
    stale = []
    for name, text in catalogue.all_pictures():
        path = OUTPUT / f'{name}.svg'
        if check:
            if not path.exists() or path.read_text(encoding='utf-8') != text:
                stale.append(name)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding='utf-8')
    if stale:
        print('Pictures that differ from the generator\'s drawing: ' + ', '.join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
