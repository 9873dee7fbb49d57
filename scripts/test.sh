#!/usr/bin/env bash
# The project's test command: installs what is missing (scripts/deps.sh),
# builds the native and the Windows configurations, runs the native suite
# and the same suite cross-compiled under Wine, and ends with one line
# "N passed, N failed". Exits non-zero on any failure.
#
#   scripts/test.sh            everything
#   CTEST_ARGS="-R Thread" scripts/test.sh   a subset of both suites
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

passed=0
failed=0
finish() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 && $passed -gt 0 ]]
  exit $?
}
die() {
  echo "test.sh: $*" >&2
  failed=$((failed + 1))
  finish
}

bash scripts/deps.sh || die "installing the dependencies failed"

for preset in linux windows; do
  echo "== configure and build: $preset"
  cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 \
    || { tail -n 40 "build/configure-$preset.log"; die "configuring $preset failed"; }
  cmake --build --preset "$preset" 2>&1 | tail -n 60 | grep -vE '^\[[0-9]+/[0-9]+\]' || true
  [[ ${PIPESTATUS[0]} -eq 0 ]] || die "building $preset failed"
done

# Counts the results of one ctest run from its JUnit report.
count() { # report-file
  python3 - "$1" <<'PY'
import sys, xml.etree.ElementTree as ET
try:
    cases = ET.parse(sys.argv[1]).getroot().iter("testcase")
except Exception:
    print("0 1"); sys.exit()
ok = bad = 0
for case in cases:
    if case.get("status") == "run" and case.find("failure") is None:
        ok += 1
    else:
        bad += 1
print(ok, bad)
PY
}

run_suite() { # preset
  local preset=$1 report="$top/build/ctest-$1.xml"
  echo "== tests: $preset"
  rm -f "$report"
  # shellcheck disable=SC2086
  timeout 1500 ctest --preset "$preset" --output-junit "$report" ${CTEST_ARGS:-} 2>&1 \
    | grep -vE '^ +Start +[0-9]+:|Passed +[0-9.]+ sec$'
  read -r ok bad < <(count "$report")
  passed=$((passed + ok))
  failed=$((failed + bad))
}

run_suite linux

scripts/wine-prefix.sh start || die "starting Wine failed"
trap 'scripts/wine-prefix.sh stop' EXIT
run_suite windows

finish
