#!/usr/bin/env python3
"""Writes core/insertion_loss_table.cpp, the insertion loss of the Nerva attenuators.

Five rows come from the catalogue and are written exactly as printed: 80 mm / 25 mm,
250 mm / 25 mm, 250 mm / 50 mm, 250 mm / 75 mm and 400 mm / 25 mm. Every other row is an
estimate made from them (docs/insertion-loss.md explains it for planners):

1. 25 mm insulation: linear interpolation over ln(diameter) between the catalogue diameters
   80, 250 and 400 mm, value by value (same length, same band).
2. 50 and 75 mm insulation: the 25 mm value of step 1 plus the extra loss the thicker
   insulation gives at 250 mm, scaled by 250 / diameter (the lining's perimeter per
   cross-section, which the catalogue's 25 mm rows roughly follow):
       IL_t(d) = IL_25(d) + 250 / d * (IL_t(250) - IL_25(250)).
3. Rounded to a multiple of 0.05 dB and clamped to 0..50 dB (25 mm) or 0..53 dB (50, 75 mm).
4. Made non-decreasing with length (each value at least the one of the next shorter length).
5. One dip on purpose: in the 63 Hz column of 400 mm / 50 mm the 1.25 m value is set 0.1 dB
   below the 1.00 m value, like the fall of the catalogue's 400 mm / 25 mm column at 125 Hz.

Usage: generate_insertion_loss_table.py [--check]
With --check the file is only compared with what would be written (exit status 1 if it differs).
"""

import math
import pathlib
import sys

DIAMETERS = [80, 100, 125, 140, 150, 160, 180, 200, 224, 250, 280, 300, 315, 355, 400]
INSULATIONS = [25, 50, 75]
LENGTHS = ["0.50 m", "0.75 m", "1.00 m", "1.25 m", "1.50 m", "1.75 m", "2.00 m"]
BANDS = [63, 125, 250, 500, 1000, 2000, 4000, 8000]
CEILING = {25: 50.0, 50: 53.0, 75: 53.0}

# Catalogue rows, (diameter, insulation) -> one row per length, bands 63 to 8000 Hz.
# fmt: off
CATALOGUE = {
    (80, 25): [
        [1,   2,   5,    10,   25, 40, 26,   19],
        [1,   2,   7.5,  14,   36, 45, 34,   23],
        [1,   2,   10,   18,   46, 50, 41,   27],
        [1,   2.5, 12,   23,   48, 50, 41,   30],
        [1.8, 3,   14.5, 27.5, 50, 50, 42,   33],
        [1.9, 3.5, 17,   34,   50, 50, 42.5, 37],
        [2,   4,   20,   38,   50, 50, 42.5, 40],
    ],
    (250, 25): [
        [0,   0,   1,   3,  8,  10, 7,  6],
        [0,   0.5, 1.5, 5,  12, 15, 9,  7],
        [0,   1,   2,   6,  17, 20, 10, 8],
        [0,   1,   2.5, 8,  21, 25, 13, 10],
        [0.5, 1.5, 3,   9,  25, 31, 15, 12],
        [1,   2,   3.5, 11, 30, 37, 17, 14],
        [1,   2,   4,   12, 34, 42, 20, 16],
    ],
    (250, 50): [
        [0,   1,   4,  8,  10, 11, 7,  6],
        [1,   2,   6,  11, 21, 16, 9,  7],
        [2,   3,   7,  15, 27, 21, 11, 8],
        [2.5, 4,   9,  18, 36, 25, 14, 10],
        [3,   4.5, 10, 22, 40, 30, 16, 12],
        [3.5, 5,   12, 26, 47, 34, 19, 14],
        [4,   6,   14, 30, 53, 38, 22, 16],
    ],
    (250, 75): [
        [2,   3,  6,  10, 21, 16, 7,  6],
        [2.5, 4,  9,  15, 29, 20, 9,  8],
        [3,   6,  13, 20, 38, 24, 12, 9],
        [4,   8,  16, 24, 43, 28, 14, 11],
        [4.5, 9,  19, 30, 49, 33, 17, 13],
        [5,   10, 23, 35, 53, 37, 19, 15],
        [6,   12, 26, 40, 53, 40, 22, 17],
    ],
    (400, 25): [
        [0,   0,   1,   2, 4,  4,  3,  2],
        [0.1, 0.5, 1.5, 2, 7,  7,  4,  3],
        [0.3, 1.5, 2,   3, 9,  8,  6,  4],
        [0.5, 1.4, 2.5, 4, 12, 11, 8,  6],
        [0.5, 1.8, 3,   5, 13, 12, 10, 7],
        [0.7, 1.9, 3.5, 5, 15, 15, 10, 7],
        [1,   2,   4,   6, 18, 16, 12, 8],
    ],
}
# fmt: on
DIP = (400, 50, 3, 0)  # diameter, insulation, length, band of the one estimated dip


def estimate_25(diameter):
    """The 25 mm rows at a diameter, interpolated over ln(diameter)."""
    d0, d1 = (80, 250) if diameter <= 250 else (250, 400)
    w = math.log(diameter / d0) / math.log(d1 / d0)
    lo, hi = CATALOGUE[(d0, 25)], CATALOGUE[(d1, 25)]
    return [[a + w * (b - a) for a, b in zip(ra, rb)] for ra, rb in zip(lo, hi)]


def to_grid(value, ceiling):
    """Rounded to a multiple of 0.05 dB (halves up) and clamped to 0..ceiling."""
    # round(..., 6) keeps last-bit noise of the logarithms out of the rounding.
    return min(max(0.0, math.floor(round(value * 20, 6) + 0.5) / 20), ceiling)


def estimate(diameter, insulation):
    rows = estimate_25(diameter)
    if insulation != 25:
        thick, thin = CATALOGUE[(250, insulation)], CATALOGUE[(250, 25)]
        rows = [[v + 250 / diameter * (t - s) for v, t, s in zip(r, rt, rs)]
                for r, rt, rs in zip(rows, thick, thin)]
    rows = [[to_grid(v, CEILING[insulation]) for v in r] for r in rows]
    for i in range(1, len(rows)):
        rows[i] = [max(v, shorter) for v, shorter in zip(rows[i], rows[i - 1])]
    d, t, length, band = DIP
    if (diameter, insulation) == (d, t):
        rows[length][band] = to_grid(rows[length - 1][band] - 0.1, CEILING[t])
    return rows


def table():
    return {(d, t): CATALOGUE.get((d, t)) or estimate(d, t)
            for d in DIAMETERS for t in INSULATIONS}


def number(value):
    return f"{value:.2f}".rstrip("0").rstrip(".")


def source(values):
    catalogue = ", ".join(f"{d} mm / {t} mm" for d, t in CATALOGUE)
    lines = [
        "// Generated by tools/generate_insertion_loss_table.py; do not edit, run the script.",
        "//",
        f"// Catalogue values: {catalogue}.",
        "// All other rows are estimates derived from them (see docs/insertion-loss.md): 25 mm by",
        "// interpolation over ln(diameter) between 80, 250 and 400 mm; 50 and 75 mm as 25 mm plus",
        "// the extra loss of the thicker insulation at 250 mm, scaled by 250 / diameter; rounded",
        "// to 0.05 dB, clamped to 50 dB (25 mm) or 53 dB (50, 75 mm) and non-decreasing with",
        "// length, except one dip of 0.1 dB at 1.25 m in the 63 Hz column of 400 mm / 50 mm.",
        "",
        '#include "core/attenuator_table.h"',
        "",
        "namespace lorvane {",
        "",
        "// clang-format off",
        "const InsertionLossData InsertionLossTable{{",
        "            //" + ", ".join(f"{hz:>5}" for hz in BANDS) + "   Hz",
    ]
    for d in DIAMETERS:
        lines.append("    {{")
        for t in INSULATIONS:
            lines.append("        {{")
            for length, row in zip(LENGTHS, values[(d, t)]):
                cells = ", ".join(f"{number(v):>5}" for v in row)
                lines.append(f"            {{{{{cells}}}}},  // {d} mm / {t} mm / {length}")
            lines.append("        }},")
        lines.append("    }},")
    lines += ["}};", "",
              "// Whether a row holds catalogue values (true) or estimates (false), by diameter and",
              "// insulation thickness.",
              "const InsertionLossOrigins InsertionLossFromCatalogue{{"]
    for d in DIAMETERS:
        flags = ", ".join("true" if (d, t) in CATALOGUE else "false" for t in INSULATIONS)
        lines.append(f"    {{{{{flags}}}}},  // {d} mm")
    lines += ["}};", "// clang-format on", "", "}  // namespace lorvane", ""]
    return "\n".join(lines)


def main():
    target = pathlib.Path(__file__).resolve().parent.parent / "core" / "insertion_loss_table.cpp"
    text = source(table())
    if "--check" in sys.argv[1:]:
        current = target.read_text() if target.exists() else ""
        if current != text:
            print(f"{target} is not what the script writes; run it.", file=sys.stderr)
            return 1
        return 0
    target.write_text(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
