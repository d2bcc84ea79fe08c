#!/bin/bash
# Runs the program and Falkon (an independent browser on QtWebEngine 5,
# installed here when missing) interleaved round by round, each start with a
# fresh profile, on a private X server, and prints medians and ratios:
# start-up to the first page titled, hand-over until the page is titled,
# memory at 1 and 20 pages, memory per extra window, exit at 1 and 20 pages.
# Run from the project root after a build:  bench/peers/compare-falkon.sh
# Knobs (rounds, display, port, program paths) are described in peers.sh.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v falkon >/dev/null; then
    apt-get update -qq && apt-get install -y --no-install-recommends falkon
fi
exec "$here/peers.sh" quorrelin falkon
