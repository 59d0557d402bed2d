#!/usr/bin/env python3
"""Writes PatchFormulaTable.inc: every zone-conversion curve over its whole input domain, computed with
50-digit decimal arithmetic from the curves' definitions, independently of the C++ code.

Each truncated result is checked to lie far enough from the integer it would cross, so that any double or
extended-precision evaluation truncates to the same integer; the script fails otherwise.

Usage: make_patch_formula_table.py OUTPUT.inc
       make_patch_formula_table.py --compare COMMITTED.inc   (fails when the committed table differs)
"""

import decimal
import struct
import sys
from decimal import Decimal as D

decimal.getcontext().prec = 50

# Distance below which a value's truncation could depend on how it was evaluated.
MINIMUM_MARGIN = D("1e-7")
margins = {}


def single(text):
    """The exact value of a single-precision constant."""
    return D(struct.unpack("<f", struct.pack("<f", float(text)))[0])


INVERSE_440 = single("0.0022727272")
TWO = D(2)
LN2 = TWO.ln()


def log2(x):
    return x.ln() / LN2


def exp(x):
    return x.exp()


def trunc_checked(family, value):
    """Truncates toward zero and records how near the value came to the next integer."""
    if value != value.to_integral_value():
        lower = value.to_integral_value(rounding=decimal.ROUND_FLOOR)
        margin = min(value - lower, lower + 1 - value)
        margins.setdefault(family, []).append((margin, value))
    return int(value)


def clamp(v, low, high):
    return max(low, min(high, v))


def record_unclamped(family, value, low, high):
    """Truncation, then clamping; the margin matters only when the clamp keeps the truncated value."""
    t = int(value)
    c = clamp(t, low, high)
    if c == t:
        trunc_checked(family, value)
    return c


def hertz_to_cents_value(hertz):
    return D(1200) * log2(hertz * INVERSE_440) + D(6900)


def rate_cents(family, hertz):
    return record_unclamped(family, hertz_to_cents_value(hertz), -9700, 4500)


def pitch_lfo_rate(kind, r):
    family = "pitchLfoRate%d" % kind
    r = D(r)
    if kind == 7:
        period = D("1522493.422") / ((r + D("3.65")) * D("123.8592128")) + D("9.863688276")
        return rate_cents(family, D(1000) / period)
    if r <= 10:
        period = D("129200.0") - D("10059.5") * r
    else:
        period = D("1496576.226") / ((r + 1) * D("4.820228765")) + D("832.9590577")
    return rate_cents(family, D(44100) / period)


def pan_lfo_rate(kind, r):
    family = "panLfoRate%d" % kind
    r = D(r)
    if kind == 7:
        period = D("1499925.875") / ((r + 1) * D("1.0143907070159912")) - D("4.2278313636779785")
    else:
        period = D("1496599.114") / ((r + 1) * D("3.693009983")) - D("474.1426677")
    return rate_cents(family, D(44100) / period)


DELAY_POINTS = [(0, 0), (10, 13249), (20, 14555), (30, 16718), (40, 18571), (50, 22883), (60, 27898),
                (70, 40675), (80, 55577), (90, 95510), (95, 170790), (99, 432360)]


def lfo_delay_samples(x):
    if x < 0 or x > 99:
        return 0
    for i, (a, b) in enumerate(DELAY_POINTS):
        if a == x:
            return b
        if a > x:
            a0, b0 = DELAY_POINTS[i - 1]
            return b0 + (b - b0) * (x - a0) // (a - a0)
    return 0


def delay_time_cents(family, samples):
    if samples <= 0:
        return -10500
    return record_unclamped(family, D(1200) * log2(D(samples) / D(44100)), -10500, 3986)


def envelope_time_cents(family, milliseconds):
    return record_unclamped(family, D(1200) * log2(milliseconds / D(1000)), -14400, 6774)


def env2_attack(v):
    ms = D("50.17478391") * exp(D("0.096261464") * v) * D(1000) / D(44100)
    margins.setdefault("env2AttackThreshold", []).append((abs(ms - 15), ms))
    if ms < 15:
        return -14400
    return envelope_time_cents("env2Attack", ms)


def env2_decay(v):
    return envelope_time_cents("env2Decay", D("3.369006872177124") * exp(D("0.07652436941862106") * v))


def release(v):
    return envelope_time_cents("release", D("0.5851") * D("44028.17355") * exp(D("0.098071237") * v) / D(44100))


def env1_attack(v):
    return envelope_time_cents("env1Attack", D("0.64") * D("44028.17355") * exp(D("0.098071237") * v) / D(44100))


def trunc_div(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b > 0) else -q


def cutoff(kind, x):
    family = "cutoff%d" % kind
    if kind == 7:
        if x < 70:
            hertz = D(357) * TWO ** trunc_div(x - 50, 10)
        else:
            hertz = D("275.86") * x - D("17410.2")
    else:
        if x < 95:
            hertz = D("1.13579689") * exp(D("0.089216619") * x)
        else:
            hertz = D(5000) * x - D(469400)
    return record_unclamped(family, hertz_to_cents_value(hertz), 0, 14100)


def level_gain(n):
    tenths = trunc_checked("levelTenthDb", D(20) * TWO.log10() * n)
    gain = (D(10) ** (tenths * single("0.0049999999"))) ** single("0.33333334") * 1440 - 1440
    return trunc_checked("levelGain", gain)


FAMILIES = [
    ("pitchLfoRate7", range(0, 100), lambda r: pitch_lfo_rate(7, r)),
    ("pitchLfoRate8", range(0, 100), lambda r: pitch_lfo_rate(8, r)),
    ("panLfoRate7", range(0, 100), lambda r: pan_lfo_rate(7, r)),
    ("panLfoRate8", range(0, 100), lambda r: pan_lfo_rate(8, r)),
    ("lfoDelay", range(0, 100), lambda x: delay_time_cents("lfoDelay", lfo_delay_samples(x) // 2)),
    ("panLfoDelay", range(0, 100), lambda x: delay_time_cents("panLfoDelay", lfo_delay_samples(x))),
    ("env2Attack", range(0, 100), env2_attack),
    ("env2Decay", range(0, 100), env2_decay),
    ("release", range(0, 100), release),
    ("env1Attack", range(0, 100), env1_attack),
    ("cutoff7", range(0, 110), lambda x: cutoff(7, x)),
    ("cutoff8", range(0, 110), lambda x: cutoff(8, x)),
    ("levelGain", range(-109, 110), level_gain),
]


def main():
    compare = len(sys.argv) == 3 and sys.argv[1] == "--compare"
    if len(sys.argv) != 2 and not compare:
        sys.exit(__doc__)
    rows = []
    for family, domain, curve in FAMILIES:
        for value in domain:
            rows.append('    {"%s", %d, %d},' % (family, value, curve(value)))
    failed = False
    for family, entries in sorted(margins.items()):
        margin, value = min(entries)
        print("%-20s closest to a boundary: %.3e (at %s)" % (family, margin, format(value, ".12f")))
        if margin < MINIMUM_MARGIN:
            print("  too close: evaluation order could change the result", file=sys.stderr)
            failed = True
    if failed:
        sys.exit(1)
    text = "// Generated by make_patch_formula_table.py; each row: curve, input, stored value.\n"
    text += "\n".join(rows) + "\n"
    if compare:
        with open(sys.argv[2], encoding="ascii") as committed:
            if committed.read() != text:
                sys.exit("%s differs from the table the curves give" % sys.argv[2])
        return
    with open(sys.argv[1], "w", newline="\n") as out:
        out.write(text)


if __name__ == "__main__":
    main()
