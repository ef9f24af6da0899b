# Sourced: runs GoogleTest programs and adds up their cases.
QB_PASSED=0
QB_FAILED=0

# qb_run_gtest LOG COMMAND...: runs one test program, appends its output to LOG, adds its counts.
qb_run_gtest() {
  local log=$1; shift
  local output status passed failed capture
  # Through a file, not a pipe: Wine's helper processes inherit the output and outlive the test.
  capture=$(mktemp)
  # A program that hangs (a dialog waiting for an answer no test gives) fails instead of
  # stopping the whole run.
  timeout -k 10 "${QB_GTEST_LIMIT_S:-600}" "$@" >"$capture" 2>&1 </dev/null && status=0 || status=$?
  output=$(cat "$capture")
  rm -f "$capture"
  printf '%s\n' "$output" >>"$log"
  passed=$(printf '%s\n' "$output" | sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' | tail -1)
  failed=$(printf '%s\n' "$output" | sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' | tail -1)
  passed=${passed:-0}; failed=${failed:-0}
  if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    failed=1   # crashed, hung or could not start: count the program as one failure
    if [ "$status" -eq 124 ]; then
      echo "  $* did not end within ${QB_GTEST_LIMIT_S:-600} s"
    else
      echo "  $* ended with status $status"
    fi
  fi
  printf '%s\n' "$output" | grep '^\[  FAILED  \] [A-Za-z]' | sed 's/^/  /' || true
  QB_PASSED=$((QB_PASSED + passed))
  QB_FAILED=$((QB_FAILED + failed))
}
