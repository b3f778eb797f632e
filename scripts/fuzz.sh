#!/usr/bin/env bash
# Builds the fuzz harnesses with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for SECONDS (default 30) on a copy of its seed corpus. A finding stops the run with a
# non-zero status; its input is kept in build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS] [HARNESS...]     e.g. scripts/fuzz.sh 600 roster
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
shift || true
build="${FUZZ_BUILD:-build-fuzz}"

scripts/install-deps.sh --fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRACKWELL_FUZZ=ON -DBRACKWELL_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for corpus in fuzz/corpus/*/; do harnesses+=("$(basename "$corpus")"); done
fi

# Each input is written to a folder of the harness's own; a RAM-backed one keeps the disk's
# syncs out of the way.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

mkdir -p "$build/findings"
for harness in "${harnesses[@]}"; do
  work="$build/corpus/$harness"
  rm -rf "$work"
  mkdir -p "$work"
  cp fuzz/corpus/"$harness"/* "$work"/
  echo "== ${harness}_fuzz for ${seconds} s"
  # The inputs found along the way stay in the build folder; the checked-in seeds stay as they are.
  "$build/fuzz/${harness}_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/${harness}-" "$work" 2>"$build/${harness}.log" ||
    { tail -n 40 "$build/${harness}.log"; echo "${harness}_fuzz found a fault; its input is in $build/findings/" >&2; exit 1; }
  grep -E '^stat::number_of_executed_units' "$build/${harness}.log" || true
done
