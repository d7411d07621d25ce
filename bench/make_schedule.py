#!/usr/bin/env python3
"""Writes a schedule of Selmon positions for timing lorvane-calc batch: a tag, the product and
an operating point that varies from row to row, inside the controller's ranges."""
import sys

DIAMETERS = [100, 125, 160, 200, 250, 315, 400]


def main() -> None:
    rows = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    out = sys.stdout
    out.write("tag,product,diameter,flow,dp,target\n")
    for i in range(rows):
        diameter = DIAMETERS[i % len(DIAMETERS)]
        area = 3.14159 * (diameter / 1000) ** 2 / 4
        flow = round(area * 3600 * (3 + (i % 7)), 1)
        dp = 100 + (i * 37) % 700
        target = (0, 30, 35, 40)[i % 4]
        out.write(f"P-{i + 1},selmon,{diameter},{flow},{dp},{target}\n")


if __name__ == "__main__":
    main()
