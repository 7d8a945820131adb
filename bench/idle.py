#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts a program and reports how long it takes to show its window and
fall idle, and how much memory it needed on the way.

    bench/idle.py --title TEXT [--quiet-ms 400] -- PROGRAM ARGS...

Idle means: a window whose name contains TEXT exists on $DISPLAY, and from
some moment on the program and its child processes together use less than
--quiet-cpu-ms of processor time for --quiet-ms. The time reported is that
moment, counted from the start of the program. The program is then ended.

Prints one line: seconds peak_rss_kb rss_kb (peak and current resident size
of the program's own process when it fell idle, from /proc).
"""
import argparse
import os
import signal
import subprocess
import sys
import tempfile
import time


def children(pid):
    """pid and every process below it."""
    found = [pid]
    for p in found:
        # A child is listed under the thread that started it, not always
        # the main one (the browser engine starts its helpers from its own).
        try:
            tasks = os.listdir(f"/proc/{p}/task")
        except OSError:
            continue
        for t in tasks:
            try:
                with open(f"/proc/{p}/task/{t}/children") as f:
                    found.extend(int(c) for c in f.read().split())
            except OSError:
                pass
    return found


def cpu_ns(pid):
    """Processor time used so far by pid's threads and its children's."""
    total = 0
    for p in children(pid):
        try:
            tasks = os.listdir(f"/proc/{p}/task")
        except OSError:
            continue
        for t in tasks:
            try:
                with open(f"/proc/{p}/task/{t}/schedstat") as f:
                    total += int(f.read().split()[0])
            except (OSError, ValueError, IndexError):
                pass
    return total


def memory_kb(pid):
    peak = rss = 0
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    peak = int(line.split()[1])
                elif line.startswith("VmRSS:"):
                    rss = int(line.split()[1])
    except OSError:
        pass
    return peak, rss


def has_window(title):
    """Whether a window named with title is shown on the display."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    for line in tree.splitlines():
        fields = line.split()
        if title not in line or not fields or not fields[0].startswith("0x"):
            continue
        info = subprocess.run(["xwininfo", "-id", fields[0]], capture_output=True,
                              text=True).stdout
        if "IsViewable" in info:
            return True
    return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--title", required=True)
    parser.add_argument("--quiet-ms", type=float, default=400)
    parser.add_argument("--quiet-cpu-ms", type=float, default=4)
    parser.add_argument("--timeout", type=float, default=60)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    errors = tempfile.TemporaryFile()
    start = time.monotonic()
    proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=errors,
                            start_new_session=True)
    samples = []  # (seconds since start, cpu ns)
    shown = None
    result = None
    next_window_check = 0.0
    quiet = args.quiet_ms / 1000
    i = j = 0  # candidate moment, and the last sample within quiet of it
    try:
        while time.monotonic() - start < args.timeout:
            if proc.poll() is not None:
                errors.seek(0)
                said = errors.read().decode(errors="replace").strip().splitlines()[-3:]
                sys.exit(f"{command[0]} ended (exit status {proc.returncode}) before it fell "
                         "idle:\n" + "\n".join(said))
            now = time.monotonic() - start
            samples.append((now, cpu_ns(proc.pid)))
            if shown is None and now >= next_window_check:
                if has_window(args.title):
                    # Checked every 50 ms: the window may be that much older.
                    shown = now - 0.05
                next_window_check = now + 0.05
            while shown is not None and result is None:
                while samples[i][0] < shown:
                    i += 1
                if now - samples[i][0] < quiet:
                    break
                j = max(j, i)
                while j + 1 < len(samples) and samples[j + 1][0] - samples[i][0] <= quiet:
                    j += 1
                if samples[j][1] - samples[i][1] <= args.quiet_cpu_ms * 1e6:
                    result = samples[i][0]
                else:
                    i += 1
            if result is not None:
                break
            time.sleep(0.005)
        if result is None:
            sys.exit(f"{command[0]} did not fall idle within {args.timeout} s")
        peak, rss = memory_kb(proc.pid)
        print(f"{result:.3f} {peak} {rss}")
    finally:
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        proc.wait()


if __name__ == "__main__":
    main()
