#!/usr/bin/env python3
"""Derives both Mac text tables from python's mac_roman codec and compares them with the program's.

Mac OS Roman here has the general currency sign at 0xDB; a character that the other side lacks becomes
'?', apart from the look-alikes and the characters given up so that the look-alikes map back."""
import subprocess
import sys

MAC_TO_WINDOWS_EXCEPTIONS = {0xA5: 0xB7, 0xD0: 0xAD, 0xD1: 0xAF, 0xF5: 0xB9,
                             0xCA: 0x3F, 0xD8: 0x3F, 0xE1: 0x3F, 0xF8: 0x3F, 0xFC: 0x3F}
WINDOWS_TO_MAC_EXCEPTIONS = {0xAD: 0xD0, 0xAF: 0xD1, 0xB7: 0xA5, 0xB9: 0xF5, 0xA0: 0x3F, 0xB8: 0x3F, 0xFF: 0x3F}


def mac_character(byte):
    return "\u00a4" if byte == 0xDB else bytes([byte]).decode("mac_roman")


def mac_to_windows():
    table = {}
    for byte in range(0x80, 0x100):
        code = ord(mac_character(byte))
        table[byte] = code if code < 0x100 else 0x3F
    table.update(MAC_TO_WINDOWS_EXCEPTIONS)
    return [table[b] for b in range(0x80, 0x100)]


def windows_to_mac():
    inverse = {mac_character(byte): byte for byte in range(0x80, 0x100)}
    table = {byte: inverse.get(chr(byte), 0x3F) if byte >= 0xA0 else 0x3F for byte in range(0x80, 0x100)}
    table.update(WINDOWS_TO_MAC_EXCEPTIONS)
    return [table[b] for b in range(0x80, 0x100)]


def main(dump_program):
    output = subprocess.run([dump_program], check=True, capture_output=True, text=True).stdout.split()
    program = [int(value, 16) for value in output]
    expected = mac_to_windows() + windows_to_mac()
    differences = [(i, program[i] if i < len(program) else None, expected[i]) for i in range(len(expected))
                   if i >= len(program) or program[i] != expected[i]]
    for index, got, wanted in differences:
        side = "mac->windows" if index < 128 else "windows->mac"
        print(f"{side} 0x{0x80 + index % 128:02X}: program {got}, expected 0x{wanted:02X}")
    return 1 if differences or len(program) != len(expected) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
