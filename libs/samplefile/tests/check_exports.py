#!/usr/bin/env python3
"""Checks that a DLL exports exactly the given names, as objdump -p lists them."""
import re
import subprocess
import sys


def exported_names(objdump, dll):
    text = subprocess.run([objdump, "-p", dll], check=True, capture_output=True, text=True).stdout
    start = text.find("[Ordinal/Name Pointer] Table")
    if start < 0:
        return []
    names = []
    for line in text[start:].splitlines()[1:]:
        match = re.match(r"\s*\[\s*\d+\]\s+(\S+)\s*$", line)
        if not match:
            break
        names.append(match.group(1))
    return names


def main():
    objdump, dll, expected = sys.argv[1], sys.argv[2], sorted(sys.argv[3:])
    names = sorted(exported_names(objdump, dll))
    if names != expected:
        print(f"{dll} exports {names}, expected {expected}")
        return 1
    print(f"{dll} exports exactly {names}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
