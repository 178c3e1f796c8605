#!/usr/bin/env python3
"""Writes resources/glasses.tsv from the refractiveindex.info database.

Reads the optical-glass pages of the makers' catalogues in the database
(the folder under database/data that holds <maker>/optical/*.yml for each
maker, and Schott's page of obsolete glasses), computes nd and Vd of each glass from its dispersion formula or its
table of n at the d, F and C lines, checks them against the page's own nd and
Vd where the page has them, and writes one line per glass. The report of what
was written and what was left out goes to standard output.

Standard library only; the YAML of the data pages is read by a small parser
of the block-style subset those pages use.

Usage (see tools/glasses/README.md):
    python3 tools/glasses/make_glass_table.py DB_DIR [--commit ID --date DATE]
        [--output FILE]
"""

import argparse
import math
import os
import re
import subprocess
import sys
from collections import Counter, defaultdict

SOURCE_REPOSITORY = "https://github.com/polyanskiy/refractiveindex.info-database"

# Fraunhofer lines, wavelength in micrometres: d (helium), F and C (hydrogen).
LAMBDA_D = 0.5875618
LAMBDA_F = 0.4861327
LAMBDA_C = 0.6562725

# Maker as written in the table, and the folders of its optical glass pages.
MAKERS = [
    ("Schott", "schott", ["optical", "obsolete"]),
    ("Ohara", "ohara", ["optical"]),
    ("Hoya", "hoya", ["optical"]),
    ("CDGM", "cdgm", ["optical"]),
    ("Hikari", "hikari", ["optical"]),
    ("Sumita", "sumita", ["optical"]),
    ("LZOS", "lzos", ["optical"]),
]

# LZOS names in the database are written with the Latin letters that look
# like the Cyrillic ones of the catalogue (CTK for СТК, not STK), so the
# Cyrillic name is a letter-for-letter map.
LZOS_LETTERS = {
    "B": "Б", "C": "С", "F": "Ф", "K": "К", "L": "Л", "O": "О", "T": "Т",
}

# A computed value further than this from the page's own is reported by name.
ND_WARN = 5e-5
VD_WARN = 0.05

# Pages that repeat a glass already in the same catalogue under a variant
# name: CDGM's "-25" pages are the glass annealed at 25 °C/h instead of
# 4 °C/h, Sumita's "(M)" pages the glass after precision moulding. The page
# of the base name is kept.
DUPLICATE_SUFFIXES = {
    "CDGM": ["-25"],
    "Sumita": ["(M)"],
}


# ---------------------------------------------------------------------------
# YAML subset

class YamlError(ValueError):
    pass


def _strip_comment(line):
    """Removes a '#' comment that is not inside quotes."""
    quote = None
    for i, ch in enumerate(line):
        if quote:
            if ch == quote:
                quote = None
        elif ch in "\"'":
            quote = ch
        elif ch == "#" and (i == 0 or line[i - 1] in " \t"):
            return line[:i]
    return line


def _scalar(text):
    text = text.strip()
    if len(text) >= 2 and text[0] == text[-1] and text[0] in "\"'":
        return text[1:-1]
    return text


def parse_yaml(text):
    """Parses the block-style YAML of the database's pages.

    Mappings, sequences (of mappings or scalars), plain and quoted scalars
    and literal or folded block scalars; every scalar stays a string. Raises
    YamlError on what it cannot read.
    """
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    pos = 0

    def indent_of(raw):
        return len(raw) - len(raw.lstrip(" "))

    def next_content(start):
        i = start
        while i < len(lines):
            if _strip_comment(lines[i]).strip():
                return i
            i += 1
        return i

    def block_scalar(start, parent_indent, style):
        i = start
        body = []
        block_indent = None
        while i < len(lines):
            raw = lines[i]
            if raw.strip() == "":
                body.append("")
                i += 1
                continue
            ind = indent_of(raw)
            if ind <= parent_indent:
                break
            if block_indent is None:
                block_indent = ind
            if ind < block_indent:
                break
            body.append(raw[block_indent:])
            i += 1
        while body and body[-1] == "":
            body.pop()
        if style.startswith(">"):
            value = " ".join(part.strip() for part in body)
        else:
            value = "\n".join(body)
        if not style.endswith("-"):
            value += "\n"
        return value, i

    def value_after_key(rest, key_indent, i):
        """The value written after 'key:' on line i-1; returns (value, i)."""
        rest = rest.strip()
        if rest in ("|", "|-", "|+", ">", ">-", ">+"):
            return block_scalar(i, key_indent, rest)
        if rest:
            return _scalar(rest), i
        j = next_content(i)
        if j < len(lines):
            ind = indent_of(lines[j])
            stripped = lines[j].lstrip(" ")
            if ind > key_indent or (ind == key_indent and stripped.startswith("- ")):
                return node(j, ind)
        return "", i

    def node(i, ind):
        stripped = _strip_comment(lines[i]).strip()
        if stripped.startswith("- ") or stripped == "-":
            return sequence(i, ind)
        return mapping(i, ind)

    def mapping(i, ind):
        result = {}
        while True:
            i = next_content(i)
            if i >= len(lines) or indent_of(lines[i]) < ind:
                return result, i
            if indent_of(lines[i]) > ind:
                raise YamlError("unexpected indent at line %d" % (i + 1))
            content = _strip_comment(lines[i]).strip()
            if content.startswith("- "):
                return result, i
            key, sep, rest = content.partition(":")
            if not sep:
                raise YamlError("expected 'key:' at line %d" % (i + 1))
            value, i = value_after_key(rest, ind, i + 1)
            result[_scalar(key)] = value

    def sequence(i, ind):
        result = []
        while True:
            i = next_content(i)
            if i >= len(lines) or indent_of(lines[i]) != ind:
                return result, i
            content = _strip_comment(lines[i]).strip()
            if not (content.startswith("- ") or content == "-"):
                return result, i
            item = content[1:].strip()
            if not item:
                value, i = value_after_key("", ind, i + 1)
                result.append(value)
                continue
            key, sep, rest = item.partition(":")
            if sep and (rest == "" or rest[0] == " ") and item[0] not in "\"'":
                # A mapping that starts on the dash line; its other keys
                # line up with the first key.
                after_dash = lines[i][ind + 1:]
                item_indent = ind + 1 + len(after_dash) - len(after_dash.lstrip(" "))
                value, j = value_after_key(rest, item_indent, i + 1)
                first = {_scalar(key): value}
                more, i = mapping(j, item_indent)
                first.update(more)
                result.append(first)
            else:
                result.append(_scalar(item))
                i += 1

    start = next_content(0)
    if start >= len(lines):
        return {}
    value, end = node(start, indent_of(lines[start]))
    end = next_content(end)
    if end < len(lines):
        raise YamlError("cannot read line %d" % (end + 1))
    return value


# ---------------------------------------------------------------------------
# Dispersion

class Unsupported(ValueError):
    pass


def formula_index(kind, c, wl):
    """Refractive index of the database's dispersion formula 'kind' (1 to 9)
    with coefficients c at wavelength wl (µm), as the database defines them."""
    c = list(c) + [0.0] * (17 - len(c))
    C = [None] + c  # C[1] .. C[17], as in the database's formulas

    if kind == 1:    # Sellmeier
        s = 1 + C[1]
        for k in range(2, 17, 2):
            s += C[k] * wl ** 2 / (wl ** 2 - C[k + 1] ** 2)
        return math.sqrt(s)
    if kind == 2:    # Sellmeier-2
        s = 1 + C[1]
        for k in range(2, 17, 2):
            s += C[k] * wl ** 2 / (wl ** 2 - C[k + 1])
        return math.sqrt(s)
    if kind == 3:    # polynomial
        s = C[1]
        for k in range(2, 17, 2):
            s += C[k] * wl ** C[k + 1]
        return math.sqrt(s)
    if kind == 4:    # RefractiveIndex.INFO
        s = C[1]
        s += C[2] * wl ** C[3] / (wl ** 2 - C[4] ** C[5])
        s += C[6] * wl ** C[7] / (wl ** 2 - C[8] ** C[9])
        for k in range(10, 17, 2):
            s += C[k] * wl ** C[k + 1]
        return math.sqrt(s)
    if kind == 5:    # Cauchy
        n = C[1]
        for k in range(2, 11, 2):
            n += C[k] * wl ** C[k + 1]
        return n
    if kind == 6:    # gases
        n = 1 + C[1]
        for k in range(2, 11, 2):
            n += C[k] / (C[k + 1] - wl ** -2)
        return n
    if kind == 7:    # Herzberger
        L = 1 / (wl ** 2 - 0.028)
        return (C[1] + C[2] * L + C[3] * L ** 2
                + C[4] * wl ** 2 + C[5] * wl ** 4 + C[6] * wl ** 6)
    if kind == 8:    # Retro
        t = C[1] + C[2] * wl ** 2 / (wl ** 2 - C[3]) + C[4] * wl ** 2
        return math.sqrt((1 + 2 * t) / (1 - t))
    if kind == 9:    # Exotic
        return math.sqrt(C[1] + C[2] / (wl ** 2 - C[3])
                         + C[4] * (wl - C[5]) / ((wl - C[5]) ** 2 + C[6]))
    raise Unsupported("formula %d" % kind)


def interpolate(table, wl):
    """n at wl, linearly interpolated in the table [(wl, n)] sorted by wl;
    None outside the table."""
    if not table or wl < table[0][0] or wl > table[-1][0]:
        return None
    lo, hi = 0, len(table) - 1
    while hi - lo > 1:
        mid = (lo + hi) // 2
        if table[mid][0] <= wl:
            lo = mid
        else:
            hi = mid
    (w0, n0), (w1, n1) = table[lo], table[hi]
    if w1 == w0:
        return n0
    return n0 + (n1 - n0) * (wl - w0) / (w1 - w0)


def _numbers(text, what):
    try:
        return [float(x) for x in str(text).split()]
    except ValueError:
        raise ValueError("unreadable %s" % what)


def dispersion(page):
    """A function wl -> n from the page's DATA and a description of it.

    Raises Unsupported when the page has no way of computing n that this
    program knows, ValueError when it is unreadable. The function raises
    ValueError for a wavelength outside the range of its data."""
    data = page.get("DATA") if isinstance(page, dict) else None
    if not isinstance(data, list):
        raise ValueError("no DATA")
    kinds = []
    for entry in data:
        if not isinstance(entry, dict):
            continue
        kind = str(entry.get("type", "")).split()
        kinds.append(" ".join(kind))
        if len(kind) == 2 and kind[0] == "formula":
            try:
                number = int(kind[1])
            except ValueError:
                continue
            if not 1 <= number <= 9:
                continue
            coeffs = _numbers(entry.get("coefficients", ""), "coefficients")
            wl_range = _numbers(entry.get("wavelength_range", ""), "wavelength_range")
            if len(wl_range) != 2:
                raise ValueError("no wavelength_range")
            lo, hi = wl_range

            def by_formula(wl, number=number, coeffs=coeffs, lo=lo, hi=hi):
                if wl < lo or wl > hi:
                    raise ValueError("%.4f µm outside the formula's range %g..%g µm"
                                     % (wl, lo, hi))
                return formula_index(number, coeffs, wl)
            return by_formula, "formula %d" % number
        if len(kind) == 2 and kind[0] == "tabulated" and kind[1] in ("n", "nk"):
            values = _numbers(entry.get("data", ""), "table")
            width = 2 if kind[1] == "n" else 3
            if not values or len(values) % width:
                raise ValueError("ragged table")
            table = sorted((values[i], values[i + 1])
                           for i in range(0, len(values), width))

            def by_table(wl, table=table):
                n = interpolate(table, wl)
                if n is None:
                    raise ValueError("%.4f µm outside the table's %g..%g µm"
                                     % (wl, table[0][0], table[-1][0]))
                return n
            return by_table, "table"
    wanted = [k for k in kinds if not k.startswith("tabulated k")]
    raise Unsupported("no supported n data (%s)" % (", ".join(wanted) or "none"))


def nd_vd(n_of):
    """nd and the Abbe number Vd = (nd - 1) / (nF - nC)."""
    nd = n_of(LAMBDA_D)
    nf = n_of(LAMBDA_F)
    nc = n_of(LAMBDA_C)
    if not all(math.isfinite(x) for x in (nd, nf, nc)) or nf <= nc or nd <= 1:
        raise ValueError("no normal dispersion at d, F, C")
    return nd, (nd - 1) / (nf - nc)


# ---------------------------------------------------------------------------
# Names and status

def cyrillic_lzos(name):
    """The Cyrillic name of an LZOS glass from its database name, or None
    when a letter has no Cyrillic counterpart in the map."""
    out = []
    for ch in name:
        if ch.isdigit():
            out.append(ch)
        elif ch in LZOS_LETTERS:
            out.append(LZOS_LETTERS[ch])
        else:
            return None
    return "".join(out)


def glass_status(page):
    """The glass's status as its page gives it: the comments' own words
    where they say the glass is obsolete, discontinued, replaced or an
    inquiry glass; otherwise PROPERTIES' glass_status; otherwise
    "preferred" where the comments say "Recommended" (Ohara's word for it);
    otherwise empty."""
    comments = str(page.get("COMMENTS", "")).lower()
    if ("obsolete" in comments or "discontinu" in comments
            or "was replaced by" in comments):
        return "obsolete"
    if "inquiry glass" in comments:
        return "inquiry"
    props = page.get("PROPERTIES")
    if isinstance(props, dict):
        status = str(props.get("glass_status", "")).strip().lower()
        if re.fullmatch(r"[a-z]+", status):
            return status
    if comments.strip().startswith("recommended"):
        return "preferred"
    return ""


def page_nd_vd(page):
    props = page.get("PROPERTIES")
    if not isinstance(props, dict):
        return None, None
    try:
        nd = float(props["nd"]) if "nd" in props else None
    except (TypeError, ValueError):
        nd = None
    try:
        vd = float(props["Vd"]) if "Vd" in props else None
    except (TypeError, ValueError):
        vd = None
    return nd, vd


# ---------------------------------------------------------------------------
# The table

class Glass:
    def __init__(self, maker, name, cyrillic, nd, vd, status, source):
        self.maker = maker
        self.name = name
        self.cyrillic = cyrillic
        self.nd = nd
        self.vd = vd
        self.status = status
        self.source = source


def read_glass(maker, path, text):
    """A Glass from one page; raises Unsupported or ValueError."""
    name = os.path.splitext(os.path.basename(path))[0]
    try:
        page = parse_yaml(text)
    except YamlError as error:
        raise ValueError("unreadable YAML: %s" % error)
    if not isinstance(page, dict):
        raise ValueError("not a data page")
    n_of, method = dispersion(page)
    nd, vd = nd_vd(n_of)
    cyrillic = ""
    if maker == "LZOS":
        cyrillic = cyrillic_lzos(name)
        if cyrillic is None:
            raise ValueError("no Cyrillic name for %s" % name)
    glass = Glass(maker, name, cyrillic, nd, vd, glass_status(page), path)
    glass.page_nd, glass.page_vd = page_nd_vd(page)
    glass.method = method
    return glass


def natural_key(name):
    """Sort key that puts BF8 before BF11."""
    return [(0, int(part), "") if part.isdigit() else (1, 0, part.upper())
            for part in re.findall(r"\d+|\D+", name)]


def duplicate_of(maker, name, names):
    for suffix in DUPLICATE_SUFFIXES.get(maker, []):
        if name.endswith(suffix) and name[:-len(suffix)] in names:
            return name[:-len(suffix)]
    return None


def find_catalogue_folder(data_dir):
    """The folder of database/data whose subfolders are the makers'
    catalogues (it holds schott/optical); None if there is none."""
    if not os.path.isdir(data_dir):
        return None
    for name in sorted(os.listdir(data_dir)):
        folder = os.path.join(data_dir, name)
        if os.path.isdir(os.path.join(folder, "schott", "optical")):
            return folder
    return None


def collect(db_dir):
    """Reads every page; returns (glasses, left_out) where left_out is a
    list of (maker, name, reason)."""
    glass_pages = find_catalogue_folder(os.path.join(db_dir, "database", "data"))
    if glass_pages is None:
        raise SystemExit("no makers' glass pages (database/data/*/schott/optical) under %s" % db_dir)
    glasses, left_out = [], []
    for maker, folder, subfolders in MAKERS:
        paths = []
        for sub in subfolders:
            d = os.path.join(glass_pages, folder, sub)
            if os.path.isdir(d):
                paths += [os.path.join(d, f) for f in sorted(os.listdir(d))
                          if f.endswith(".yml")]
        names = {os.path.splitext(os.path.basename(p))[0] for p in paths}
        seen = set()
        maker_glasses = []
        for path in paths:
            name = os.path.splitext(os.path.basename(path))[0]
            base = duplicate_of(maker, name, names)
            if base is not None:
                left_out.append((maker, name, "another page of %s, which is kept" % base))
                continue
            if name in seen:
                left_out.append((maker, name, "second page of the same name"))
                continue
            try:
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                glass = read_glass(maker, os.path.relpath(path, db_dir), text)
            except Unsupported as error:
                left_out.append((maker, name, "unsupported: %s" % error))
                continue
            except (ValueError, OverflowError, ZeroDivisionError, UnicodeError) as error:
                left_out.append((maker, name, str(error)))
                continue
            seen.add(name)
            maker_glasses.append(glass)
        maker_glasses.sort(key=lambda g: natural_key(g.name))
        glasses += maker_glasses
    return glasses, left_out


def tsv_field(text):
    return re.sub(r"[\t\r\n]", " ", text)


def write_table(out, glasses, commit, date):
    out.write("# Optical glasses: nd and Vd at the d, F and C lines, computed from the\n")
    out.write("# dispersion formulas and tables of the refractiveindex.info database,\n")
    out.write("# %s\n" % SOURCE_REPOSITORY)
    out.write("# The database is in the public domain (CC0 1.0 Universal Public Domain\n")
    out.write("# Dedication, https://creativecommons.org/publicdomain/zero/1.0/).\n")
    out.write("# Database commit %s of %s.\n" % (commit, date))
    out.write("# Written by tools/glasses/make_glass_table.py.\n")
    out.write("maker\tname\tcyrillic_name\tnd\tvd\tstatus\n")
    for g in glasses:
        out.write("%s\t%s\t%s\t%.6f\t%.2f\t%s\n" % (
            tsv_field(g.maker), tsv_field(g.name), tsv_field(g.cyrillic),
            g.nd, g.vd, tsv_field(g.status)))


def report(out, glasses, left_out):
    per_maker = Counter(g.maker for g in glasses)
    out.write("Glasses written: %d\n" % len(glasses))
    for maker, _, _ in MAKERS:
        out.write("  %-7s %4d\n" % (maker, per_maker.get(maker, 0)))
    methods = Counter(g.method for g in glasses)
    out.write("Computed from: %s (tables interpolated linearly, never extrapolated)\n"
              % ", ".join("%s %d" % (m, methods[m]) for m in sorted(methods)))
    out.write("Left out: %d\n" % len(left_out))
    reasons = defaultdict(list)
    for maker, name, reason in left_out:
        kind = re.sub(r"another page of .*", "another page of a glass that is kept", reason)
        kind = re.sub(r"\S+ µm outside the (\w+)'s .*", r"d, F or C line outside the \1", kind)
        reasons[kind].append((maker, name, reason))
    for kind in sorted(reasons):
        out.write("  %s: %d\n" % (kind, len(reasons[kind])))
        for maker, name, reason in reasons[kind]:
            out.write("    %s %s: %s\n" % (maker, name, reason))

    checked = [g for g in glasses if g.page_nd is not None and g.page_vd is not None]
    out.write("Checked against the pages' own nd and Vd: %d glasses\n" % len(checked))
    if checked:
        worst_nd = max(checked, key=lambda g: abs(g.nd - g.page_nd))
        worst_vd = max(checked, key=lambda g: abs(g.vd - g.page_vd))
        out.write("  largest |Δnd| %.2e: %s %s (computed %.6f, page %g)\n" % (
            abs(worst_nd.nd - worst_nd.page_nd), worst_nd.maker, worst_nd.name,
            worst_nd.nd, worst_nd.page_nd))
        out.write("  largest |ΔVd| %.3f: %s %s (computed %.3f, page %g)\n" % (
            abs(worst_vd.vd - worst_vd.page_vd), worst_vd.maker, worst_vd.name,
            worst_vd.vd, worst_vd.page_vd))
        far = [g for g in checked
               if abs(g.nd - g.page_nd) > ND_WARN or abs(g.vd - g.page_vd) > VD_WARN]
        out.write("  beyond |Δnd| %g or |ΔVd| %g: %d\n" % (ND_WARN, VD_WARN, len(far)))
        for g in far:
            out.write("    %s %s: nd %.6f against %g, Vd %.3f against %g\n" % (
                g.maker, g.name, g.nd, g.page_nd, g.vd, g.page_vd))
    unchecked = [g for g in glasses if g.page_nd is None or g.page_vd is None]
    out.write("Without nd and Vd of their own (not checked): %d (%s)\n" % (
        len(unchecked), ", ".join(sorted(Counter(g.maker for g in unchecked)))))


def commit_of(db_dir):
    """Commit id and date of a database that is a git work tree."""
    try:
        text = subprocess.run(
            ["git", "-C", db_dir, "log", "-1", "--format=%H %cs"],
            check=True, capture_output=True, text=True).stdout.split()
        return text[0], text[1]
    except (OSError, subprocess.CalledProcessError, IndexError):
        return None, None


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    default_output = os.path.normpath(os.path.join(here, "..", "..", "resources", "glasses.tsv"))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("db_dir", help="the database's top folder (holding database/)")
    parser.add_argument("--commit", help="the database's commit id (read with git when omitted)")
    parser.add_argument("--date", help="the date of that commit, YYYY-MM-DD")
    parser.add_argument("--output", default=default_output,
                        help="the table to write (default: %(default)s)")
    args = parser.parse_args(argv)

    commit, date = args.commit, args.date
    if commit is None or date is None:
        git_commit, git_date = commit_of(args.db_dir)
        commit = commit or git_commit
        date = date or git_date
    if not commit or not date:
        parser.error("give --commit and --date: %s is not a git work tree" % args.db_dir)
    if not re.fullmatch(r"[0-9a-f]{40}", commit) or not re.fullmatch(r"\d{4}-\d\d-\d\d", date):
        parser.error("--commit takes a 40-digit id, --date YYYY-MM-DD")

    glasses, left_out = collect(args.db_dir)
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        write_table(out, glasses, commit, date)
    report(sys.stdout, glasses, left_out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
