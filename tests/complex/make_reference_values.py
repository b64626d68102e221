#!/usr/bin/python3
"""Prints the reference rows of complex_reference_data.h.

Source: mpmath (Debian python3-mpmath), evaluated with 40 significant digits and
rounded to 25. Run: /usr/bin/python3 tests/complex/make_reference_values.py
"""
import mpmath as mp

mp.mp.dps = 40

# Points off every branch cut of the functions below.
# All inputs are binary fractions, so the C++ literals denote the very same numbers.
POINTS = [(0.5, 0.25), (-1.5, 0.75), (2.0, -1.0), (-0.25, -2.5), (3.0, 4.0), (0.125, 0.0),
          (-0.75, 0.0), (0.0, 1.5)]

FUNCTIONS = [
    ("Sin", mp.sin), ("Cos", mp.cos), ("Tan", mp.tan), ("Sinh", mp.sinh), ("Cosh", mp.cosh),
    ("Tanh", mp.tanh), ("Exp", mp.exp), ("Ln", mp.log), ("ArcSin", mp.asin),
    ("ArcCos", mp.acos), ("ArcTan", mp.atan), ("ArcSinh", mp.asinh), ("ArcCosh", mp.acosh),
    ("ArcTanh", mp.atanh), ("Sqrt", mp.sqrt),
]

# Off-cut test: the cuts are on the real or imaginary axis beyond +-1.
def on_cut(name, x, y):
    if name in ("ArcSin", "ArcCos", "ArcTanh"):
        return y == 0 and abs(x) > 1
    if name in ("ArcSinh", "ArcTan"):
        return x == 0 and abs(y) > 1
    if name == "ArcCosh":
        return y == 0 and x < 1
    if name in ("Ln", "Sqrt"):
        return y == 0 and x < 0
    return False


def s(v):
    return mp.nstr(v, 25, min_fixed=-mp.inf, max_fixed=mp.inf) + "L"


print("// mpmath complex elementary functions")
for name, f in FUNCTIONS:
    for x, y in POINTS:
        if on_cut(name, x, y):
            continue
        v = f(mp.mpc(x, y))
        print('    {"%s(%r,%r)", &CxMath::Cx%s, %rL, %rL, %s, %s},'
              % (name, x, y, name, x, y, s(v.real), s(v.imag)))

print("// mpmath loggamma")
LG = [(1.0, 0.0), (2.0, 0.0), (0.5, 0.0), (10.0, 0.0), (100.5, 0.0), (1e6, 0.0), (-2.5, 0.0),
      (-0.5, 0.0), (3.0, 4.0), (0.25, -7.0), (-4.75, 2.0), (-3.375, -0.125),
      (2.0**-20, 2.0**-20), (-999.75, 0.5), (-1000.25, 0.5), (-20000.375, 0.75),
      (-15000.75, 3.0), (-12345.5, 120.0), (-20001.25, 0.0), (-5000.5, -20.0), (50.0, -300.0),
      (0.0, 1.0), (8.9921875, 0.0), (9.0, 0.0)]
for x, y in LG:
    v = mp.loggamma(mp.mpc(mp.mpf(x), mp.mpf(y)))
    print('    {"LnGamma(%r,%r)", %rL, %rL, %s, %s},' % (x, y, x, y, s(v.real), s(v.imag)))
