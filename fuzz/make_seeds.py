#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into fuzz/corpus/<target>/.

The byte layouts are described at the top of each fuzz_*.cpp. Run it again
after changing a layout; the fuzzers themselves never write into corpus/.
"""

import math
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def f64(*values):
    return b"".join(struct.pack("<d", v) for v in values)


def i32(*values):
    return b"".join(struct.pack("<i", v) for v in values)


def u16(*fractions):
    return b"".join(struct.pack("<H", round(f * 65535)) for f in fractions)


def text(s):
    b = s.encode()
    return bytes([len(b)]) + b


def parse_seeds():
    # 'c': decimal comma, 'p': decimal point, then the text.
    return {
        "nd_comma": b"c1,5182",
        "nd_point": b"p1.5182",
        "abbe_comma": b"c63,84",
        "abbe_point": b"p63.84",
        "integer": b"c64",
        "overflow": b"p1E400",
        "underflow": b"c1e-400",
        "minus_zero": b"c-0",
        "blanks_sign_exponent": b"p  -.5e1 ",
        "largest": b"c1,7976931348623157E308",
        "smallest": b"p4.9406564584124654e-324",
        "nine_integer_digits": b"p99999999.5",
        "half_below": b"c0,455",
        "half_up": b"p2.675",
        "negative": b"c-12345,6",
        "twelve_digits": b"p123456789012",
        "separator_only": b"c,E5",
        "letters": b"pabc",
        "two_separators": b"c1,5,",
    }


def format_seeds():
    # double, significant digits - 1, decimals, separator (1: comma).
    def seed(v, p, d, comma):
        return f64(v) + bytes([p - 1, d, 1 if comma else 0])

    return {
        "nd": seed(1.5182, 8, 4, True),
        "abbe": seed(63.84, 8, 2, False),
        "track_bar": seed(82 * 0.25 / 100 + 0.25, 8, 2, True),
        "scientific": seed(-12345.6, 4, 2, True),
        "rounds_to_power": seed(999.5, 3, 2, True),
        "big": seed(1e20, 8, 2, False),
        "minus_zero": seed(-0.0, 8, 0, True),
        "half": seed(0.05, 8, 1, True),
        "negative_small": seed(-0.0004, 4, 3, False),
        "smallest": seed(5e-324, 15, 8, True),
        "fifteen_digits": seed(123456789.123456, 15, 8, False),
    }


def design_controls(ot=5, ksf=60, kxr=100, f=52, a=45, flags=0x05, nd="1.5182", abbe="64"):
    return i32(ot, ksf, kxr, f, a) + bytes([flags]) + text(nd) + text(abbe)


def solver_seeds():
    beta45 = math.pi / 4
    start = (0.0, 1.0, 0.052, 1.5182, 63.84, 0.004, 0.5, beta45)
    thick = (0.002, 1.0, 0.052, 1.5182, 63.84, 0.004, 0.5, beta45)
    return {
        "start": f64(*start) + design_controls(),
        "start_comma": f64(*start) + design_controls(flags=0x25, nd="1,5182", abbe="63,84"),
        "astigmatism": f64(0.002, 2.0, 0.052, 1.5182, 63.84, 0.004, 0.5, beta45)
        + design_controls(flags=0x06),
        "thick_yellow": f64(*thick) + design_controls(ksf=100, kxr=0, flags=0x49, abbe="63.84"),
        "no_filter": f64(*thick) + design_controls(flags=0x01),
        "edge_zero": f64(*start) + design_controls(ot=0, flags=0x85),
        "wide_field": f64(0.0, 2.0, 0.1, 1.8, 25.0, 0.00625, 0.25, 3.0)
        + design_controls(ot=1, ksf=0, kxr=0, f=1000, a=170, flags=0xD2, nd="1.8", abbe="25"),
        "zeros": f64(*([0.0] * 8)) + design_controls(ot=0, ksf=0, kxr=0, f=0, a=0, flags=0, nd="0", abbe="0"),
        "bad_text": f64(*start) + design_controls(nd="1,5182"),
        "huge": f64(1e300, 1.0, 1e300, 1e300, 1e-300, 1e300, 1e-300, 1e300)
        + design_controls(ot=-2147483648, ksf=2147483647, kxr=-1, f=2147483647, a=-2147483648,
                          flags=0xFF, nd="1E308", abbe="1e-308"),
    }


def forecast_seeds():
    # MeasuredHeight, MeasuredEdge, MeasuredFocal, MeasuredDiameter, NdMin,
    # NdMax (mm), VminSP, VmaxSP, NSpin, flags.
    def seed(values, vmin=40, vmax=70, n=8, flags=0x01):
        return b"\x00" + f64(*values) + i32(vmin, vmax, n) + bytes([flags])

    def ranged(fractions, vmin=40, vmax=70, n=8, flags=0x01):
        return b"\x01" + u16(*fractions) + i32(vmin, vmax, n) + bytes([flags])

    return {
        "start": seed((4.0, 0.0, 75.0, 20.0, 1.4, 1.8)),
        "edge": seed((4.0, 1.5, 75.0, 20.0, 1.4, 1.8), flags=0x12),
        "orange": seed((3.0, 0.5, 120.0, 40.0, 1.5, 1.7), 30, 80, 11, 0x08),
        "flat": seed((2.0, 2.0, 50.0, 10.0, 1.5, 1.5), flags=0x04),
        "no_filter": seed((4.0, 0.0, 75.0, 20.0, 1.4, 1.8), flags=0x00),
        "n_zero": seed((4.0, 0.0, 75.0, 20.0, 1.4, 1.8), n=0),
        "index_one": seed((4.0, 0.0, 75.0, 20.0, 1.0, 1.0)),
        "huge": seed((1e300, -1e300, 1e-300, 1e300, -1e300, 1e300),
                     -2147483648, 2147483647, 2147483647, 0x1F),
        "plausible": ranged((0.25, 0.1, 0.36, 0.25, 0.29, 0.57)),
        "plausible_yellow": ranged((0.15, 0.05, 0.5, 0.4, 0.1, 0.9), 50, 60, 16, 0x02),
    }


def texts_seeds():
    # Design controls, six measured values as fractions of their ranges,
    # VminSP, VmaxSP, NSpin and the forecast's filter.
    measured = u16(0.2, 0.19, 0.36, 0.25, 0.29, 0.57)
    return {
        "start": design_controls(abbe="63.84") + measured + i32(40, 70, 8) + bytes([0]),
        "start_comma": design_controls(flags=0x25, nd="1,5182", abbe="63,84") + measured
        + i32(40, 70, 8) + bytes([1]),
        "anastigmat": design_controls(flags=0x06, abbe="63.84") + measured + i32(45, 75, 11)
        + bytes([3]),
        "failed": design_controls(ot=1, ksf=0, kxr=0, f=1000, a=70, flags=0x06, nd="1.8",
                                  abbe="25") + u16(0.5, 0.6, 0.1, 0.9, 0.0, 1.0)
        + i32(80, 40, 4) + bytes([2]),
    }


def main():
    corpus = os.path.join(HERE, "corpus")
    for target, seeds in (("fuzz_parse", parse_seeds()), ("fuzz_format", format_seeds()),
                          ("fuzz_solver", solver_seeds()), ("fuzz_forecast", forecast_seeds()),
                          ("fuzz_texts", texts_seeds())):
        d = os.path.join(corpus, target)
        shutil.rmtree(d, ignore_errors=True)
        os.makedirs(d)
        for name, data in seeds.items():
            with open(os.path.join(d, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
