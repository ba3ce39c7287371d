#!/usr/bin/env bash
# Sets up, builds and runs every test: the portable core natively, then the same core tests
# and the Windows tests built with mingw-w64 and run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

cmake --preset windows >/dev/null
cmake --build --preset windows

run_windows_tests() {
  local status=0
  ctest --preset windows || status=$?
  # The Wine server of the test prefix would otherwise outlive the run.
  WINEPREFIX="$PWD/build/windows/wineprefix" wineserver -k 2>/dev/null || true
  return $status
}

if [[ -z "${DISPLAY:-}" ]]; then
  export -f run_windows_tests
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c run_windows_tests
else
  run_windows_tests
fi
