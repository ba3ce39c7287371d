#!/usr/bin/env bash
# Sets up, builds lorvane.exe and starts it (under Wine on Linux). Without a display it
# runs on a virtual one and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target lorvane

[[ -n "${DISPLAY:-}" ]] || echo "start: no display here; Lorvane runs on a virtual one (Xvfb)." >&2
exec scripts/wine-run.sh --prefix "$PWD/build/windows/wineprefix" build/windows/src/win32/lorvane.exe
