"""The appearance of every stone in the picture set, one line each. The drawing named here
('stones/<name>') is the one every catalogue uses for that stone.

form    how the stone is shown: a brilliant cut (round, oval, cushion, pear, marquise,
        trillion), a step cut (emerald, asscher), a cabochon, a tumbled stone, a raw crystal
        (point, cluster, tabular, wand), a sphere or a branch
colours (deep, body, light) of the stone
effect  what plays on or in it (fire, play-of-colour, eye, sheen, matrix, speckle, bands, ...)
"""
from collections import namedtuple

Stone = namedtuple('Stone', 'name form colours effect')

STONES = [
    # Faceted gems.
    Stone('diamond', 'round', ('#55647a', '#b7c4d3', '#f0f5fb'), 'fire'),
    Stone('ruby', 'cushion', ('#4e0010', '#c00a28', '#ff3c54'), ''),
    Stone('sapphire', 'oval', ('#081858', '#1c3fb2', '#6e9cff'), ''),
    Stone('yellow-sapphire', 'oval', ('#806c00', '#f2d40c', '#fff5a0'), ''),
    Stone('emerald', 'emerald', ('#023b20', '#0d8a4a', '#5fe39a'), ''),
    Stone('peridot', 'trillion', ('#46660a', '#92c21e', '#e2f77c'), ''),
    Stone('garnet', 'round', ('#220106', '#6a0c1a', '#b8283a'), ''),
    Stone('hessonite', 'cushion', ('#5e2404', '#bb5a18', '#f6a85a'), ''),
    Stone('aquamarine', 'pear', ('#2a7d99', '#7ccde2', '#d8f7ff'), ''),
    Stone('yellow-topaz', 'marquise', ('#9a5200', '#f2a21e', '#ffd88a'), ''),
    Stone('topaz', 'emerald', ('#7a2c12', '#e0783e', '#ffc59c'), ''),
    Stone('blue-zircon', 'asscher', ('#035468', '#10a3c6', '#8ef0ff'), 'fire'),
    # Cabochons with their light effects.
    Stone('opal', 'cabochon', ('#7f98b8', '#dfe8f4', '#ffffff'), 'play-of-colour'),
    Stone('cats-eye', 'cabochon', ('#5e4304', '#c39a1a', '#ffe37a'), 'eye'),
    Stone('moonstone', 'cabochon', ('#98a0ae', '#e6e8ec', '#ffffff'), 'sheen'),
    Stone('turquoise', 'cabochon', ('#15767a', '#3ebdc1', '#a8f0ec'), 'matrix'),
    # Tumbled stones and their textures.
    Stone('red-jasper', 'tumbled', ('#541208', '#9c2b18', '#cc5a40'), 'speckle'),
    Stone('jasper', 'tumbled', ('#4a2410', '#9a5230', '#e2b27c'), 'bands'),
    Stone('green-aventurine', 'tumbled', ('#0f4a25', '#2e8a4a', '#90daa2'), 'sparkle'),
    Stone('sodalite', 'tumbled', ('#0c1d5a', '#2942a6', '#7a92e0'), 'veins'),
    Stone('hematite', 'tumbled', ('#15171b', '#474c55', '#d0d5dc'), 'metallic'),
    Stone('tiger-eye', 'tumbled', ('#3a1d05', '#98581a', '#f4c35c'), 'silk-bands'),
    Stone('rose-quartz', 'tumbled', ('#b05a78', '#f1a7be', '#ffe4ec'), 'glow'),
    Stone('carnelian', 'tumbled', ('#7a1e05', '#d8521a', '#ffa066'), 'glow'),
    Stone('jade', 'tumbled', ('#145a2c', '#3a9a5c', '#b4ecc2'), 'clouds'),
    Stone('bloodstone', 'tumbled', ('#0b2118', '#1f4a35', '#508a6a'), 'spots'),
    Stone('goldstone', 'tumbled', ('#34140a', '#7a3216', '#d0783a'), 'glitter'),
    Stone('malachite', 'tumbled', ('#033a22', '#0a7a45', '#5fd49a'), 'rings'),
    Stone('lapis-lazuli', 'tumbled', ('#0a1550', '#1f35a0', '#5a78e0'), 'flecks'),
    Stone('chrysocolla', 'tumbled', ('#0b4a5a', '#1f9aa8', '#86e0c4'), 'mottling'),
    # Raw crystals.
    Stone('quartz', 'cluster', ('#6d7f98', '#d3deeb', '#ffffff'), 'clear'),
    Stone('amethyst', 'cluster', ('#2a0648', '#6a24a6', '#b880f2'), 'druse'),
    Stone('citrine', 'point', ('#8a3c02', '#ec9418', '#ffdc7a'), 'clear'),
    Stone('celestite', 'tabular', ('#587ea8', '#a9c9ee', '#eef6ff'), 'geode'),
    Stone('azurite', 'tabular', ('#050f44', '#1a3aa8', '#5f8ff2'), 'blocky'),
    Stone('selenite', 'wand', ('#958b84', '#ebe5dd', '#ffffff'), 'satin'),
    # Organic gems.
    Stone('pearl', 'sphere', ('#b09a8a', '#f8eee2', '#ffffff'), 'orient'),
    Stone('coral', 'branch', ('#78140c', '#de432d', '#ff9c82'), ''),
]

BY_NAME = {stone.name: stone for stone in STONES}
