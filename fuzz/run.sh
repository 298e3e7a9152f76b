#!/usr/bin/env bash
# Fuzzes the BBCode converter under AddressSanitizer and UndefinedBehaviorSanitizer.
#   fuzz/run.sh [SECONDS] [BUILD_DIR]
# Builds fuzz_converter with clang in BUILD_DIR (default: a folder under /tmp)
# and runs it for SECONDS (default 60) from the seed posts in fuzz/corpus.
# A crash, a hang, an out-of-bounds read or a difference from the
# straightforward conversion stops it with a non-zero exit and a crash-* file.
set -euo pipefail

seconds="${1:-60}"
fuzz_dir="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(dirname "$fuzz_dir")"
build_dir="${2:-${TMPDIR:-/tmp}/wuxo-fuzz-build}"

# The build folder is reused only when it was configured from this checkout: one
# from another checkout (a worktree, a copy) would fuzz that checkout's code.
configured_from() {
    sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build_dir/CMakeCache.txt" 2>/dev/null
}
if [ ! -f "$build_dir/build.ninja" ] || [ "$(configured_from)" != "$source_dir" ]; then
    CC=clang CXX=clang++ cmake --fresh -S "$source_dir" -B "$build_dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWUXO_FUZZ=ON -DWUXO_SANITIZE=ON -DWUXO_BENCH=OFF
fi
cmake --build "$build_dir" -j "${JOBS:-2}" --target fuzz_converter

# New inputs go to a corpus in the build folder; the checked-in seeds stay as they are.
corpus="$build_dir/fuzz-corpus"
mkdir -p "$corpus"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cd "$build_dir"
exec "$build_dir/fuzz/fuzz_converter" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -dict="$fuzz_dir/bbcode.dict" "$corpus" "$fuzz_dir/corpus"
