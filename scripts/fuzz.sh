#!/usr/bin/env bash
# Runs the libFuzzer targets on their committed seed corpora and dictionaries
# (fuzz/targets.txt) and prints, per target, the runs made, the runs per
# second, the seconds taken, the coverage after loading the seeds (INITED)
# and at the end (DONE), and the outcome.
#
#   scripts/fuzz.sh [--build DIR] [--seconds N | --runs N] [--no-seeds] [TARGET ...]
#
#   --build DIR   the fuzz build (default build/fuzz: cmake --preset fuzz)
#   --seconds N   stop each target after N seconds (default 20)
#   --runs N      stop each target after N runs (e.g. 1000000), at most
#                 --max-seconds (default 3600) each
#   --no-seeds    start from an empty corpus (coverage without the seeds)
#
# New inputs go to a scratch copy of the corpus, never into fuzz/; a finding
# (crash, leak, time-out) is kept in <build>/fuzz-findings and ends the script
# with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
seconds=20
runs=""
max_seconds=3600
seeds=1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --max-seconds) max_seconds=$2; shift 2 ;;
    --no-seeds) seeds=0; shift ;;
    -h|--help) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "unknown option: $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$build/fuzz-findings"
mkdir -p "$findings"
status=0
printf '%-28s %10s %7s %7s %9s %9s %s\n' target runs runs/s seconds seed-cov end-cov result
while read -r target corpora dictionary; do
  case "$target" in ''|'#'*) continue ;; esac
  if [ ${#targets[@]} -gt 0 ] && [[ ! " ${targets[*]} " == *" $target "* ]]; then
    continue
  fi
  program="$build/bin/$target"
  if [ ! -x "$program" ]; then
    echo "$target: not built in $build (cmake --preset fuzz && cmake --build --preset fuzz)" >&2
    status=1
    continue
  fi
  corpus="$work/$target"
  mkdir -p "$corpus"
  if [ "$seeds" -eq 1 ]; then
    IFS=, read -r -a folders <<<"$corpora"
    for folder in "${folders[@]}"; do
      cp -r "fuzz/$folder/." "$corpus/"
    done
  fi
  # The entropic scheduler keeps every feature seen fewer than this many
  # times in a list it scans for each feature of each run; with the default
  # (255) and seeds that reach tens of thousands of features (whole projects,
  # whole panel images) that scan took over 80% of the time.
  options=(-print_final_stats=1 -artifact_prefix="$findings/$target-"
    -entropic_feature_frequency_threshold=8)
  if [ "$dictionary" != "-" ] && [ "$seeds" -eq 1 ]; then
    options+=(-dict="fuzz/$dictionary")
  fi
  if [ -n "$runs" ]; then
    options+=(-runs="$runs" -max_total_time="$max_seconds")
  else
    options+=(-max_total_time="$seconds")
  fi
  log="$work/$target.log"
  result=ok
  # Leaks are reported by the sanitizer build of the tests; here they would
  # only slow every run down.
  started=$SECONDS
  if ! ASAN_OPTIONS=detect_leaks=0:${ASAN_OPTIONS:-} "$program" "${options[@]}" "$corpus" >"$log" 2>&1; then
    result="FINDING (see $findings, log below)"
    status=1
  fi
  elapsed=$((SECONDS - started))
  done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  seed_cov=$(sed -n 's/.*INITED cov: \([0-9]*\).*/\1/p' "$log" | tail -1)
  end_cov=$(sed -n 's/.*DONE *cov: \([0-9]*\).*/\1/p' "$log" | tail -1)
  if [ -z "$end_cov" ]; then
    end_cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  fi
  printf '%-28s %10s %7s %7s %9s %9s %s\n' "$target" "${done_runs:-?}" "${rate:-?}" "$elapsed" \
    "${seed_cov:-?}" "${end_cov:-?}" "$result"
  if [ "$result" != ok ]; then
    tail -40 "$log"
  fi
done < fuzz/targets.txt
exit $status
