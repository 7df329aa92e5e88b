#!/usr/bin/env bash
# Runs each fuzz target of a fuzz build for a bounded time over its seeds and its growing
# corpus, and prints one line of figures per target and a closing "N passed, N failed".
#   fuzz/run-fuzzers.sh BUILD_DIR [SECONDS_EACH] [TARGET...]
# A crash, leak, hang (an input over 10 s) or failed check fails the target; the input that
# did it is kept as BUILD_DIR/fuzz-artifacts/<target>-crash-… (reproduce: bin/fuzz_<target> FILE).
set -u
build=${1:?usage: run-fuzzers.sh BUILD_DIR [SECONDS_EACH] [TARGET...]}
seconds=${2:-60}
shift $(( $# >= 2 ? 2 : 1 ))
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(rux picture manifest gif)

# Inputs beyond these sizes add little: the seeds' first pieces are kept, the rest is cut.
declare -A max_len=([rux]=131072 [picture]=65536 [manifest]=16384 [gif]=65536)
# Saved models go to a file per run; memory-backed when the machine has it.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
passed=0
failed=0
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-logs"
for target in "${targets[@]}"; do
  corpus=$build/fuzz-corpus/$target
  log=$build/fuzz-logs/$target.log
  mkdir -p "$corpus"
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="${max_len[$target]:-65536}" -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/$target-" "$corpus" "$build/fuzz-seeds/$target" >"$log" 2>&1
  status=$?
  done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done_line")
  units=$(find "$corpus" -type f | wc -l)
  if [ "$status" -eq 0 ]; then
    passed=$((passed + 1))
    echo "fuzz_$target: ok, ${execs:-?} executions (${per_second:-?}/s), cov ${cov:-?}, ft ${ft:-?}, corpus $units"
  else
    failed=$((failed + 1))
    echo "fuzz_$target: FAILED (exit $status), see $log"
    grep -E 'ERROR|fuzz check failed|SUMMARY|Test unit written' "$log" | head -5
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
