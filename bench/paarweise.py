#!/usr/bin/env python3
"""Whole processes against their reference, run alternately.

  paarweise.py RUNDEN NAME -- BEFEHL ... -- REFERENZ ...

Runs BEFEHL and REFERENZ one after the other RUNDEN times (the order swapping each
round, so neither always meets a warm or a cold cache first), times each as a whole
process with its start-up, and prints min/median/max of the paired ratios
BEFEHL / REFERENZ, the median times, and the peak memory of both. A command that
fails is reported, not timed: exit codes 0 and 1 (a warning) count as run.

Both sides write into a pipe that is read to its end, as a user's script would read
them: a reference that stops early when its output goes nowhere (grep stops at its
first match when writing to /dev/null) cannot look faster than it is.
"""
import os
import statistics
import subprocess
import sys
import time


def lauf(befehl):
    start = time.perf_counter()
    p = subprocess.Popen(befehl, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    while p.stdout.read(1 << 16):
        pass
    p.stdout.close()
    _, status, nutzung = os.wait4(p.pid, 0)
    dauer = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 1):
        sys.exit("%s: Rückgabe %d" % (" ".join(befehl), code))
    return dauer, nutzung.ru_maxrss


def main():
    runden, name = int(sys.argv[1]), sys.argv[2]
    rest = sys.argv[3:]
    if rest.count("--") != 2 or rest[0] != "--":
        sys.exit(__doc__)
    teilung = rest.index("--", 1)
    befehl, referenz = rest[1:teilung], rest[teilung + 1:]
    verhaeltnisse, zeiten, refzeiten, speicher, refspeicher = [], [], [], [], []
    for r in range(runden):
        if r % 2 == 0:
            a, kb = lauf(befehl)
            b, refkb = lauf(referenz)
        else:
            b, refkb = lauf(referenz)
            a, kb = lauf(befehl)
        verhaeltnisse.append(a / b)
        zeiten.append(a)
        refzeiten.append(b)
        speicher.append(kb)
        refspeicher.append(refkb)
    # Three significant digits: a ratio of 0.05 may be 20 or 22 times faster.
    print("%-34s Verhältnis min %.3g  Median %.3g  max %.3g   (%.3f s gegen %.3f s, %d Paare, "
          "%.1f gegen %.1f MiB Spitze)"
          % (name, min(verhaeltnisse), statistics.median(verhaeltnisse), max(verhaeltnisse),
             statistics.median(zeiten), statistics.median(refzeiten), runden, max(speicher) / 1024,
             max(refspeicher) / 1024))


if __name__ == "__main__":
    main()
