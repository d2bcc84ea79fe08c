#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite:
# the unit tests under AddressSanitizer/UBSan first, then every test of the
# normal build (unit, ui, engine, e2e) against a private X server.
# Ends with CTest's summary; exits non-zero when any test fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" || exit 1
"$root/scripts/build.sh" asan || exit 1
"$root/scripts/build.sh" normal || exit 1

# A private X server for the tests that need a real display.
display=""
for n in $(seq 90 140); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)" --timeout 300 || status=1
echo "== All tests"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)" --timeout 600 || status=1
exit $status
