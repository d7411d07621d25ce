#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (fuzz/corpus/<target>/).

The byte layouts are those the checks read: see checks/number_checks.h and
checks/form_session.h. Run it again after a layout changes or a product form lands.
"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent

# Positions in the product catalogue, in menu order.
POSITION = {
    "tolmar": 0, "selmon": 1, "daxel": 2, "mirolt": 3, "quenta": 4, "basko": 5,
    "damper": 6, "leakage": 7, "bending": 8, "torque": 9, "louvre": 10, "attenuator": 11,
}


def text(value):
    data = value.encode()
    return bytes([len(data)]) + data


def keep():
    return bytes([0])


def typed(value):
    return bytes([1]) + text(value)


def pick(index):
    return bytes([2, index])


def step(word, actions, answers=(), json=True, flags=False):
    """One form: calculated twice, opened again and given to lorvane-calc."""
    data = bytes([POSITION[word]]) + b"".join(actions)
    data += bytes([len(answers)]) + bytes(1 if a else 0 for a in answers)
    return data + bytes([1 | 2 | 4 | (8 if json else 0) | (16 if flags else 0)])


def double(value):
    return struct.pack("<d", value)


FORM_SEEDS = {
    "selmon_example": step("selmon", [typed("250"), typed("1000"), typed("250"), typed("35")]),
    "selmon_picked": step("selmon", [pick(8), typed("1000"), typed("250"), typed("35")]),
    "selmon_low_pressure": step("selmon", [typed("250"), typed("1600"), typed("2"), keep()]),
    "tolmar_example": step("tolmar", [typed("160"), typed("200"), typed("150"), typed("30")]),
    "daxel_example": step("daxel", [typed("200"), typed("600"), typed("200"), typed("30")]),
    "mirolt_example": step("mirolt", [typed("250"), typed("1000"), typed("300"), typed("30")]),
    "attenuator_example": step("attenuator", [typed("200"), typed("1250")]),
    "attenuator_refused": step("attenuator", [typed("210"), typed("100")]),
    # Three forms in a row on one shared state.
    "selmon_then_attenuator": step("selmon", [typed("250"), typed("1000.4"), typed("250.6"),
                                              typed("35")])
    + step("attenuator", [keep(), typed("750.5")])
    + step("tolmar", [keep(), keep(), keep(), keep()]),
    "fresh_forms": step("tolmar", [keep(), keep(), keep(), keep()], json=False)
    + step("daxel", [keep(), keep(), keep(), keep()])
    + step("mirolt", [keep(), keep(), keep(), keep()]),
    "rectangular": step("basko", [typed("400"), typed("300"), typed("2000"), typed("200")],
                        answers=[False])
    + step("quenta", [typed("600"), typed("400"), typed("3000"), typed("250")]),
    "dampers": step("damper", [typed("500"), typed("400"), typed("2000"), pick(1), pick(2),
                               typed("100")])
    + step("bending", [typed("800"), typed("500")])
    + step("leakage", [typed("600"), typed("600"), typed("500")]),
    "torque_louvre": step("torque", [typed("600"), typed("600"), typed("500")])
    + step("louvre", [typed("600"), typed("700"), typed("4000"), pick(2), pick(1)]),
}

NUMBER_SEEDS = {
    "read_unit": bytes([0]) + b"250 Pa",
    "read_exponent": bytes([0]) + b" -2.5E+3x",
    "read_comma": bytes([0]) + b"2,5",
    "read_comma_exponent": bytes([0]) + b" -1,5e3 m3/h",
    "read_thousands": bytes([0]) + b"1.234,5",
    "read_tiny": bytes([0]) + b"1e-400",
    "read_hex": bytes([0]) + b"0x1p3",
    "read_long": bytes([0]) + b"1" + b"0" * 120,
    "show_tie": bytes([1, 0, 4, 0]) + double(7.5),
    "show_below_tie": bytes([1, 0, 0, 2]) + double(2.675),
    "show_negative_zero": bytes([1, 0, 4, 0]) + double(-0.3),
    "show_left": bytes([1, 1, 8, 1]) + double(42.25),
    "show_huge": bytes([1, 2, 10, 250]) + double(1.7976931348623157e308),
    "show_tiny": bytes([1, 2, 0, 250]) + double(5e-324),
    "round_trip_third": bytes([2]) + double(1 / 3),
    "round_trip_subnormal": bytes([2]) + double(5e-324),
    "round_trip_large": bytes([2]) + double(1e22),
}


def write(target, seeds):
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    write("product_forms", FORM_SEEDS)
    write("number_text", NUMBER_SEEDS)
