"""The string-table generator refuses what would give the program a wrong or missing text."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import make_string_table  # noqa: E402


def complete_table():
    """One line per entry of table 128, as (number, text)."""
    return [(number, f"text {number}") for number in sorted(make_string_table.expected_entries())]


class MakeStringTableTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def write(self, name, lines):
        path = os.path.join(self.folder.name, name)
        with open(path, "w", encoding="utf-8", newline="") as source:
            source.write("# a comment\n\n" + "".join(f"{number}\t{text}\n" for number, text in lines))
        return path

    def test_splits_entries_over_sources_and_keeps_texts(self):
        lines = complete_table()
        lines[0] = (40, " #^0 keeps its blank")
        lines[1] = (41, "Destination: ^0\\rBytes")
        first = self.write("a.txt", lines[:10])
        second = self.write("b.txt", lines[10:])
        script = make_string_table.make_script([first, second])
        self.assertIn("\r\n40 { #^0 keeps its blank}\r\n", script)
        self.assertIn("\r\n41 {Destination: ^0\\rBytes}\r\n", script)
        self.assertEqual(script.count("{"), len(lines))

    def test_refuses_damaged_tables(self):
        lines = complete_table()
        cases = {
            "duplicate": lines + [(500, "again")],
            "outside the list": lines + [(45, "stray")],
            "missing": lines[1:],
            "brace": [(n, "a}b" if n == 500 else t) for n, t in lines],
            "empty text": [(n, "" if n == 500 else t) for n, t in lines],
        }
        for name, case in cases.items():
            with self.subTest(name):
                with self.assertRaises(ValueError):
                    make_string_table.make_script([self.write(name + ".txt", case)])

    def test_refuses_a_line_without_a_tab(self):
        path = os.path.join(self.folder.name, "bad.txt")
        with open(path, "w", encoding="utf-8") as source:
            source.write("500 Partition ^0\n")
        with self.assertRaises(ValueError):
            make_string_table.read_source(path)


if __name__ == "__main__":
    unittest.main()
