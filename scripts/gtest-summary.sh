# Sourced: runs GoogleTest programs and adds up their cases.
QB_PASSED=0
QB_FAILED=0

# qb_run_gtest LOG COMMAND...: runs one test program, appends its output to LOG, adds its counts.
qb_run_gtest() {
  local log=$1; shift
  local output status passed failed capture
  # Through a file, not a pipe: Wine's helper processes inherit the output and outlive the test.
  capture=$(mktemp)
  "$@" >"$capture" 2>&1 </dev/null && status=0 || status=$?
  output=$(cat "$capture")
  rm -f "$capture"
  printf '%s\n' "$output" >>"$log"
  passed=$(printf '%s\n' "$output" | sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' | tail -1)
  failed=$(printf '%s\n' "$output" | sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' | tail -1)
  passed=${passed:-0}; failed=${failed:-0}
  if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    failed=1   # crashed or could not start: count the program as one failure
    echo "  $* ended with status $status"
  fi
  printf '%s\n' "$output" | grep '^\[  FAILED  \] [A-Za-z]' | sed 's/^/  /' || true
  QB_PASSED=$((QB_PASSED + passed))
  QB_FAILED=$((QB_FAILED + failed))
}
