#!/usr/bin/env python3
"""Reads the writer's sample document with ElementTree and compares names, attributes and texts."""
import sys
import xml.etree.ElementTree as ET


def text_of(element):
    return (element.text or "").strip()


def main(path):
    root = ET.parse(path).getroot()
    expected_children = [
        ("escaped", {"all": "&<>\"'"}, "1 < 2 & \"3\" > 'x'"),
        ("cdata", {}, "a </b> c"),
        ("sectionEnd", {}, "x ]]> </y>"),
        ("empty", {}, ""),
        ("middle", {}, ""),
    ]
    problems = []
    if root.tag != "root" or text_of(root) != "root text":
        problems.append(f"root: {root.tag!r} {text_of(root)!r}")
    children = list(root)
    if [c.tag for c in children] != [e[0] for e in expected_children]:
        problems.append(f"children: {[c.tag for c in children]}")
    for child, (tag, attributes, text) in zip(children, expected_children):
        if child.attrib != attributes or text_of(child) != text:
            problems.append(f"{tag}: {child.attrib!r} {text_of(child)!r}")
    inner = root.find("middle/inner")
    if inner is None or inner.attrib != {"level": "3"} or text_of(inner) != "deep":
        problems.append("middle/inner")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
