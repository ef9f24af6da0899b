#!/usr/bin/env bash
# Sets everything up, builds both builds and runs every suite: native unit tests (with the help
# files' title check), the Windows unit and adapter tests under Wine, a short fuzz smoke, the
# benchmarks once, the release packages (scripts/package.sh), and the end-to-end scenarios, the
# packages' install, uninstall and portable runs among them, and the LAN scenario of two computers
# in network namespaces. Prints one summary line per suite
# and exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/wine-env.sh
source scripts/gtest-summary.sh

bash scripts/setup.sh || exit 1
mkdir -p build/logs
overall=0
summary=()

step() { echo; echo "== $*"; }
record() {  # record NAME: adds the summary line of the suite just run
  summary+=("$1: ${QB_PASSED} passed, ${QB_FAILED} failed")
  [ "$QB_FAILED" -eq 0 ] || overall=1
  QB_PASSED=0; QB_FAILED=0
}
build() {  # build PRESET
  cmake --preset "$1" >"build/logs/configure-$1.log" 2>&1 &&
    cmake --build --preset "$1" -j2 >"build/logs/build-$1.log" 2>&1 || {
      echo "build $1 failed:"; tail -n 40 "build/logs/configure-$1.log" "build/logs/build-$1.log"
      return 1; }
}

step "native build"
if build native; then
  step "native unit tests"
  : >build/logs/native-tests.log
  while IFS= read -r program; do
    qb_run_gtest build/logs/native-tests.log "$program"
  done < <(find build/native -type f -perm -u+x -name '*_tests' | sort)
  # Tests that are scripts around the real programs (not GoogleTest): one case each.
  ctest --test-dir build/native -E '_tests$' --output-on-failure >build/logs/native-ctest.log 2>&1
  QB_PASSED=$((QB_PASSED + $(grep -cE 'Test +#[0-9]+: .* Passed' build/logs/native-ctest.log)))
  script_failures=$(grep -cE 'Test +#[0-9]+: .*(Failed|Not Run|Timeout|Exception)' build/logs/native-ctest.log)
  QB_FAILED=$((QB_FAILED + script_failures))
  [ "$script_failures" -eq 0 ] || grep -E 'Test +#' build/logs/native-ctest.log | grep -v Passed
  record native
  step "benchmarks (one short pass each)"
  : >build/logs/bench.log
  while IFS= read -r bench; do
    if "$bench" --benchmark_min_time=0.01 >>build/logs/bench.log 2>&1; then
      QB_PASSED=$((QB_PASSED + 1))
    else
      QB_FAILED=$((QB_FAILED + 1)); echo "  $bench failed"
    fi
  done < <(find build/native -type f -perm -u+x -name '*_bench' | sort)
  record bench
else
  summary+=("native: 0 passed, 1 failed"); overall=1
fi

step "fuzz build (clang, libFuzzer)"
if build fuzz; then
  : >build/logs/fuzz.log
  while IFS= read -r target; do
    corpus="build/fuzz/corpus/$(basename "$target")"
    mkdir -p "$corpus"
    if "$target" -max_total_time=5 -rss_limit_mb=2048 "$corpus" >>build/logs/fuzz.log 2>&1; then
      QB_PASSED=$((QB_PASSED + 1))
    else
      QB_FAILED=$((QB_FAILED + 1)); echo "  $target found a fault (see build/logs/fuzz.log)"
    fi
  done < <(find build/fuzz/fuzzers -type f -perm -u+x | sort)
  record fuzz
else
  summary+=("fuzz: 0 passed, 1 failed"); overall=1
fi

step "windows build"
if build windows; then
  trap qb_wine_stop EXIT
  qb_wine_start build/windows
  step "windows unit and adapter tests under Wine"
  : >build/logs/windows-tests.log
  while IFS= read -r program; do
    qb_run_gtest build/logs/windows-tests.log wine "$program"
  done < <(find build/windows/bin -type f -name '*_tests.exe' | sort)
  # The command-line plan runner, checked by the same script as natively.
  printf '#!/bin/sh\nexec bash "%s/scripts/wine-run.sh" "%s/build/windows/bin/qbplan.exe" "$@"\n' \
    "$root" "$root" >build/windows/qbplan-under-wine
  chmod +x build/windows/qbplan-under-wine
  if sh tests/unit/planlib/qbplan_cli_test.sh build/windows/qbplan-under-wine \
      >>build/logs/windows-tests.log 2>&1; then
    QB_PASSED=$((QB_PASSED + 1))
  else
    QB_FAILED=$((QB_FAILED + 1)); echo "  qbplan.exe under Wine failed (see build/logs/windows-tests.log)"
  fi
  record windows
  qb_wine_stop
  step "release packages"
  if bash scripts/package.sh --no-setup build/windows >build/logs/package.log 2>&1; then
    QB_PASSED=$((QB_PASSED + $(grep -c '^package: ' build/logs/package.log)))
    grep '^package: ' build/logs/package.log
  else
    QB_FAILED=$((QB_FAILED + 1)); echo "  packaging failed:"; tail -n 30 build/logs/package.log
  fi
  record package
  step "end-to-end scenarios under Wine"
  if [ -x tests/e2e/run_e2e.sh ] || [ -f tests/e2e/run_e2e.sh ]; then
    bash tests/e2e/run_e2e.sh "$root/build/windows" | tee build/logs/e2e.log
    e2e_status=${PIPESTATUS[0]}
    e2e_line=$(grep -E '^e2e: [0-9]+ passed, [0-9]+ failed' build/logs/e2e.log | tail -1)
    [ "$e2e_status" -eq 0 ] && [ -n "$e2e_line" ] || overall=1
    summary+=("${e2e_line:-e2e: 0 passed, 1 failed}")
  fi
  step "LAN scenario: two computers in network namespaces under Wine"
  bash tests/e2e/lan/run_lan_e2e.sh "$root/build/windows" | tee build/logs/e2e-lan.log
  lan_status=${PIPESTATUS[0]}
  lan_line=$(grep -E '^e2e-lan: [0-9]+ passed, [0-9]+ failed' build/logs/e2e-lan.log | tail -1)
  [ "$lan_status" -eq 0 ] && [ -n "$lan_line" ] || overall=1
  summary+=("${lan_line:-e2e-lan: 0 passed, 1 failed}")
else
  summary+=("windows: 0 passed, 1 failed"); overall=1
fi

echo
echo "== summary"
printf '%s\n' "${summary[@]}"
exit $overall
