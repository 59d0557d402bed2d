#!/usr/bin/env python3
"""Checks sampler patch files (".mqp") byte for byte, independently of the program that wrote them.

Usage: check_patch.py FOLDER_OR_FILE...

Every ".mqp" file is checked for its structure: the IFF framing (big-endian sizes, a zero pad byte after
odd data), the chunk order FORM "PTCH" > CAT "REFS" > REFE..., DESC, AUTH, PARM, BODY and nothing after;
each REFE, DESC, AUTH and PARM chunk byte for byte; the BODY versions, parameter records and zone count;
every field of every 241-byte zone record at its offset (the zone's position at offset 0, the constant
bytes, the ranges, each flag byte 1 exactly when the value before it is its range's minimum); one sample
slot entry per zone; and the two 17-byte tails.

A JSON file of the same stem beside a ".mqp" file names values the file must hold, each key optional:
"program", "references", "slots", "parameters" ([number, kind, value, rate] each) and "zones" (one object
per zone, field name to value). A field a zone object names is compared with it instead of with its
constant.
"""

import json
import os
import struct
import sys

PRODUCT = b"Quenholt Dravim"
WEB_ADDRESS = b"http://www.quenholt.com/"
SAMPLER = b"Mirq Digital Sampler"
PARM_DATA = bytes([0xBC, 1, 0, 0, 0, 9, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0, 11, 0, 12, 0, 13, 100, 0])
TAIL = bytes([0xBC, 1, 0, 0, 0, 0xBC, 1, 2, 0, 0, 0, 0xBC, 1, 4, 0, 0, 0])
ZONE_SIZE = 241
INT32_MAX = 2**31 - 1

# (name, offset, width, signed, minimum, maximum, constant or None, flag byte follows)
ZONE_FIELDS = [
    ("lowKey", 4, 1, False, 0, 127, None, False),
    ("highKey", 5, 1, False, 0, 127, None, False),
    ("lowVelocity", 6, 1, False, 1, 127, None, False),
    ("highVelocity", 7, 1, False, 1, 127, None, False),
    ("rootKey", 8, 1, False, 0, 127, None, False),
    ("fineTune", 9, 2, True, -50, 50, None, False),
    ("sampleStart", 11, 4, True, 0, INT32_MAX, None, False),
    ("sampleEnd", 15, 4, True, 0, INT32_MAX, None, False),
    ("loopStart", 19, 4, True, 0, INT32_MAX, None, False),
    ("loopEnd", 23, 4, True, 0, INT32_MAX, None, False),
    ("frameCount", 27, 4, True, 0, INT32_MAX, None, False),
    ("loopMode", 31, 1, False, 0, 3, None, False),
    ("firstReserved", 32, 1, False, 0, 255, 0, False),
    ("velocityFadeLow", 33, 1, False, 0, 127, None, False),
    ("velocityFadeHigh", 34, 1, False, 1, 128, None, False),
    ("secondReserved", 35, 1, False, 0, 255, 0, False),
]
ZONE_FIELDS += [("amount%d" % (i + 1), 36 + 4 * i, 4, True, -1000, 1000, None, False) for i in range(11)]
ZONE_FIELDS += [("switch%d" % (i + 1), 80 + i, 1, False, 0, 255, c, False)
                for i, c in enumerate([1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1])]
ZONE_FIELDS += [
    ("lfo1.typeByte", 92, 1, False, 0, 255, 1, False),
    ("lfo1.rate", 93, 4, True, -9700, 4500, None, False),
    ("lfo1.stepByte", 97, 1, False, 0, 15, None, False),
    ("lfo1.delay", 98, 4, True, -10500, 3986, None, True),
    ("lfo1.targetByte", 103, 1, False, 0, 255, 101, False),
    ("lfo1.pitchAmount", 104, 4, True, -2400, 2400, None, False),
    ("lfo1.firstAmount", 108, 4, True, -1000, 1000, None, False),
    ("lfo1.secondAmount", 112, 4, True, -1000, 1000, None, False),
    ("lfo1.endByte", 116, 1, False, 0, 255, 89, False),
    ("lfo2.rate", 117, 4, True, -9700, 4500, None, False),
    ("lfo2.delay", 121, 4, True, -10500, 3986, None, True),
    ("lfo2.pitchAmount", 126, 4, True, -2400, 2400, None, False),
    ("lfo2.amount", 130, 4, True, -1000, 1000, None, False),
    ("modEnv.delay", 134, 4, True, -10500, 3986, None, True),
    ("modEnv.attack", 139, 4, True, -14400, 6774, None, True),
    ("modEnv.hold", 144, 4, True, -14400, 6774, None, True),
    ("modEnv.decay", 149, 4, True, -14400, 6774, None, False),
    ("modEnv.sustain", 153, 4, True, 0, 1000, None, False),
    ("modEnv.release", 157, 4, True, -14400, 6774, None, False),
    ("modEnv.curve", 161, 4, True, -200, 200, None, False),
    ("modEnv.amount", 165, 4, True, -1000, 1000, None, False),
    ("modEnv.pitchAmount", 169, 4, True, -4800, 4800, None, False),
    ("bendRange", 173, 1, False, 0, 24, None, False),
    ("octave", 174, 1, True, -5, 5, None, False),
    ("semitone", 175, 2, True, -12, 12, None, False),
    ("cents", 177, 2, True, -50, 50, None, False),
    ("pitchKeyTracking", 179, 4, True, 0, 1200, None, False),
    ("filter.mode", 183, 1, False, 0, 255, 1, False),
    ("filter.frequency", 184, 4, True, 0, 14100, None, False),
    ("filter.resonance", 188, 4, True, 0, 1000, None, False),
    ("filter.typeByte", 192, 1, False, 0, 255, 61, False),
    ("filter.keyTracking", 193, 4, True, 0, 1200, None, False),
    ("ampEnv.delay", 197, 4, True, -10500, 3986, None, True),
    ("ampEnv.attack", 202, 4, True, -14400, 6774, None, True),
    ("ampEnv.hold", 207, 4, True, -14400, 6774, None, True),
    ("ampEnv.decay", 212, 4, True, -14400, 6774, None, False),
    ("ampEnv.sustainGain", 216, 4, True, -1440, 0, None, False),
    ("ampEnv.release", 220, 4, True, -14400, 6774, None, False),
    ("ampEnv.curve", 224, 4, True, -200, 200, None, False),
    ("level", 228, 4, True, -1440, 846, None, False),
    ("pan", 232, 4, True, -1000, 1000, None, False),
    ("panTypeByte", 236, 1, False, 0, 255, 87, False),
    ("panAmount", 237, 4, True, 0, 1000, None, False),
]
FIELD_NAMES = {f[0] for f in ZONE_FIELDS} | {"slotIndex"}


class Bad(Exception):
    pass


def need(condition, message):
    if not condition:
        raise Bad(message)


class Reader:
    def __init__(self, data, what):
        self.data = data
        self.at = 0
        self.what = what

    def take(self, count):
        need(self.at + count <= len(self.data), "%s: ends early at %d" % (self.what, self.at))
        part = self.data[self.at:self.at + count]
        self.at += count
        return part

    def u8(self):
        return self.take(1)[0]

    def u32(self):
        return struct.unpack(">I", self.take(4))[0]

    def version(self, major, minor):
        got = self.take(5)
        need(got == bytes([0xBC, major, minor, 0, 0]), "%s: version %d.%d expected, got %s at %d"
             % (self.what, major, minor, got.hex(), self.at - 5))

    def string(self):
        return self.take(self.u32())

    def expect(self, expected, what):
        got = self.take(len(expected))
        need(got == expected, "%s: %s is %s, not %s" % (self.what, what, got.hex(), expected.hex()))

    def end(self):
        need(self.at == len(self.data), "%s: %d bytes left over" % (self.what, len(self.data) - self.at))


def chunks(data, what):
    """Splits group contents into (id, data) chunks, checking sizes and pad bytes."""
    result = []
    at = 0
    while at < len(data):
        need(at + 8 <= len(data), "%s: chunk header cut at %d" % (what, at))
        chunk_id = data[at:at + 4]
        size = struct.unpack(">I", data[at + 4:at + 8])[0]
        need(size < 2**31, "%s: negative size" % what)
        start = at + 8
        need(start + size <= len(data), "%s: chunk %r runs past its group" % (what, chunk_id))
        result.append((chunk_id, data[start:start + size]))
        at = start + size
        if size % 2:
            need(at < len(data) and data[at] == 0, "%s: odd chunk %r lacks its zero pad byte" % (what, chunk_id))
            at += 1
    return result


def check_refe(data, index):
    r = Reader(data, "REFE %d" % index)
    r.version(1, 1)
    r.version(1, 1)
    r.expect(bytes([1, 0, 0, 0, 0, 0, 0, 0, 1]), "reference record")
    name = r.string()
    r.version(1, 2)
    r.expect(b"\x00", "empty object")
    r.version(1, 4)
    r.expect(b"\x00", "empty object")
    need(r.string() == name, "REFE %d: the two names differ" % index)
    need(r.string() == b"", "REFE %d: third string not empty" % index)
    need(r.string() == b"", "REFE %d: fourth string not empty" % index)
    r.expect(b"\x0d", "byte 0x0D")
    need(r.string() == b"", "REFE %d: last string not empty" % index)
    r.end()
    need(len(data) == 52 + 2 * len(name), "REFE %d: size %d, not 52 + 2 x %d" % (index, len(data), len(name)))
    return name


def field_value(zone, field):
    name, offset, width, signed, *_ = field
    raw = zone[offset:offset + width]
    fmt = {1: "b", 2: ">h", 4: ">i"}[width] if signed else {1: "B", 2: ">H", 4: ">I"}[width]
    return struct.unpack(fmt, raw)[0]


def check_zone(zone, position, expected, what):
    errors = []
    slot_index = struct.unpack(">i", zone[0:4])[0]
    if slot_index != position:
        errors.append("slot index %d, not its position %d" % (slot_index, position))
    if expected is not None and "slotIndex" in expected and expected["slotIndex"] != slot_index:
        errors.append("slot index %d, expected %d" % (slot_index, expected["slotIndex"]))
    for field in ZONE_FIELDS:
        name, offset, width, signed, low, high, constant, flagged = field
        value = field_value(zone, field)
        if not low <= value <= high:
            errors.append("%s = %d outside %d..%d" % (name, value, low, high))
        if expected is not None and name in expected:
            if value != expected[name]:
                errors.append("%s = %d, expected %d" % (name, value, expected[name]))
        elif constant is not None and value != constant:
            errors.append("%s = %d, not the constant %d" % (name, value, constant))
        if flagged:
            flag = zone[offset + width]
            if flag != (1 if value == low else 0):
                errors.append("flag after %s = %d is %d" % (name, value, flag))
    if expected is not None:
        unknown = set(expected) - FIELD_NAMES
        if unknown:
            errors.append("expectation names unknown fields %s" % sorted(unknown))
    need(not errors, "%s: %s" % (what, "; ".join(errors)))


def check_body(data, references, expected):
    r = Reader(data, "BODY")
    r.version(1, 0)
    r.version(2, 0)
    parameters = []
    for _ in range(r.u32()):
        number, kind, value = r.u8(), r.u8(), r.u8()
        rate = struct.unpack(">i", r.take(4))[0]
        need(1 <= number <= 99 and kind in (46, 47) and 0 <= value <= 127 and -9700 <= rate <= 4500,
             "BODY: parameter record %s out of range" % [number, kind, value, rate])
        parameters.append([number, kind, value, rate])
    r.version(2, 2)
    zone_count = r.u32()
    zone_expectations = None
    if expected is not None and "parameters" in expected:
        need(parameters == expected["parameters"], "BODY: parameters %s, expected %s"
             % (parameters, expected["parameters"]))
    if expected is not None and "zones" in expected:
        zone_expectations = expected["zones"]
        need(zone_count == len(zone_expectations), "BODY: %d zones, expected %d" % (zone_count, len(zone_expectations)))
    need(zone_count >= 1, "BODY: no zone")
    for position in range(zone_count):
        check_zone(r.take(ZONE_SIZE), position, zone_expectations[position] if zone_expectations else None,
                   "zone %d" % position)
    slots = []
    for position in range(zone_count):
        marker = r.u8()
        if marker == 0:
            slots.append("")
            continue
        need(marker == 1, "slot %d: marker %d" % (position, marker))
        r.expect(bytes([0xBC, 4, 1, 0, 0, 1]), "slot %d reference header" % position)
        index = r.u32()
        need(index < len(references), "slot %d: reference %d of %d" % (position, index, len(references)))
        slots.append(references[index].decode("latin-1"))
    if expected is not None and "slots" in expected:
        need(slots == expected["slots"], "slots %s, expected %s" % (slots, expected["slots"]))
    r.expect(TAIL, "first tail")
    r.expect(TAIL, "second tail")
    r.end()


def check_file(path):
    with open(path, "rb") as f:
        data = f.read()
    expected = None
    json_path = os.path.splitext(path)[0] + ".json"
    if os.path.exists(json_path):
        with open(json_path, encoding="utf-8") as f:
            expected = json.load(f)

    need(len(data) >= 12 and data[0:4] == b"FORM", "not an IFF FORM")
    form_size = struct.unpack(">I", data[4:8])[0]
    need(8 + form_size + (form_size % 2) == len(data), "FORM size %d does not cover the file of %d bytes"
         % (form_size, len(data)))
    need(data[8:12] == b"PTCH", "FORM type %r, not PTCH" % data[8:12])
    top = chunks(data[12:8 + form_size], "FORM")
    need([c[0] for c in top] == [b"CAT ", b"DESC", b"AUTH", b"PARM", b"BODY"],
         "chunk order %s" % [c[0] for c in top])

    cat = top[0][1]
    need(cat[0:4] == b"REFS", "CAT type %r, not REFS" % cat[0:4])
    references = []
    for index, (chunk_id, chunk) in enumerate(chunks(cat[4:], "REFS")):
        need(chunk_id == b"REFE", "REFS holds %r" % chunk_id)
        references.append(check_refe(chunk, index))
    need(len(set(references)) == len(references), "a reference appears twice")

    desc = Reader(top[1][1], "DESC")
    desc.version(1, 3)
    desc.expect(b"\x12", "byte 0x12")
    program = desc.string()
    desc.expect(struct.pack(">I", len(SAMPLER)) + SAMPLER, "sampler name")
    desc.end()

    auth = Reader(top[2][1], "AUTH")
    auth.version(1, 0)
    auth.expect(struct.pack(">I", len(PRODUCT)) + PRODUCT, "product")
    auth.expect(struct.pack(">I", len(WEB_ADDRESS)) + WEB_ADDRESS, "web address")
    auth.end()

    need(top[3][1] == PARM_DATA, "PARM is %s" % top[3][1].hex())

    if expected is not None and "program" in expected:
        need(program == expected["program"].encode("latin-1"), "program %r, expected %r" % (program, expected["program"]))
    if expected is not None and "references" in expected:
        need([r.decode("latin-1") for r in references] == expected["references"],
             "references %s, expected %s" % (references, expected["references"]))
    check_body(top[4][1], references, expected)
    return expected is not None


def main():
    paths = []
    for argument in sys.argv[1:]:
        if os.path.isdir(argument):
            paths += sorted(os.path.join(argument, n) for n in os.listdir(argument) if n.endswith(".mqp"))
        else:
            paths.append(argument)
    if not paths:
        sys.exit("no .mqp files to check")
    failures = 0
    for path in paths:
        try:
            with_values = check_file(path)
            print("ok   %s%s" % (os.path.basename(path), " (with expected values)" if with_values else ""))
        except Bad as error:
            failures += 1
            print("FAIL %s: %s" % (os.path.basename(path), error))
    if failures:
        sys.exit("%d of %d patch files failed" % (failures, len(paths)))


if __name__ == "__main__":
    main()
