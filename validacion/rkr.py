#!/usr/bin/env python3
"""First-order RKR turning points from published constants, for the validation cases.

G(v) = we (v+1/2) - wexe (v+1/2)^2 and B(v) = Be - alphae (v+1/2): with these two-term
expansions the RKR integrals have closed forms, so the turning points are exact for the
constants given (no quadrature).  Writes "R(Angstrom) V(hartree above the minimum)" lines, the body of a data file in
"Angstrom UA".

    python3 rkr.py we wexe Be alphae mu_u vmax [paso]
"""
import math
import sys

# hbar^2 / (2 u) in cm-1 Angstrom^2 = h / (8 pi^2 c u), CODATA 2018.
H, C, U = 6.62607015e-34, 2.99792458e10, 1.66053906660e-27
CK = H / (8 * math.pi**2 * C * U) * 1e20
HARTREE_CM1 = 219474.6313632


def puntos_de_giro(we, wexe, Be, ae, mu, v):
    x1 = v + 0.5                  # (v + 1/2) of the level
    x2 = we / wexe - x1           # the other root of E - G(x)
    # I0 = integral_0^x1 dx / sqrt(E - G(x)),  E - G = wexe (x1 - x)(x2 - x)
    i0 = 2 * (math.log(math.sqrt(x1) + math.sqrt(x2)) - 0.5 * math.log(x2 - x1)) / math.sqrt(wexe)
    # I1 = integral x dx / sqrt(E - G(x))
    i1 = (-math.sqrt(x1 * x2) / math.sqrt(wexe)) + 0.5 * (x1 + x2) * i0
    f = math.sqrt(CK / mu) * i0
    g = math.sqrt(mu / CK) * (Be * i0 - ae * i1)
    raiz = math.sqrt(f / g + f * f)
    return raiz - f, raiz + f, we * x1 - wexe * x1 * x1


def main():
    we, wexe, Be, ae, mu = map(float, sys.argv[1:6])
    vmax = float(sys.argv[6])
    paso = float(sys.argv[7]) if len(sys.argv) > 7 else 0.5
    filas = [(math.sqrt(CK / (mu * Be)), 0.0)]  # the limit of both turning points as v -> -1/2
    v = -0.4
    while v <= vmax + 1e-9:
        ri, ro, e = puntos_de_giro(we, wexe, Be, ae, mu, v)
        filas += [(ri, e), (ro, e)]
        v = round(v + paso, 10) if v >= 0 else (-0.25 if v < -0.3 else 0.0)
    for r, e in sorted(filas):
        print("%.8f   %.12e" % (r, e / HARTREE_CM1))


if __name__ == "__main__":
    main()
