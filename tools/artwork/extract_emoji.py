#!/usr/bin/env python3
"""Copies the Fluent Emoji Flat drawings that the artwork uses out of the npm package's icon set
into one SVG file each, so that the generator runs without npm.

    npm install --prefix /tmp/art-npm @iconify-json/fluent-emoji-flat
    tools/artwork/extract_emoji.py /tmp/art-npm/node_modules/@iconify-json/fluent-emoji-flat
"""
import json
import pathlib
import sys

WANTED = """
lion tiger snake crocodile wolf fox bear leopard dog cat mouse rabbit rabbit-face
dove chicken rooster eagle goat ewe deer ram camel horse donkey cow ox pig monkey
giraffe elephant frog turtle hedgehog fish tropical-fish duck baby-chick hatching-chick
front-facing-baby-chick speech-balloon open-book
deciduous-tree evergreen-tree palm-tree sheaf-of-rice sun-with-face cloud
""".split()


def main(package_dir: str) -> None:
    icon_set = json.loads((pathlib.Path(package_dir) / "icons.json").read_text())
    size = icon_set.get("width", 16), icon_set.get("height", 16)
    out_dir = pathlib.Path(__file__).resolve().parent / "emoji"
    out_dir.mkdir(exist_ok=True)
    for name in WANTED:
        icon = icon_set["icons"][name]
        width, height = icon.get("width", size[0]), icon.get("height", size[1])
        svg = (f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {width} {height}">'
               f'{icon["body"]}</svg>\n')
        (out_dir / f"{name}.svg").write_text(svg)


if __name__ == "__main__":
    main(sys.argv[1])
