#!/usr/bin/env python3
"""Writes a schedule of Selmon positions for timing lorvane-calc batch: a tag, the product and
an operating point that varies from row to row, inside the controller's ranges; with --room,
each position also has a path of six elements into a room of its own and a room target.

    make_schedule.py [ROWS] [--room]
"""
import sys

DIAMETERS = [100, 125, 160, 200, 250, 315, 400]


def main() -> None:
    arguments = [argument for argument in sys.argv[1:] if argument != "--room"]
    with_room = "--room" in sys.argv[1:]
    rows = int(arguments[0]) if arguments else 1_000_000
    out = sys.stdout
    out.write("tag,product,diameter,flow,dp,target")
    out.write(",path,room,room-target\n" if with_room else "\n")
    for i in range(rows):
        diameter = DIAMETERS[i % len(DIAMETERS)]
        area = 3.14159 * (diameter / 1000) ** 2 / 4
        flow = round(area * 3600 * (3 + (i % 7)), 1)
        dp = 100 + (i * 37) % 700
        target = (0, 30, 35, 40)[i % 4]
        out.write(f"P-{i + 1},selmon,{diameter},{flow},{dp},{target}")
        if not with_room:
            out.write("\n")
            continue
        path = (f"duct d{diameter} {2 + i % 9}; elbow d{diameter} round; "
                f"duct d{diameter} {1 + i % 3} lined 50; duct 400x200 {1 + i % 5} lined 25; "
                f"branch 0.{2 + i % 7}; outlet d200 flush")
        room = f"{4 + i % 5}x{3 + i % 4}x3"
        room_target = ("NR 25", "NR 30", "35", "NC 30")[i % 4]
        out.write(f",{path},{room},{room_target}\n")


if __name__ == "__main__":
    main()
