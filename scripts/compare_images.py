#!/usr/bin/python3
"""Compares two directories of captured frames, picture by picture (same file names).

    scripts/compare_images.py DIR_A DIR_B [--max-step N] [--max-share FRACTION]

A pair passes when no channel differs by more than N/255 (default 1) and at most FRACTION of the
pixels (default 0.001) differ at all. Prints one line per pair; exits 1 if any pair fails.
Needs Debian's python3-pil.
"""
import argparse
import pathlib
import sys

from PIL import Image, ImageChops


def changed_pixels(difference):
    """Number of pixels with at least one channel that differs."""
    mask = None
    for channel in difference.split():
        marked = channel.point(lambda v: 255 if v else 0)
        mask = marked if mask is None else ImageChops.lighter(mask, marked)
    return mask.width * mask.height - mask.histogram()[0]


def compare(path_a, path_b, max_step, max_share):
    a = Image.open(path_a).convert("RGB")
    b = Image.open(path_b).convert("RGB")
    if a.size != b.size:
        print(f"{path_a.name}: sizes differ {a.size} / {b.size}  FAIL")
        return False
    difference = ImageChops.difference(a, b)
    largest = max(high for _, high in difference.getextrema())
    share = changed_pixels(difference) / (a.width * a.height)
    ok = largest <= max_step and share <= max_share
    print(f"{path_a.name}: largest channel step {largest}/255, changed pixels {share * 100:.4f} %"
          f"  {'ok' if ok else 'FAIL'}")
    return ok


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dir_a", type=pathlib.Path)
    parser.add_argument("dir_b", type=pathlib.Path)
    parser.add_argument("--max-step", type=int, default=1)
    parser.add_argument("--max-share", type=float, default=0.001)
    args = parser.parse_args()
    names = sorted(p.name for p in args.dir_a.glob("*.png"))
    if not names:
        print(f"no PNG files in {args.dir_a}")
        return 1
    results = []
    for name in names:
        other = args.dir_b / name
        if not other.exists():
            print(f"{name}: missing in {args.dir_b}  FAIL")
            results.append(False)
            continue
        results.append(compare(args.dir_a / name, other, args.max_step, args.max_share))
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
