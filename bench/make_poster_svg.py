#!/usr/bin/env python3
"""Writes an SVG of the same shapes as the poster sample (1800 x 1500, 64 objects):
the sky, the sun with its glow, hills, badges with Gaussian drop shadows, a ring of
stars, pebbles, a lens disc, a flare disc and two lines of text. Used to time other
renderers against ours on the same picture."""
import math
import sys


def star(cx, cy, r_out, r_in, points):
    pts = []
    for k in range(2 * points):
        r = r_out if k % 2 == 0 else r_in
        a = math.pi * k / points - math.pi / 2
        pts.append(f"{cx + r * math.cos(a):.1f},{cy + r * math.sin(a):.1f}")
    return " ".join(pts)


def main(path):
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="1800" height="1500" viewBox="0 0 1800 1500">',
           '<defs>',
           '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#f8bc78"/><stop offset="1" stop-color="#285ac8"/></linearGradient>',
           '<filter id="shadow" x="-20%" y="-20%" width="140%" height="140%">'
           '<feGaussianBlur in="SourceAlpha" stdDeviation="8"/><feOffset dx="7" dy="7" result="b"/>'
           '<feMerge><feMergeNode in="b"/><feMergeNode in="SourceGraphic"/></feMerge></filter>',
           '<filter id="glow" x="-30%" y="-30%" width="160%" height="160%">'
           '<feGaussianBlur in="SourceGraphic" stdDeviation="30" result="g"/>'
           '<feMerge><feMergeNode in="g"/><feMergeNode in="SourceGraphic"/></feMerge></filter>',
           '</defs>',
           '<rect x="0" y="0" width="1800" height="1000" fill="url(#sky)"/>',
           '<circle cx="1450" cy="270" r="150" fill="#ffdc50" filter="url(#glow)"/>']
    for i in range(4):
        out.append(f'<ellipse cx="{200 + 500 * i}" cy="{1350 + 30 * i}" rx="500" ry="{550 - 30 * i}" '
                   f'fill="rgb({40 + 30 * i},{120 + 20 * i},60)"/>')
    for i in range(16):
        x, y = 80 + (i % 8) * 210, 1040 + (i // 8) * 210
        out.append(f'<rect x="{x}" y="{y}" width="170" height="170" rx="40" '
                   f'fill="rgb({200 - 8 * i},{60 + 10 * i},{120 + 6 * i})" filter="url(#shadow)"/>')
    for i in range(30):
        a = i * 2 * math.pi / 30
        cx, cy = 700 + 520 * math.cos(a), 520 + 360 * math.sin(a)
        extra = ' filter="url(#glow)"' if i % 2 else ''
        out.append(f'<polygon points="{star(cx, cy, 40, 17, 5)}" fill="rgb(255,{255 - 5 * i},{120 + 5 * i})"{extra}/>')
    for i in range(10):
        out.append(f'<ellipse cx="{190 + 200 * i}" cy="930" rx="70" ry="50" fill="rgb({30 * i % 255},90,200)" '
                   'filter="url(#shadow)"/>')
    out.append('<circle cx="350" cy="350" r="150" fill="#ffffff" fill-opacity="0.3"/>')
    out.append('<circle cx="1450" cy="270" r="100" fill="#ffe6b4" fill-opacity="0.6"/>')
    out.append('<text x="420" y="140" font-family="Liberation Sans" font-size="110" fill="#fff">Tessel Poster</text>')
    out.append('<text x="440" y="220" font-family="Liberation Sans" font-size="48" fill="#faf0dc">'
               'vector shapes, bitmaps and 3D effects</text>')
    out.append('</svg>')
    with open(path, "w") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "poster.svg")
