#!/usr/bin/env python3
"""Writes the program's string table 128 (an "SSTR" script) from the text files that the modules'
libraries are built from, so that every text has one source.

Usage: make_string_table.py OUTPUT SOURCE...

Each source holds one entry a line: its number, one tab, its text; empty lines and lines beginning with
'#' say nothing. An entry number outside the table's list, a number given twice, a text the script cannot
hold (a brace, a line break) or a table that lacks one of its entries stops the build.
"""
import sys

# The entries that string table 128 holds, as (first, last) ranges.
TABLE_128 = [(40, 44), (50, 52), (60, 61), (100, 278), (500, 500), (1000, 1004), (1100, 1102),
             (1110, 1123), (1130, 1131), (1140, 1141), (1150, 1155), (1200, 1212), (1250, 1259),
             (1270, 1273), (1280, 1282), (1285, 1287), (1290, 1295), (1500, 1501), (2000, 2000)]


def expected_entries():
    return {number for first, last in TABLE_128 for number in range(first, last + 1)}


def read_source(path):
    entries = []
    with open(path, encoding="utf-8", newline="") as source:
        for line_number, line in enumerate(source.read().split("\n"), 1):
            where = f"{path}:{line_number}"
            if line == "" or line.startswith("#"):
                continue
            number, tab, text = line.partition("\t")
            if not tab or not number.isdigit():
                raise ValueError(f"{where}: expected a number, a tab and a text")
            if any(c in text for c in "{}\r\n"):
                raise ValueError(f"{where}: a string script cannot hold braces or line breaks")
            if text == "":
                raise ValueError(f"{where}: entry {number} has no text")
            entries.append((int(number), text, where))
    return entries


def make_script(sources):
    wanted = expected_entries()
    seen = {}
    for path in sources:
        for number, text, where in read_source(path):
            if number not in wanted:
                raise ValueError(f"{where}: entry {number} does not belong in string table 128")
            if number in seen:
                raise ValueError(f"{where}: entry {number} is already given at {seen[number][1]}")
            seen[number] = (text, where)
    missing = sorted(wanted - seen.keys())
    if missing:
        raise ValueError(f"string table 128 lacks entries {missing}")
    lines = ["// String table 128, made by the build from " + ", ".join(sources) + "; edit those."]
    lines += [f"{number} {{{seen[number][0]}}}" for number in sorted(seen)]
    return "\r\n".join(lines) + "\r\n"


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        script = make_script(argv[2:])
    except (OSError, ValueError) as error:
        print(f"make_string_table: {error}", file=sys.stderr)
        return 1
    with open(argv[1], "w", encoding="utf-8", newline="") as output:
        output.write(script)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
