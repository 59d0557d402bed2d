#!/usr/bin/env python3
"""The package's helpers, with nothing beyond Python's own library.

  package.py version PROGRAM.exe     prints the file version of the program's version resource (a.b.c)
  package.py zip FOLDER ZIP          packs FOLDER as ZIP, under a folder of FOLDER's name
  package.py unzip ZIP FOLDER        unpacks ZIP into FOLDER, which must not exist yet
"""

import os
import struct
import sys
import zipfile

sys.dont_write_bytecode = True

# VS_FIXEDFILEINFO starts with this signature and the structure's version 1.0, then the file version's two
# words; the pair is not found by chance in code.
FIXED_FILE_INFO_START = struct.pack("<II", 0xFEEF04BD, 0x00010000)


def file_version(path):
    with open(path, "rb") as program:
        data = program.read()
    at = data.find(FIXED_FILE_INFO_START)
    if at < 0 or len(data) < at + 16:
        raise ValueError("%s has no version resource" % path)
    most, least = struct.unpack_from("<II", data, at + 8)
    return "%d.%d.%d" % (most >> 16, most & 0xFFFF, least >> 16)


def pack(folder, archive):
    top = os.path.basename(os.path.normpath(folder))
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as out:
        for name in sorted(os.listdir(folder)):
            out.write(os.path.join(folder, name), top + "/" + name)


def unpack(archive, folder):
    os.makedirs(folder)
    with zipfile.ZipFile(archive) as source:
        for member in source.namelist():
            # Every name stays inside the folder.
            if member.startswith("/") or ".." in member.split("/"):
                raise ValueError("%s: unsafe name %s" % (archive, member))
        source.extractall(folder)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "version":
        print(file_version(sys.argv[2]))
    elif len(sys.argv) == 4 and sys.argv[1] == "zip":
        pack(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 4 and sys.argv[1] == "unzip":
        unpack(sys.argv[2], sys.argv[3])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (OSError, ValueError, zipfile.BadZipFile) as error:
        print("package.py: %s" % error, file=sys.stderr)
        sys.exit(1)
