#!/usr/bin/env bash
# The boundary checker must pass a clean tree and name every violation of a
# dirty one (fixtures/).
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
check="$top/scripts/check-boundary.sh"
fixtures="$top/tests/boundary/fixtures"

"$check" "$fixtures/clean" >/dev/null || { echo "clean fixture was rejected"; "$check" "$fixtures/clean"; exit 1; }
out=$("$check" "$fixtures/dirty") && { echo "dirty fixture was accepted"; exit 1; }
expected=(
  "src/utils/Header.cpp:1: OS header"
  "src/utils/Ifdef.cpp:1: platform test"
  "src/utils/Call.cpp:1: OS call"
  "tests/PosixTest.cpp:1: OS header"
  "tests/PosixTest.cpp:2: OS call"
)
for line in "${expected[@]}"; do
  grep -qF "$line" <<<"$out" || { echo "missing report: $line"; echo "$out"; exit 1; }
done
echo "boundary checker: clean tree passes, ${#expected[@]} violations found"
