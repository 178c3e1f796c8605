"""Tests of make_glass_table.py; run from this folder or the repository root:

    python3 -m unittest discover -s tools/glasses
"""

import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_glass_table as m  # noqa: E402

HEADER = ("# this file is part of refractiveindex.info database\n"
          "# refractiveindex.info database is in the public domain\n")

# N-BK7 as the database has it (Schott's Sellmeier coefficients).
N_BK7 = HEADER + """REFERENCES: |
    <a href="https://example.org/schott.agf">SCHOTT Zemax catalog</a>
COMMENTS: |
    step 0.5 available
DATA:
  - type: formula 2
    wavelength_range: 0.3 2.5
    coefficients: 0 1.03961212 0.00600069867 0.231792344 0.0200179144 1.01046945 103.560653
  - type: tabulated k
    data: |
        0.300 2.8607E-06
        2.500 8.1300E-06
CONDITIONS:
    temperature: 293
PROPERTIES:
    thermal_dispersion:
      - type: formula A
        coefficients: 1.86e-06 1.31e-08 -1.37e-11 4.34e-07 6.27e-10 0.17
    nd: 1.5168
    Vd: 64.17
    glass_status: standard
    thermal_expansion:
      - temperature_range: 243 343
        value: 7.1e-06
"""

# The rows of LZOS K8 around the d, F and C lines.
K8 = HEADER + """REFERENCES: |
    <a href="http://example.org/lzos">LZOS Clear optical glass catalogue</a>
DATA:
  - type: tabulated n
    data: |
        0.47999 1.522408
        0.48613 1.521955
        0.4880 1.52181
        0.58756 1.516373
        0.58929 1.516300
        0.65627 1.513895
        0.6943 1.51279
"""


def table_page(rows):
    return HEADER + "DATA:\n  - type: tabulated n\n    data: |\n" + "".join(
        "        %s %s\n" % row for row in rows)


class DispersionTest(unittest.TestCase):
    def glass(self, maker, name, text):
        return m.read_glass(maker, name + ".yml", text)

    def test_sellmeier_page(self):
        # Schott's data sheet: nd 1.51680, Vd 64.17.
        g = self.glass("Schott", "N-BK7", N_BK7)
        self.assertAlmostEqual(g.nd, 1.516800, delta=1e-6)
        self.assertAlmostEqual(g.vd, 64.167, delta=0.002)
        self.assertEqual((g.page_nd, g.page_vd, g.status), (1.5168, 64.17, "standard"))

    def test_polynomial_formula(self):
        # n² = 2.25 + 0.01 λ⁻², by hand: λd² = 0.345229, nd² = 2.278966,
        # nd = 1.509625; nF = 1.514039, nC = 1.507720, Vd = 80.642.
        page = HEADER + ("DATA:\n  - type: formula 3\n    wavelength_range: 0.4 0.7\n"
                         "    coefficients: 2.25 0.01 -2\n")
        g = self.glass("Hoya", "X", page)
        self.assertAlmostEqual(g.nd, 1.509625, delta=1e-6)
        self.assertAlmostEqual(g.vd, 80.642, delta=0.001)

    def test_lzos_table(self):
        # Linear between the neighbouring rows: nd = 1.5163729,
        # nF = 1.5219548, nC = 1.5138949, Vd = 0.5163729 / 0.0080599 = 64.067.
        g = self.glass("LZOS", "K8", K8)
        self.assertAlmostEqual(g.nd, 1.5163729, delta=1e-7)
        self.assertAlmostEqual(g.vd, 64.067, delta=0.001)
        self.assertEqual(g.cyrillic, "К8")
        self.assertIsNone(g.page_nd)

    def test_table_interpolates_between_rows(self):
        # nF = 1.5230 - 0.002 * 0.0061327 / 0.02 = 1.52238673,
        # nd = 1.5170 - 0.001 * 0.0075618 / 0.02 = 1.51662191,
        # nC = 1.5140 - 0.0003 * 0.0062725 / 0.01 = 1.51381183, Vd = 60.2481.
        rows = [("0.48", "1.5230"), ("0.50", "1.5210"), ("0.58", "1.5170"),
                ("0.60", "1.5160"), ("0.65", "1.5140"), ("0.66", "1.5137")]
        g = self.glass("LZOS", "TK2", table_page(rows))
        self.assertAlmostEqual(g.nd, 1.51662191, delta=1e-8)
        self.assertAlmostEqual(g.vd, 60.2481, delta=1e-4)

    def test_no_extrapolation(self):
        cases = [
            ("table short of F", table_page([("0.4862", "1.52"), ("0.70", "1.51")])),
            ("table short of C", table_page([("0.48", "1.52"), ("0.6562", "1.51")])),
            ("formula short of C", HEADER + "DATA:\n  - type: formula 2\n"
             "    wavelength_range: 0.4 0.65\n    coefficients: 0 1.0 0.01\n"),
        ]
        for label, page in cases:
            with self.subTest(label):
                with self.assertRaisesRegex(ValueError, "outside"):
                    self.glass("LZOS", "K8", page)

    def test_unsupported_data(self):
        page = HEADER + "DATA:\n  - type: formula 12\n    wavelength_range: 0.3 2\n" \
                        "    coefficients: 1 2\n  - type: tabulated k\n    data: |\n        0.5 1e-8\n"
        with self.assertRaisesRegex(m.Unsupported, "formula 12"):
            self.glass("Ohara", "S-X", page)


class NamesTest(unittest.TestCase):
    def test_lzos_cyrillic(self):
        for latin, cyrillic in [("K8", "К8"), ("BK10", "БК10"), ("TF1", "ТФ1"),
                                ("CTK19", "СТК19"), ("OK4", "ОК4"), ("OF1", "ОФ1"),
                                ("LK7", "ЛК7"), ("KF6", "КФ6"), ("BF21", "БФ21"),
                                ("X5", None)]:
            with self.subTest(latin):
                self.assertEqual(m.cyrillic_lzos(latin), cyrillic)

    def test_status(self):
        for comments, status_property, expected in [
            ("inquiry glass", "special", "inquiry"),
            ("was replaced by N-SF66", "preferred", "obsolete"),
            ("obsolete", None, "obsolete"),
            ("Not in a position to accept new order because of discontinuation.",
             "special", "obsolete"),
            ("Recommended", None, "preferred"),
            ("step 0.5 available", "standard", "standard"),
            (None, None, ""),
        ]:
            page = {}
            if comments is not None:
                page["COMMENTS"] = comments + "\n"
            if status_property is not None:
                page["PROPERTIES"] = {"glass_status": status_property}
            with self.subTest(comments):
                self.assertEqual(m.glass_status(page), expected)


class YamlTest(unittest.TestCase):
    def test_block_structure(self):
        text = ("# comment\nA: |\n    one\n    two\nB:\n  - k: 1\n    l: \"x # y\" # c\n"
                "  - plain\nC:\n    d: 2\n    e:\n      - f: 3\n")
        self.assertEqual(m.parse_yaml(text), {
            "A": "one\ntwo\n", "B": [{"k": "1", "l": "x # y"}, "plain"],
            "C": {"d": "2", "e": [{"f": "3"}]}})

    def test_unreadable_page_is_reported(self):
        with self.assertRaises(ValueError):
            m.read_glass("Schott", "BAD.yml", "DATA:\n  - type: formula 2\n bad indent\n")


class CatalogueTest(unittest.TestCase):
    def test_collect_and_write(self):
        with tempfile.TemporaryDirectory() as root:
            def put(maker, name, text, sub="optical"):
                folder = os.path.join(root, "database", "data", "makers", maker, sub)
                os.makedirs(folder, exist_ok=True)
                with open(os.path.join(folder, name + ".yml"), "w", encoding="utf-8") as f:
                    f.write(text)
            put("schott", "N-BK7", N_BK7)
            put("lzos", "K8", K8)
            put("lzos", "K18", table_page([("0.5", "1.5"), ("0.6", "1.49")]))
            put("cdgm", "H-K9L", N_BK7)
            put("cdgm", "H-K9L-25", N_BK7)

            glasses, left_out = m.collect(root)
            out = io.StringIO()
            m.write_table(out, glasses, "0" * 40, "2026-01-02")

        self.assertEqual([(g.maker, g.name) for g in glasses],
                         [("Schott", "N-BK7"), ("CDGM", "H-K9L"), ("LZOS", "K8")])
        self.assertEqual([(maker, name) for maker, name, _ in left_out],
                         [("CDGM", "H-K9L-25"), ("LZOS", "K18")])
        lines = out.getvalue().splitlines()
        comments = [line for line in lines if line.startswith("#")]
        self.assertTrue(any("CC0 1.0" in line for line in comments))
        self.assertTrue(any("0" * 40 in line and "2026-01-02" in line for line in comments))
        body = lines[len(comments):]
        self.assertEqual(body[0], "maker\tname\tcyrillic_name\tnd\tvd\tstatus")
        self.assertEqual(body[1], "Schott\tN-BK7\t\t1.516800\t64.17\tstandard")
        self.assertEqual(body[3], "LZOS\tK8\tК8\t1.516373\t64.07\t")


if __name__ == "__main__":
    unittest.main()
