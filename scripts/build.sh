#!/usr/bin/env bash
# Configures (once) and builds one build tree.
#   scripts/build.sh normal   -> build/        the program, tools, all tests, benchmarks
#   scripts/build.sh asan     -> build-asan/   unit tests under AddressSanitizer + UBSan
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-normal}
shift || true

export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
jobs=$(nproc)

case "$kind" in
normal)
    dir="$root/build"
    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    ;;
asan)
    dir="$root/build-asan"
    flags=(-DCMAKE_BUILD_TYPE=Debug -DQUORRELIN_SANITIZE=ON -DQUORRELIN_UNIT_ONLY=ON)
    ;;
*)
    echo "usage: $0 normal|asan [targets...]" >&2
    exit 2
    ;;
esac

if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "${flags[@]}"
fi
# Qt's moc step only rescans when its stamp is gone: a header that newly
# declares Q_OBJECT would otherwise be missed by an incremental build.
find "$dir" -path '*_autogen/timestamp' -delete 2>/dev/null || true

# One build at a time on this machine: several build trees share the cores.
lock=/tmp/quorrelin-build.lock
if [[ $# -gt 0 ]]; then
    flock "$lock" cmake --build "$dir" -j "$jobs" --target "$@"
else
    flock "$lock" cmake --build "$dir" -j "$jobs"
fi
