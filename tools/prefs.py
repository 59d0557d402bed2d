#!/usr/bin/env python3
"""Reads and writes Dravim's preference file ("Dravim Preferences.prf") as JSON.

Usage:
    prefs.py read FILE            prints the file as JSON
    prefs.py write FILE           writes the file from JSON on standard input

The JSON object (every key optional when writing; missing ones take the program's defaults):
    {"version": [1, 0, 0], "copyright": "...",
     "location": [h, v],                                   -32768, -32768: not saved
     "folder_dialog": {"platform": "Win", "folder": "C:\\\\Out\\\\" or null,
                       "position": [left, top, right, bottom]},
     "save_dialog": {"file_type": {"description": "...", "extensions": [".kpl"], "type": "KPL "} or null,
                     "platform": "Win", "folder": ... , "position": [...]},
     "packer_alert_count": n}
A file the program would refuse is refused here too, with a message and exit status 1.
"""
import json
import struct
import sys

PATH_TAG = 0xF11E54ED
COPYRIGHT = "Copyright (C) 2026 Quenholt. All rights reserved."


class BadFile(Exception):
    pass


class Reader:
    def __init__(self, data):
        self.data, self.at = data, 0

    def take(self, count):
        if count < 0 or count > len(self.data) - self.at:
            raise BadFile(f"{count} bytes asked at offset {self.at}, {len(self.data) - self.at} left")
        part = self.data[self.at:self.at + count]
        self.at += count
        return part

    def u8(self):
        return self.take(1)[0]

    def u32(self):
        return struct.unpack(">I", self.take(4))[0]

    def i32(self):
        return struct.unpack(">i", self.take(4))[0]

    def i16(self):
        return struct.unpack(">h", self.take(2))[0]

    def text(self):
        return self.take(self.u32()).decode("latin-1")


def read_data_version(reader):
    marker, major, minor, bugfix, _ = reader.take(5)
    if marker != 0xBC or major != 1:
        raise BadFile("unknown data version")
    return [major, minor, bugfix]


def read_path(reader):
    if reader.u32() != PATH_TAG:
        raise BadFile("bad folder tag")
    return reader.text()


def read_position(reader):
    top, left, bottom, right = (reader.i16() for _ in range(4))
    return [left, top, right, bottom]


def read_dialog_state(reader, key, with_file_type):
    if reader.take(4) != key.encode("latin-1"):
        raise BadFile(f"dialog state key is not {key}")
    state = {}
    if with_file_type:
        state["file_type"] = None
        if reader.u8() == 1:
            description, extensions = reader.text(), reader.text()
            state["file_type"] = {"description": description,
                                  "extensions": [e for e in extensions.split(";") if e],
                                  "type": reader.take(4).decode("latin-1")}
    state["platform"] = reader.text()
    state["folder"], state["position"] = None, [0, 0, 0, 0]
    if state["platform"] == "Win":
        if reader.u8() == 1:
            state["folder"] = read_path(reader)
        state["position"] = read_position(reader)
    return state


def chunks(data):
    """(id, data) of each chunk, pad bytes skipped."""
    reader = Reader(data)
    while reader.at < len(data):
        chunk_id = reader.take(4).decode("latin-1")
        size = reader.u32()
        yield chunk_id, reader.take(size)
        if size & 1:
            reader.take(1)


def read_file(data):
    reader = Reader(data)
    if reader.take(4) != b"CAT ":
        raise BadFile("not a CAT group")
    group = Reader(reader.take(reader.u32()))
    if group.take(4) != b"PREF":
        raise BadFile("not a preference file")
    found = dict(chunks(group.data[4:]))
    if "VERS" not in found or len(found["VERS"]) != 256:
        raise BadFile("no 256-byte VERS chunk")
    stamp = found["VERS"]
    if stamp[0:4] != b"Qevo" or stamp[4] != 0xBC or stamp[5] != 1:
        raise BadFile("foreign signature or version")
    result = {"version": list(stamp[5:8]), "copyright": stamp[9:].split(b"\0")[0].decode("latin-1")}
    for required in ("WPos", "Gnrl"):
        if required not in found:
            raise BadFile(f"no {required} chunk")
    wpos = Reader(found["WPos"])
    read_data_version(wpos)
    result["location"] = [wpos.i32(), wpos.i32()]
    result["folder_dialog"] = read_dialog_state(wpos, "Conv", False)
    result["save_dialog"] = read_dialog_state(wpos, "KPCo", True)
    general = Reader(found["Gnrl"])
    read_data_version(general)
    result["packer_alert_count"] = general.u32()
    return result


def text_bytes(text):
    encoded = text.encode("latin-1")
    return struct.pack(">I", len(encoded)) + encoded


def dialog_state_bytes(key, state, with_file_type):
    out = key.encode("latin-1")
    if with_file_type:
        file_type = state.get("file_type")
        if file_type:
            out += (b"\1" + text_bytes(file_type["description"])
                    + text_bytes("".join(e + ";" for e in file_type["extensions"]))
                    + file_type["type"].encode("latin-1").ljust(4, b"\0")[:4])
        else:
            out += b"\0"
    platform = state.get("platform", "Win")
    out += text_bytes(platform)
    if platform == "Win":
        folder = state.get("folder")
        if folder:
            if not folder.endswith("\\"):
                folder += "\\"
            out += b"\1" + struct.pack(">I", PATH_TAG) + text_bytes(folder)
        else:
            out += b"\0"
        left, top, right, bottom = state.get("position", [0, 0, 0, 0])
        out += struct.pack(">hhhh", *(((v + 0x8000) & 0xFFFF) - 0x8000 for v in (top, left, bottom, right)))
    return out


def chunk_bytes(chunk_id, data):
    return chunk_id.encode("latin-1") + struct.pack(">I", len(data)) + data + (b"\0" if len(data) & 1 else b"")


def write_file(prefs):
    major, minor, bugfix = prefs.get("version", [1, 0, 0])
    copyright_line = prefs.get("copyright", COPYRIGHT).replace("\n", "")[:128].encode("latin-1")
    stamp = (b"Qevo" + bytes((0xBC, major, minor, bugfix, 0)) + copyright_line).ljust(256, b"\0")
    location = prefs.get("location", [-32768, -32768])
    wpos = (bytes((0xBC, 1, 0, 0, 0)) + struct.pack(">ii", *location)
            + dialog_state_bytes("Conv", prefs.get("folder_dialog", {}), False)
            + dialog_state_bytes("KPCo", prefs.get("save_dialog", {}), True))
    general = bytes((0xBC, 1, 0, 0, 0)) + struct.pack(">I", prefs.get("packer_alert_count", 0))
    body = b"PREF" + chunk_bytes("VERS", stamp) + chunk_bytes("WPos", wpos) + chunk_bytes("Gnrl", general)
    return b"CAT " + struct.pack(">I", len(body)) + body


def main(argv):
    if len(argv) != 3 or argv[1] not in ("read", "write"):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        if argv[1] == "read":
            with open(argv[2], "rb") as source:
                print(json.dumps(read_file(source.read()), indent=2))
        else:
            data = write_file(json.load(sys.stdin))
            with open(argv[2], "wb") as output:
                output.write(data)
    except (OSError, BadFile, ValueError, KeyError, TypeError, struct.error) as error:
        print(f"prefs.py: {argv[2]}: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
