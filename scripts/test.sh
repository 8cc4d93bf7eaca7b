#!/usr/bin/env bash
# Builds everything and runs the whole test suite; the tests that need X start their own
# private Xvfb (a CTest fixture). Extra arguments go to ctest, e.g. `-L unit`.
#
#   ./scripts/test.sh               the normal build in build/
#   ./scripts/test.sh --sanitize    a separate build in build-sanitize/ with AddressSanitizer,
#                                   UndefinedBehaviorSanitizer and leak detection; any finding
#                                   fails the run
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" = "--sanitize" ]; then
  shift
  "$root/scripts/setup.sh"
  build="$root/build-sanitize"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMAVEX_SANITIZE=ON >/dev/null
  cmake --build "$build" -j"$(nproc)"
  # intercept_tls_get_addr=0: this compiler's sanitizer runtime misreads glibc 2.36's records of
  # the dynamic TLS of dlopen'ed libraries (the audio plugins SDL loads) and its leak scan then
  # crashes at exit; static TLS and every thread's stack are still scanned.
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:exitcode=86:intercept_tls_get_addr=0"
  export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=86"
else
  "$root/scripts/build.sh"
  build="$root/build"
fi

cd "$build"
ctest --output-on-failure -j2 "$@"
