"""Summarises the interleaved benchmark runs that scripts/compare.sh leaves in one directory.

Reads this-<round>.csv and other-<round>.csv (columns time_s,stage,min_ms,median_ms,max_ms) and
prints, per moment and stage, the median over the rounds of each run's median and the ratio.
"""
import csv
import statistics
import sys
from collections import defaultdict

STAGES = ["shadow", "camera", "geometry", "ssao", "lights", "final", "frame"]
PASS = "fullscreen_pass"


def load(directory, label, rounds):
    """{(moment, stage): [median per round]}"""
    values = defaultdict(list)
    for r in range(1, rounds + 1):
        with open(f"{directory}/{label}-{r}.csv", newline="") as f:
            for row in csv.DictReader(f):
                values[(float(row["time_s"]), row["stage"])].append(float(row["median_ms"]))
    return values


def median(values):
    return statistics.median(values) if values else None


def moment_name(moment):
    return "all" if moment < 0 else f"{moment:g} s"


def main():
    directory, rounds = sys.argv[1], int(sys.argv[2])
    this = load(directory, "this", rounds)
    other = load(directory, "other", rounds)
    moments = sorted({m for m, _ in this}, key=lambda m: (m < 0, m))
    print(f"medians in ms over {rounds} interleaved rounds; ratio = this / other")
    print(f"{'moment':>7} {'stage':>9} {'this':>8} {'other':>8} {'ratio':>6}")
    for moment in moments:
        for stage in STAGES:
            a, b = median(this[(moment, stage)]), median(other[(moment, stage)])
            if a is None or b is None:
                continue
            ratio = f"{a / b:6.2f}" if b > 0 else "     -"
            print(f"{moment_name(moment):>7} {stage:>9} {a:8.1f} {b:8.1f} {ratio}")
        # Both builds run on the same machine in the same run, so one calibration serves both.
        calibration = this[(moment, PASS)] + other[(moment, PASS)]
        unit = median(calibration)
        if unit:
            a, b = median(this[(moment, "frame")]), median(other[(moment, "frame")])
            print(f"{moment_name(moment):>7} full-screen pass {unit:.2f} ms; frame = "
                  f"{a / unit:.1f} (this) and {b / unit:.1f} (other) full-screen-pass equivalents")


if __name__ == "__main__":
    main()
