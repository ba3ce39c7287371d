#!/usr/bin/env bash
# Sets up, builds and runs every test: the portable core natively, the program with clang,
# then the same core tests and the Windows tests built with mingw-w64 and run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

# The Windows tests need a display: without one, the whole run gets a virtual one.
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

cmake --preset host >/dev/null
cmake --build --preset host --target all all_verify_interface_header_sets
ctest --preset host

# The program alone with the second compiler, clang for the mingw-w64 target: it must build
# without a warning there too.
cmake --preset windows-clang >/dev/null
cmake --build --preset windows-clang

cmake --preset windows >/dev/null
cmake --build --preset windows
status=0
ctest --preset windows || status=$?
# The Wine server of the test prefix would otherwise outlive the run.
WINEPREFIX="$PWD/build/windows/wineprefix" wineserver -k 2>/dev/null || true
exit $status
