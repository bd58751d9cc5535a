#!/usr/bin/env python3
"""Writes the example data sets under examples/ (run from anywhere).

Every example is a small, closed-form engineering result so that the pictures can be
checked by eye: a simply supported plate under pressure, a cantilever beam, potential
flow round a cylinder, a cooling fin, a rotating disc and a tube as an STL surface.

    python3 examples/generate.py            # rewrites the committed examples
    python3 examples/generate.py --grid DIR [N]
        # writes an N x N grid (default 1000) with node values and a look file for timing
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def write(path, text, encoding="cp932", newline="\n"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding=encoding, newline=newline) as f:
        f.write(text)


def look_file(sections):
    """A view settings file: all nine section headers, the given key lines, CP932, CRLF."""
    order = ["VERSION", "GRAPH", "GRAPH2", "GRAPHPOSITION", "COLOR", "GRID", "HANREI", "ZAHYO", "LABEL"]
    lines = []
    for name in order:
        lines.append("[%s]" % name)
        if name == "VERSION":
            lines.append("VERSION= 230")
        for key, value in sections.get(name, []):
            lines.append("%s= %s" % (key, value))
    return "\r\n".join(lines) + "\r\n"


def command_file(dimension, data_type, data_number, point, element, data, view, image,
                 polar=0, radians=0):
    return ("Dimension=%d\nPolarCoordinates=%d\nRadianData=%d\nDataType=%d\nDataNumber=%s\n"
            "PointFile=%s\nElementFile=%s\nDataFile=%s\nViewFile=%s\n"
            "//イメージファイル出力用\nImageFile=%s\nAutoExit=1\n") % (
        dimension, polar, radians, data_type, data_number, point, element, data, view, image)


def grid_nodes(xs, ys, z=lambda x, y: 0.0):
    """Node lines numbered row by row (number = j * len(xs) + i + 1)."""
    out = []
    for j, y in enumerate(ys):
        for i, x in enumerate(xs):
            out.append("%d\t%.6g\t%.6g\t%.6g" % (j * len(xs) + i + 1, x, y, z(x, y)))
    return "\n".join(out) + "\n"


def grid_quads(nx, ny):
    out = []
    number = 1
    for j in range(ny - 1):
        for i in range(nx - 1):
            n1 = j * nx + i + 1
            out.append("%d\t%d\t%d\t%d\t%d" % (number, n1, n1 + 1, n1 + nx + 1, n1 + nx))
            number += 1
    return "\n".join(out) + "\n"


# --- plate: simply supported rectangular plate under uniform pressure (Navier series) ---
def plate():
    a, b = 2.0, 1.0                      # m
    E, t, nu, q = 205e9, 0.012, 0.3, 20e3  # Pa, m, -, Pa
    D = E * t ** 3 / (12 * (1 - nu ** 2))
    nx, ny = 41, 21
    xs = [a * i / (nx - 1) for i in range(nx)]
    ys = [b * j / (ny - 1) for j in range(ny)]
    terms = [(m, n) for m in range(1, 30, 2) for n in range(1, 30, 2)]

    def fields(x, y):
        w = mx = my = 0.0
        for m, n in terms:
            am, bn = m * math.pi / a, n * math.pi / b
            c = 16 * q / (math.pi ** 2 * m * n * (am ** 2 + bn ** 2) ** 2 * D)
            s = math.sin(am * x) * math.sin(bn * y)
            w += c * s
            mx += c * D * (am ** 2 + nu * bn ** 2) * s
            my += c * D * (bn ** 2 + nu * am ** 2) * s
        return w * 1000.0, mx / 1000.0, my / 1000.0  # mm, kN m/m

    rows = []
    for j, y in enumerate(ys):
        for i, x in enumerate(xs):
            w, mx, my = fields(x, y)
            rows.append("%d\t%.6g\t%.6g\t%.6g" % (j * nx + i + 1, w, mx, my))
    d = os.path.join(HERE, "plate")
    write(os.path.join(d, "nodes.txt"), grid_nodes(xs, ys))
    write(os.path.join(d, "elements.txt"), grid_quads(nx, ny))
    write(os.path.join(d, "deflection.txt"), "\n".join(rows) + "\n")
    write(os.path.join(d, "plate.ini"), look_file({
        "GRAPH": [("MODE", 0), ("DIM", 2), ("WIREMODE", 2), ("WIRECOLOR", "60 60 60")],
        "GRAPHPOSITION": [("DIGREE", "2100 1800 2130"), ("SCALE123", "0.900000"),
                          ("SCALE", "1.000000 1.000000 0.500000")],
        "HANREI": [("ON", "1 0"), ("STYLE", 2), ("SHO", 2), ("NUM", 9)],
        "LABEL": [("TITLE", "Deflection[mm]")],
    }), newline="")
    write(os.path.join(d, "plate.dat"), command_file(
        2, 0, "0", "nodes.txt", "elements.txt", "deflection.txt", "plate.ini", "plate.png"))
    # The same job with the automatic mesh: no element file.
    write(os.path.join(d, "plate-automesh.dat"), command_file(
        2, 0, "0", "nodes.txt", "", "deflection.txt", "plate.ini", "plate-automesh.png"))


# --- Japanese title and labels on the plate's bending moment ---
def japanese():
    d = os.path.join(HERE, "japanese")
    write(os.path.join(d, "moment.ini"), look_file({
        "GRAPH": [("MODE", 1), ("CONT", 1), ("CONTNUM", 12), ("DIM", 0), ("WIREMODE", 0)],
        "GRAPHPOSITION": [("SCALE123", "0.900000")],
        "COLOR": [("MODE", 14)],
        "GRID": [("VAL", "1 1 0"), ("VALSHO", "2 2 2"),
                 # the axis-2 values stand left of the plate, clear of its face
                 ("POS2", "-0.080000 0.000000 0.000000")],
        "HANREI": [("ON", "1 0"), ("STYLE", 2), ("SHO", 2)],
        "ZAHYO": [("VAL", "Ｘ Ｙ Ｚ")],
        "LABEL": [("TITLE", "平板の曲げモーメント分布[kNm/m]"), ("TITLEPOS", "-0.300000 0.000000"),
                  ("LABEL1", "長辺方向[m]"), ("LABEL1POS", "0.000000 -0.080000 0.000000 0"),
                  ("LABEL2", "短辺方向[m]"), ("LABEL2POS", "-0.200000 0.000000 0.000000 90")],
    }), newline="")
    write(os.path.join(d, "moment.dat"), command_file(
        2, 0, "1", "..\\plate\\nodes.txt", "..\\plate\\elements.txt", "..\\plate\\deflection.txt",
        "moment.ini", "moment.png"))


# --- element values: cantilever beam with a tip load (bending and shear stress) ---
def element_values():
    L, h, P = 1.0, 0.1, 5e3
    I = 0.01 * h ** 3 / 12  # 10 mm thick
    nx, ny = 41, 9
    xs = [L * i / (nx - 1) for i in range(nx)]
    ys = [-h / 2 + h * j / (ny - 1) for j in range(ny)]
    rows = []
    number = 1
    for j in range(ny - 1):
        for i in range(nx - 1):
            x = (xs[i] + xs[i + 1]) / 2
            y = (ys[j] + ys[j + 1]) / 2
            sx = P * (L - x) * y / I / 1e6
            txy = P / (2 * I) * (h ** 2 / 4 - y ** 2) / 1e6
            vm = math.sqrt(sx ** 2 + 3 * txy ** 2)
            rows.append("%d\t%.6g\t%.6g\t%.6g" % (number, sx, txy, vm))
            number += 1
    d = os.path.join(HERE, "element-values")
    write(os.path.join(d, "beam-nodes.txt"), grid_nodes(xs, ys))
    write(os.path.join(d, "beam-elements.txt"), grid_quads(nx, ny))
    write(os.path.join(d, "beam-stress.txt"), "\n".join(rows) + "\n")
    write(os.path.join(d, "beam.ini"), look_file({
        "GRAPH": [("MODE", 0), ("DIM", 0), ("WIREMODE", 2), ("WIRECOLOR", "80 80 80")],
        "GRAPHPOSITION": [("POSITION", "-0.120000 0.000000 0.000000"), ("SCALE123", "1.900000")],
        "COLOR": [("MODE", 16)],
        "GRID": [("ON", "0 0 0 0 0 0")],
        "HANREI": [("STYLE", 2), ("SHO", 1)],
        "LABEL": [("TITLE", "Bending_stress[MPa]")],
    }), newline="")
    write(os.path.join(d, "beam.dat"), command_file(
        2, 1, "0", "beam-nodes.txt", "beam-elements.txt", "beam-stress.txt", "beam.ini", "beam.png"))


# --- vector field: potential flow round a cylinder; the element file leaves the hole open ---
def vector():
    U, R = 1.0, 1.0
    nx, ny = 65, 33
    nodes, rows = [], []
    numbers = {}
    number = 0
    for j in range(ny):
        y = -2.0 + j * 0.125
        for i in range(nx):
            x = -4.0 + i * 0.125
            r2 = x * x + y * y
            if r2 < R * R:
                continue
            number += 1
            numbers[(i, j)] = number
            u = U * (1 - R * R * (x * x - y * y) / r2 ** 2)
            v = -U * 2 * R * R * x * y / r2 ** 2
            cp = 1 - (u * u + v * v) / (U * U)
            nodes.append("%d\t%.6g\t%.6g\t0" % (number, x, y))
            rows.append("%d\t%.6g\t%.6g\t%.6g\t0" % (number, cp, u, v))
    # Quadrilaterals only where all four corners lie in the flow, so none spans the hole.
    elements = []
    for j in range(ny - 1):
        for i in range(nx - 1):
            corners = [(i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1)]
            if all(c in numbers for c in corners):
                elements.append("%d\t%s" % (len(elements) + 1, "\t".join(str(numbers[c]) for c in corners)))
    d = os.path.join(HERE, "vector")
    write(os.path.join(d, "flow-nodes.txt"), "\n".join(nodes) + "\n")
    write(os.path.join(d, "flow-elements.txt"), "\n".join(elements) + "\n")
    # Column 0 holds the pressure coefficient; the velocity is in columns 1 to 3.
    write(os.path.join(d, "flow-velocity.txt"), "\n".join(rows) + "\n")
    write(os.path.join(d, "flow.ini"), look_file({
        "GRAPH": [("MODE", 3), ("DIM", 0), ("WIREMODE", 2), ("WIRECOLOR", "210 210 210"),
                  ("VECLEN", "0.400000"), ("VECSIZE", "0.600000")],
        "GRAPHPOSITION": [("POSITION", "-0.150000 -0.100000 0.000000"), ("SCALE123", "1.500000")],
        "GRID": [("ON", "0 0 0 0 0 0")],
        "HANREI": [("STYLE", 2), ("SHO", 2)],
        "LABEL": [("TITLE", "Velocity[m/s]")],
    }), newline="")
    write(os.path.join(d, "flow.dat"), command_file(
        2, 2, "1>2>3", "flow-nodes.txt", "flow-elements.txt", "flow-velocity.txt", "flow.ini", "flow.png"))


# --- 3-D hexahedral solid: a cooling fin, temperature at the nodes ---
def solid():
    L, w, t = 0.1, 0.04, 0.01
    nx, ny, nz = 21, 9, 3
    T0, Tinf, m = 120.0, 25.0, 25.0
    nodes, rows = [], []

    def num(i, j, k):
        return (k * ny + j) * nx + i + 1

    for k in range(nz):
        for j in range(ny):
            for i in range(nx):
                x, y, z = L * i / (nx - 1), w * j / (ny - 1), t * k / (nz - 1)
                edge = 1.0 - 0.04 * ((2 * y / w - 1) ** 2 + (2 * z / t - 1) ** 2)
                T = Tinf + (T0 - Tinf) * math.cosh(m * (L - x)) / math.cosh(m * L) * edge
                nodes.append("%d\t%.6g\t%.6g\t%.6g" % (num(i, j, k), x, y, z))
                rows.append("%d\t%.6g" % (num(i, j, k), T))
    elements = []
    number = 1
    for k in range(nz - 1):
        for j in range(ny - 1):
            for i in range(nx - 1):
                bottom = [num(i, j, k), num(i + 1, j, k), num(i + 1, j + 1, k), num(i, j + 1, k)]
                top = [num(i, j, k + 1), num(i + 1, j, k + 1), num(i + 1, j + 1, k + 1), num(i, j + 1, k + 1)]
                elements.append("%d\t%s" % (number, "\t".join(str(n) for n in bottom + top)))
                number += 1
    d = os.path.join(HERE, "solid")
    write(os.path.join(d, "fin-nodes.txt"), "\n".join(nodes) + "\n")
    write(os.path.join(d, "fin-elements.txt"), "\n".join(elements) + "\n")
    write(os.path.join(d, "fin-temperature.txt"), "\n".join(rows) + "\n")
    write(os.path.join(d, "fin.ini"), look_file({
        "GRAPH": [("MODE", 0), ("WIREMODE", 2)],
        "GRAPHPOSITION": [("DIGREE", "2100 1800 2130"), ("POSITION", "-0.100000 0.000000 0.000000"),
                          ("SCALE123", "1.800000")],
        "COLOR": [("MODE", 16)],
        "HANREI": [("STYLE", 2), ("SHO", 1)],
        "LABEL": [("TITLE", "Temperature[C]")],
    }), newline="")
    write(os.path.join(d, "fin.dat"), command_file(
        3, 0, "0", "fin-nodes.txt", "fin-elements.txt", "fin-temperature.txt", "fin.ini", "fin.png"))


# --- polar data in degrees: a rotating annular disc (Lame), automatic mesh in (r, angle) ---
def polar():
    a, b, rho, nu, omega = 0.1, 0.5, 7850.0, 0.3, 300.0
    k = (3 + nu) / 8 * rho * omega ** 2
    nodes, rows = [], []
    number = 0
    for j in range(37):
        angle = j * 10.0
        for i in range(21):
            r = a + (b - a) * i / 20
            number += 1
            sr = k * (a * a + b * b - a * a * b * b / (r * r) - r * r) / 1e6
            st = k * (a * a + b * b + a * a * b * b / (r * r) - (1 + 3 * nu) / (3 + nu) * r * r) / 1e6
            nodes.append("%d\t%.6g\t%.6g\t0" % (number, r, angle))
            rows.append("%d\t%.6g\t%.6g" % (number, st, sr))
    d = os.path.join(HERE, "polar")
    write(os.path.join(d, "disc-nodes.txt"), "\n".join(nodes) + "\n")
    write(os.path.join(d, "disc-stress.txt"), "\n".join(rows) + "\n")
    write(os.path.join(d, "disc.ini"), look_file({
        "GRAPH": [("MODE", 1), ("CONT", 1), ("CONTNUM", 16), ("DIM", 0), ("WIREMODE", 0)],
        "GRID": [("ON", "0 0 0 0 0 0")],
        "HANREI": [("STYLE", 2), ("SHO", 1)],
        "LABEL": [("TITLE", "Hoop_stress[MPa]")],
    }), newline="")
    write(os.path.join(d, "disc.dat"), command_file(
        2, 0, "0", "disc-nodes.txt", "", "disc-stress.txt", "disc.ini", "disc.png", polar=1, radians=0))


# --- an STL part: a flanged tube ---
def stl():
    segments = 36
    facets = []

    def ring(r, z):
        return [(r * math.cos(2 * math.pi * s / segments), r * math.sin(2 * math.pi * s / segments), z)
                for s in range(segments)]

    def quad(p, q, r, s):
        facets.append((p, q, r))
        facets.append((p, r, s))

    profile = [(6.0, 0.0), (16.0, 0.0), (16.0, 4.0), (10.0, 4.0), (10.0, 30.0), (6.0, 30.0)]
    rings = [ring(r, z) for r, z in profile]
    for n in range(len(rings)):
        lower, upper = rings[n], rings[(n + 1) % len(rings)]
        for s in range(segments):
            t = (s + 1) % segments
            quad(lower[s], lower[t], upper[t], upper[s])

    def normal(p, q, r):
        u = [q[i] - p[i] for i in range(3)]
        v = [r[i] - p[i] for i in range(3)]
        n = [u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]]
        length = math.sqrt(sum(c * c for c in n)) or 1.0
        return [c / length for c in n]

    lines = ["solid flanged_tube"]
    for f in facets:
        lines.append("  facet normal %.6e %.6e %.6e" % tuple(normal(*f)))
        lines.append("    outer loop")
        for p in f:
            lines.append("      vertex %.6e %.6e %.6e" % p)
        lines.append("    endloop")
        lines.append("  endfacet")
    lines.append("endsolid flanged_tube")
    write(os.path.join(HERE, "stl", "flanged-tube.stl"), "\n".join(lines) + "\n")


def big_grid(folder, n):
    """An n x n grid of node values for timing, with a look file for 16 filled contours."""
    os.makedirs(folder, exist_ok=True)
    step = 1.0 / (n - 1)
    with open(os.path.join(folder, "grid-nodes.txt"), "w") as nf, \
            open(os.path.join(folder, "grid-values.txt"), "w") as df:
        for j in range(n):
            y = j * step
            nl, dl = [], []
            for i in range(n):
                x = i * step
                number = j * n + i + 1
                nl.append("%d %.6f %.6f 0\n" % (number, x, y))
                dl.append("%d %.6g\n" % (number, math.sin(6.0 * x) * math.cos(4.0 * y) + x * y))
            nf.write("".join(nl))
            df.write("".join(dl))
    with open(os.path.join(folder, "grid-elements.txt"), "w") as ef:
        number = 1
        for j in range(n - 1):
            el = []
            for i in range(n - 1):
                n1 = j * n + i + 1
                el.append("%d %d %d %d %d\n" % (number, n1, n1 + 1, n1 + n + 1, n1 + n))
                number += 1
            ef.write("".join(el))
    write(os.path.join(folder, "grid.ini"), look_file({
        "GRAPH": [("MODE", 1), ("CONT", 1), ("CONTNUM", 16), ("DIM", 0), ("WIREMODE", 0)],
        "GRAPHPOSITION": [("WINDOW", "800 0 0 680 1")],
    }), newline="")
    write(os.path.join(folder, "grid.dat"), command_file(
        2, 0, "0", "grid-nodes.txt", "grid-elements.txt", "grid-values.txt", "grid.ini", "grid.png"))
    write(os.path.join(folder, "grid-automesh.dat"), command_file(
        2, 0, "0", "grid-nodes.txt", "", "grid-values.txt", "grid.ini", "grid-automesh.png"))


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "--grid":
        big_grid(sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 1000)
        return
    plate()
    japanese()
    element_values()
    vector()
    solid()
    polar()
    stl()


if __name__ == "__main__":
    main()
