#!/usr/bin/env python3
"""Reads the WAVE files the writer tests left behind with readers that share no code with ours.

For every file of the manifest (name, channels, bits, rate, frames, loop mode, alternate, loop start,
loop end, unity note, pitch fraction) and its expected PCM (NAME.pcm, taken from the test's own input):
- Python's wave module: format, frame count and exact PCM;
- soxi and sox (8, 16 and 24 bits only: sox miscounts the frames of 20- and 22-bit files);
- sndfile-info: frame count, loop count, type, start, inclusive end, MIDI note, and no error;
- a plain struct walk: chunk order and sizes, the pad byte, the RIFF size and the raw "smpl" fields.
A missing tool fails; nothing is skipped.
"""
import pathlib
import re
import struct
import subprocess
import sys
import wave

LOOP_NONE, LOOP_BACKWARD, LOOP_FORWARD = 42, 43, 44
ALTERNATE_YES = 100


class Checker:
    def __init__(self):
        self.failures = []

    def expect(self, condition, name, what):
        if not condition:
            self.failures.append(f"{name}: {what}")


def run(*args):
    return subprocess.run(args, check=True, capture_output=True).stdout


def read_manifest(folder):
    entries = []
    for line in (folder / "manifest.txt").read_text().splitlines():
        fields = line.split()
        entry = dict(zip(("channels", "bits", "rate", "frames", "loop", "alternate", "start", "end",
                          "note", "fraction"), map(int, fields[1:])))
        entry["name"] = fields[0]
        entries.append(entry)
    return entries


def check_with_wave_module(c, e, path, pcm):
    with wave.open(str(path), "rb") as w:
        c.expect(w.getnchannels() == e["channels"], e["name"], f"wave channels {w.getnchannels()}")
        c.expect(w.getsampwidth() == (e["bits"] + 7) // 8, e["name"], f"wave width {w.getsampwidth()}")
        c.expect(w.getframerate() == e["rate"], e["name"], f"wave rate {w.getframerate()}")
        c.expect(w.getnframes() == e["frames"], e["name"], f"wave frames {w.getnframes()}")
        c.expect(w.readframes(w.getnframes()) == pcm, e["name"], "wave PCM differs")


def check_with_sox(c, e, path, pcm):
    if e["bits"] not in (8, 16, 24):
        return
    for option, expected in (("-c", e["channels"]), ("-r", e["rate"]), ("-b", e["bits"]), ("-s", e["frames"])):
        value = int(run("soxi", option, str(path)).decode().strip())
        c.expect(value == expected, e["name"], f"soxi {option} gives {value}, expected {expected}")
    c.expect(run("sox", str(path), "-t", "raw", "-") == pcm, e["name"], "sox raw samples differ")


def check_with_sndfile(c, e, path):
    text = run("sndfile-info", str(path)).decode(errors="replace")
    # libsndfile notes every odd-length "data" chunk, pad byte or not; the struct walk checks the pad.
    problems = [line for line in text.splitlines()
                if ("***" in line or "rror" in line) and "should be an even number of bytes" not in line]
    c.expect(not problems, e["name"], f"sndfile-info reports {problems}")
    frames = re.search(r"^Frames\s*:\s*(\d+)", text, re.M)
    c.expect(frames and int(frames.group(1)) == e["frames"], e["name"], "sndfile-info frame count")
    loop_count = re.search(r"Loop Count\s*:\s*(\d+)", text)
    note = re.search(r"Midi Note\s*:\s*(\d+)", text)
    loops = re.findall(r"Type\s*:\s*(\d+)\s+Start\s*:\s*(\d+)\s+End\s*:\s*(\d+)", text)
    if e["loop"] == LOOP_NONE:
        c.expect(loop_count is None and note is None, e["name"], "sndfile-info finds a smpl chunk")
        return
    expected_loops = 1 if e["loop"] == LOOP_FORWARD else 0
    c.expect(loop_count and int(loop_count.group(1)) == expected_loops, e["name"], "sndfile-info loop count")
    c.expect(note and int(note.group(1)) == e["note"], e["name"], "sndfile-info MIDI note")
    if e["loop"] == LOOP_FORWARD:
        loop_type = 1 if e["alternate"] == ALTERNATE_YES else 0
        expected = [(str(loop_type), str(e["start"]), str(e["end"] - 1))]
        c.expect(loops == expected, e["name"], f"sndfile-info loop {loops}, expected {expected}")
    else:
        c.expect(not loops, e["name"], f"sndfile-info shows loops {loops}")


def check_chunks(c, e, data, pcm):
    name = e["name"]
    c.expect(data[0:4] == b"RIFF" and data[8:12] == b"WAVE", name, "no RIFF/WAVE header")
    c.expect(struct.unpack_from("<I", data, 4)[0] == len(data) - 8, name, "RIFF size is not file size - 8")
    chunks = []
    offset = 12
    while offset + 8 <= len(data):
        chunk_id, size = struct.unpack_from("<4sI", data, offset)
        chunks.append((chunk_id, size, offset + 8))
        offset += 8 + size
        if size % 2:
            c.expect(data[offset:offset + 1] == b"\0", name, f"no zero pad byte after {chunk_id}")
            offset += 1
    c.expect(offset == len(data), name, "chunks do not end at the end of the file")

    ids = [chunk[0] for chunk in chunks]
    has_smpl = e["loop"] != LOOP_NONE
    c.expect(ids == ([b"fmt ", b"smpl", b"data"] if has_smpl else [b"fmt ", b"data"]), name, f"chunk order {ids}")
    sizes = {chunk[0]: (chunk[1], chunk[2]) for chunk in chunks}
    width = (e["bits"] + 7) // 8
    fmt_size, fmt = sizes.get(b"fmt ", (0, 0))
    c.expect(fmt_size == 16, name, f"fmt size {fmt_size}")
    expected_fmt = (1, e["channels"], e["rate"], e["rate"] * width * e["channels"], width * e["channels"], e["bits"])
    c.expect(struct.unpack_from("<HHIIHH", data, fmt) == expected_fmt, name, "fmt fields")
    data_size, samples = sizes.get(b"data", (0, 0))
    c.expect(data_size == e["frames"] * e["channels"] * width, name, f"data size {data_size}")
    c.expect(data[samples:samples + data_size] == pcm, name, "data bytes differ")
    if not has_smpl:
        return
    smpl_size, smpl = sizes[b"smpl"]
    c.expect(smpl_size == (60 if e["loop"] == LOOP_FORWARD else 36), name, f"smpl size {smpl_size}")
    header = struct.unpack_from("<9I", data, smpl)
    period = 1000000000 // e["rate"]
    loops = 1 if e["loop"] == LOOP_FORWARD else 0
    expected_header = (0, 0, period, e["note"], e["fraction"], 0, 0, loops, 0)
    c.expect(header == expected_header, name, f"smpl header {header}, expected {expected_header}")
    if loops:
        record = struct.unpack_from("<6I", data, smpl + 36)
        loop_type = 1 if e["alternate"] == ALTERNATE_YES else 0
        expected_record = (0, loop_type, e["start"], e["end"] - 1, 0, 0)
        c.expect(record == expected_record, name, f"loop record {record}, expected {expected_record}")


def main():
    folder = pathlib.Path(sys.argv[1])
    entries = read_manifest(folder)
    c = Checker()
    c.expect(len(entries) >= 9, "manifest", f"{len(entries)} files")
    for e in entries:
        path = folder / f"{e['name']}.wav"
        pcm = (folder / f"{e['name']}.pcm").read_bytes()
        check_with_wave_module(c, e, path, pcm)
        check_with_sox(c, e, path, pcm)
        check_with_sndfile(c, e, path)
        check_chunks(c, e, path.read_bytes(), pcm)
    for failure in c.failures:
        print(failure)
    print(f"{len(entries)} files, {len(c.failures)} failures")
    return 1 if c.failures else 0


if __name__ == "__main__":
    sys.exit(main())
