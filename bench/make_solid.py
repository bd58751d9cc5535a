#!/usr/bin/python3
"""Writes the large jobs that time solids and element values.

    bench/make_solid.py --hex DIR [N]        # N x N x N nodes (default 100) of hexahedra,
                                             # node values, a look like the fin example's
    bench/make_solid.py --elements DIR [N]   # N x N nodes (default 1000) of quadrilaterals,
                                             # one value per element, filled elements

Each folder gets its node, element and data files, a look file and a command-line file
(solid.dat or elements.dat) that writes solid.png or elements.png beside it. Time them with
    cd DIR && /usr/bin/time -v build/vellumplot-batch --size 800x600 solid.dat
Standard library only.
"""
import math
import os
import sys


def command_file(dimension, data_type, stem, image):
    return ("Dimension=%d\nPolarCoordinates=0\nRadianData=0\nDataType=%d\nDataNumber=0\n"
            "PointFile=%s-nodes.txt\nElementFile=%s-elements.txt\nDataFile=%s-values.txt\n"
            "ViewFile=%s.ini\nImageFile=%s\nAutoExit=1\n") % (dimension, data_type, stem, stem, stem, stem, image)


def write(path, text, newline="\n"):
    with open(path, "w", newline=newline) as f:
        f.write(text)


def hex_solid(folder, n):
    """An n x n x n block of hexahedra (bottom face first), temperature falling off a corner."""
    os.makedirs(folder, exist_ok=True)
    step = 1.0 / (n - 1)
    with open(os.path.join(folder, "solid-nodes.txt"), "w") as nf, \
            open(os.path.join(folder, "solid-values.txt"), "w") as df:
        for k in range(n):
            nl, dl = [], []
            for j in range(n):
                for i in range(n):
                    x, y, z = i * step, j * step, k * step
                    number = (k * n + j) * n + i + 1
                    nl.append("%d %.6f %.6f %.6f\n" % (number, x, y, z))
                    dl.append("%d %.6g\n" % (number, 100.0 * math.exp(-2.0 * math.sqrt(x * x + y * y + z * z))
                                             + 5.0 * math.sin(7.0 * x) * math.cos(5.0 * y)))
            nf.write("".join(nl))
            df.write("".join(dl))
    with open(os.path.join(folder, "solid-elements.txt"), "w") as ef:
        number = 1
        layer = n * n
        for k in range(n - 1):
            el = []
            for j in range(n - 1):
                for i in range(n - 1):
                    a = (k * n + j) * n + i + 1
                    bottom = (a, a + 1, a + n + 1, a + n)
                    top = tuple(v + layer for v in bottom)
                    el.append("%d %s\n" % (number, " ".join(str(v) for v in bottom + top)))
                    number += 1
            ef.write("".join(el))
    write(os.path.join(folder, "solid.ini"),
          "[VERSION]\r\nVERSION= 230\r\n[GRAPH]\r\nMODE= 0\r\nWIREMODE= 0\r\n"
          "[GRAPHPOSITION]\r\nDIGREE= 2100 1800 2130\r\n[COLOR]\r\nMODE= 16\r\n", newline="")
    write(os.path.join(folder, "solid.dat"), command_file(3, 0, "solid", "solid.png"))


def element_grid(folder, n):
    """An n x n node grid of quadrilaterals with one smooth value per element."""
    os.makedirs(folder, exist_ok=True)
    step = 1.0 / (n - 1)
    with open(os.path.join(folder, "elements-nodes.txt"), "w") as nf:
        for j in range(n):
            nf.write("".join("%d %.6f %.6f 0\n" % (j * n + i + 1, i * step, j * step) for i in range(n)))
    with open(os.path.join(folder, "elements-elements.txt"), "w") as ef, \
            open(os.path.join(folder, "elements-values.txt"), "w") as df:
        number = 1
        for j in range(n - 1):
            el, dl = [], []
            for i in range(n - 1):
                a = j * n + i + 1
                x, y = (i + 0.5) * step, (j + 0.5) * step
                el.append("%d %d %d %d %d\n" % (number, a, a + 1, a + n + 1, a + n))
                dl.append("%d %.6g\n" % (number, math.sin(6.0 * x) * math.cos(4.0 * y) + x * y))
                number += 1
            ef.write("".join(el))
            df.write("".join(dl))
    write(os.path.join(folder, "elements.ini"),
          "[VERSION]\r\nVERSION= 230\r\n[GRAPH]\r\nMODE= 0\r\nWIREMODE= 0\r\nDIM= 0\r\n", newline="")
    write(os.path.join(folder, "elements.dat"), command_file(2, 1, "elements", "elements.png"))


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "--hex":
        hex_solid(sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 100)
    elif len(sys.argv) >= 3 and sys.argv[1] == "--elements":
        element_grid(sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 1000)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
