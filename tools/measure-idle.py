#!/usr/bin/env python3
"""What a program costs while it waits with nothing to do, under Wine.

    tools/measure-idle.py [--settle S] [--seconds N] [--prefix DIR] PROGRAM.exe [ARGUMENTS...]

Starts the program through cmake/wine-run in a Wine prefix of its own (a copy of the build tree's, so that
no other program shares its Wine server), lets it settle for S seconds (20), then reads the host's process
table at the start and the end of N seconds (60): the processor time (user and system) of the program and
of its Wine server, and the voluntary context switches of each thread, which count how often a thread went
to sleep and was woken again. Prints the share of one core and the wake-ups a second, per thread and in
total, then ends the program and its server.
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def processes_of_prefix(prefix):
    """The pids of the host processes started with this WINEPREFIX, with their names."""
    found = {}
    entry = b"WINEPREFIX=" + prefix.encode()
    for name in os.listdir("/proc"):
        if not name.isdigit():
            continue
        environment = read(f"/proc/{name}/environ")
        comm = read(f"/proc/{name}/comm")
        if environment is None or comm is None:
            continue
        if entry in environment.split(b"\0"):
            found[int(name)] = comm.decode(errors="replace").strip()
    return found


def processor_seconds(pid):
    stat = read(f"/proc/{pid}/stat")
    if stat is None:
        return None
    fields = stat.rsplit(b")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS_PER_SECOND  # utime, stime


def thread_wakeups(pid):
    """Voluntary context switches by thread id, with the thread's name."""
    threads = {}
    try:
        tids = os.listdir(f"/proc/{pid}/task")
    except OSError:
        return threads
    for tid in tids:
        status = read(f"/proc/{pid}/task/{tid}/status")
        if status is None:
            continue
        values = dict(line.split(b":", 1) for line in status.splitlines() if b":" in line)
        threads[int(tid)] = (values[b"Name"].strip().decode(errors="replace"),
                             int(values[b"voluntary_ctxt_switches"]))
    return threads


def snapshot(pids):
    return {pid: (processor_seconds(pid), thread_wakeups(pid)) for pid in pids}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--settle", type=float, default=20.0)
    parser.add_argument("--seconds", type=float, default=60.0)
    parser.add_argument("--prefix", help="the Wine prefix to copy (default: build/win64/wineprefix)")
    parser.add_argument("program", nargs=argparse.REMAINDER)
    arguments = parser.parse_args()
    if not arguments.program:
        parser.error("name the program to measure")

    source_prefix = arguments.prefix or os.path.join(ROOT, "build", "win64", "wineprefix")
    work = tempfile.mkdtemp(prefix="dravim-idle-")
    prefix = os.path.join(work, "prefix")
    shutil.copytree(source_prefix, prefix, symlinks=True)
    environment = dict(os.environ, WINEPREFIX=prefix, DRAVIM_WINE_BUILD_ROOT=work)
    program = subprocess.Popen([os.path.join(ROOT, "cmake", "wine-run")] + arguments.program, env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        time.sleep(arguments.settle)
        if program.poll() is not None:
            print(f"the program ended during the settling time (exit code {program.returncode})")
            return 1
        pids = processes_of_prefix(prefix)
        program_name = os.path.basename(arguments.program[0]).lower()
        watched = {pid: name for pid, name in pids.items()
                   if name.startswith("wineserver") or name.lower() == program_name[:15]}
        if not watched:
            print("neither the program nor its Wine server was found; processes of the prefix:", pids)
            return 1
        start_time = time.monotonic()
        before = snapshot(watched)
        time.sleep(arguments.seconds)
        after = snapshot(watched)
        elapsed = time.monotonic() - start_time

        total_share = 0.0
        total_wakeups = 0.0
        print("processes of the prefix: " + ", ".join(f"{name} ({pid})" for pid, name in sorted(pids.items())))
        print(f"over {elapsed:.1f} s of waiting:")
        for pid, name in sorted(watched.items(), key=lambda item: item[1]):
            start_seconds, start_threads = before[pid]
            end_seconds, end_threads = after[pid]
            if start_seconds is None or end_seconds is None:
                print(f"  {name} ({pid}) ended while measured")
                continue
            share = 100.0 * (end_seconds - start_seconds) / elapsed
            total_share += share
            wakeups = 0.0
            lines = []
            for tid, (thread_name, switches) in sorted(end_threads.items()):
                earlier = start_threads.get(tid, (thread_name, 0))[1]
                rate = (switches - earlier) / elapsed
                wakeups += rate
                if rate >= 0.05:
                    lines.append(f"    thread {tid} ({thread_name}): {rate:.1f} wake-ups/s")
            total_wakeups += wakeups
            print(f"  {name} ({pid}): {share:.2f} % of a core, {wakeups:.1f} wake-ups/s")
            for line in lines:
                print(line)
        print(f"  together: {total_share:.2f} % of a core, {total_wakeups:.1f} wake-ups/s")
        return 0
    finally:
        try:
            os.killpg(program.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        program.wait()
        subprocess.run(["wineserver", "-k"], env=environment, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
