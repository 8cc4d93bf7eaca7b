#!/usr/bin/env bash
# Benchmarks this checkout's build against another build directory, interleaved in one run, and
# prints per-stage medians and their ratio (this / other). The machine is shared, so only
# ratios taken this way mean anything.
#
#   scripts/compare.sh OTHER_BUILD_DIR [--rounds N] [benchmark options...]
#   e.g. scripts/compare.sh ../base/build --rounds 5 --frames 10 --at 12,30,57
#
# Each round runs this build, then the other (A B A B ...). A stage's figure is the median over
# the rounds of each run's median. The other build may predate the full-screen-pass
# calibration; the equivalents then use this build's calibration for both.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
this_dir="${LUMAVEX_BUILD_DIR:-$root/build}"
[ $# -ge 1 ] || { echo "usage: $0 OTHER_BUILD_DIR [--rounds N] [benchmark options...]" >&2; exit 2; }
other_dir="$(cd "$1" && pwd)"
shift
rounds=5
if [ "${1:-}" = "--rounds" ]; then
  rounds="$2"
  shift 2
fi

if [ -z "${DISPLAY:-}" ]; then
  . "$root/scripts/xvfb.sh"
  start_private_xvfb
fi

work="$(mktemp -d /tmp/lumavex-compare.XXXXXX)"
run_one() {  # label build_dir round
  local csv="$work/$1-$3.csv"
  echo "round $3: $1 ($2)" >&2
  (cd "$2" && ./lumavex_benchmark "${@:4}" --csv "$csv" >"$work/$1-$3.log" 2>&1) ||
    { echo "benchmark failed in $2, see $work/$1-$3.log" >&2; exit 1; }
}
for r in $(seq 1 "$rounds"); do
  run_one this "$this_dir" "$r" "$@"
  run_one other "$other_dir" "$r" "$@"
done

python3 "$root/scripts/compare_tables.py" "$work" "$rounds"
echo "raw results: $work" >&2
