#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program.
# Arguments are handed to the program (for example an address to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" normal quorrelin
exec "$root/build/src/quorrelin" "$@"
