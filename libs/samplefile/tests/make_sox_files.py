#!/usr/bin/env python3
"""Makes WAVE files with sox for the reader tests: 8, 16 and 24 bits, mono and stereo.

For each file the manifest records what soxi says (channels, rate, bits, frames), and NAME.raw holds the
samples as sox itself decodes them (sox FILE -t raw -). A missing tool fails; nothing is skipped.
"""
import pathlib
import shutil
import subprocess
import sys


def run(*args):
    return subprocess.run(args, check=True, capture_output=True).stdout


def soxi(option, path):
    return int(run("soxi", option, str(path)).decode().strip())


def main():
    folder = pathlib.Path(sys.argv[1])
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    lines = []
    for bits in (8, 16, 24):
        for channels in (1, 2):
            name = f"sox{bits}-{channels}"
            wav = folder / f"{name}.wav"
            rate = 11025 * channels + bits
            tones = ["sine", "440"] + (["square", "300"] if channels == 2 else [])
            # wavpcm: a plain PCM "fmt ", where sox would otherwise write the extensible form above 16 bits.
            run("sox", "-n", "-r", str(rate), "-b", str(bits), "-c", str(channels), "-t", "wavpcm", str(wav),
                "synth", "0.05", *tones, "vol", "0.9")
            (folder / f"{name}.raw").write_bytes(run("sox", str(wav), "-t", "raw", "-"))
            lines.append(f"{name} {soxi('-c', wav)} {soxi('-b', wav)} {soxi('-r', wav)} {soxi('-s', wav)}\n")
    (folder / "manifest.txt").write_text("".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
