#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and runs each for a bounded time from its seed corpus. Any crash, hang
# (an input over 10 s), sanitizer report or broken rule fails the run; the failing input is
# left in build-fuzz/artifacts/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"; shift || true
dir="$top/build-fuzz"
# Debian's clang-14 package installs clang++-14; the clang package adds the plain name.
cxx="${CXX:-}"
[[ "$cxx" == *clang* ]] || cxx="$(command -v clang++ || command -v clang++-14 || true)"
if [[ -z "$cxx" ]]; then
    echo "fuzz.sh: clang++ not found (Debian: apt-get install clang-14 libclang-rt-14-dev)" >&2
    exit 2
fi
mkdir -p "$dir"
"$top/scripts/build.sh" build-fuzz -DSKALD_FUZZ=ON -DCMAKE_CXX_COMPILER="$cxx" >"$dir/build.log" 2>&1 ||
    { tail -40 "$dir/build.log"; echo "fuzz.sh: the build failed (log $dir/build.log)" >&2; exit 2; }

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    for exe in "$dir"/tests/fuzz/fuzz_*; do
        [[ -x "$exe" && -f "$exe" ]] && targets+=("${exe##*/fuzz_}")
    done
fi

mkdir -p "$dir/artifacts" "$dir/logs"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for t in "${targets[@]}"; do
    # A corpus of its own per run: libFuzzer adds the inputs it finds to its first folder.
    corpus="$dir/corpus/$t"
    rm -rf "$corpus"; mkdir -p "$corpus"
    cp "$dir/tests/fuzz/seeds/$t"/* "$corpus"/
    log="$dir/logs/$t.log"
    if "$dir/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -malloc_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$dir/artifacts/$t-" "$corpus" >"$log" 2>&1; then
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
        echo "fuzz_$t: $runs inputs in ${seconds} s, no failure"
    else
        echo "fuzz_$t: FAILED (log $log)"; tail -40 "$log"; failed=1
    fi
done
exit "$failed"
