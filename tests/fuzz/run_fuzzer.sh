#!/usr/bin/env bash
# Runs one fuzzer for a set time over a copy of its seeds (or over a kept corpus) and fails on
# any crash or sanitizer report. Crash inputs are kept in the artifact folder.
# usage: run_fuzzer.sh <fuzzer> <seconds> <artifact folder> <seed folder>... [-- <fuzzer options>]
# FEZZLE_FUZZ_SECONDS=<n> overrides the time; FEZZLE_FUZZ_CORPUS=<folder> keeps each fuzzer's
# corpus in <folder>/<fuzzer> between runs instead of a throw-away copy.
set -euo pipefail
fuzzer=$1 seconds=${FEZZLE_FUZZ_SECONDS:-$2} artifacts=$3
shift 3
seeds=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do seeds+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift

here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d /tmp/fezzle-fuzz-run-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
corpus=$scratch/corpus
[ -n "${FEZZLE_FUZZ_CORPUS:-}" ] && corpus=$FEZZLE_FUZZ_CORPUS/$(basename "$fuzzer")
mkdir -p "$corpus" "$artifacts"
for dir in "${seeds[@]}"; do
  [ -d "$dir" ] && find "$dir" -maxdepth 1 -type f -exec cp {} "$corpus/" \;
done

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$here/../lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
log=$scratch/fuzz.log
status=0
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" "$corpus" \
  >"$log" 2>&1 || status=$?
grep -E '^(stat::|#[0-9]+ +DONE|Done )' "$log" || true
if [ $status -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
  tail -n 60 "$log"
  echo "FAIL: $(basename "$fuzzer") (status $status)"
  exit 1
fi
echo "ok: $(basename "$fuzzer"), $(find "$corpus" -type f | wc -l) inputs in the corpus"
