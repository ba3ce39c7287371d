#!/usr/bin/env bash
# Sets up, builds and runs the benchmarks: the composition of the command line on the host
# (Google Benchmark), then under Wine the start-up, memory, huge folders and typing, each
# beside its yardstick; then the program's size and the DLLs it needs. Figures only: it
# never fails on a target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

cmake -S . -B build/host-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLORVANE_TESTS=OFF >/dev/null
cmake --build build/host-release --target core_bench >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target lorvane bare_window bare_controls bench_windows >/dev/null

echo "== composition of the command line (host, Google Benchmark; target under 2 microseconds)"
build/host-release/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  2>/dev/null | grep -E "median|Benchmark"

# The huge folders are made here, natively: through Wine it would take many minutes.
work=$(mktemp -d /tmp/lorvane-bench.XXXXXX)
trap 'rm -rf "$work"; WINEPREFIX="$PWD/build/windows/wineprefix" wineserver -k 2>/dev/null || true' EXIT
mkdir -p "$work/fichiers" "$work/dossiers"
(cd "$work/fichiers" && seq -f "element %06g.txt" 1 100000 | xargs -d '\n' touch)
(cd "$work/dossiers" && seq -f "dossier %05g" 1 10000 | xargs -d '\n' mkdir)
windows_path() { echo "Z:$1" | tr / '\\'; }

echo "== the program under Wine ($(wine --version 2>/dev/null || echo wine)); 100,000 files, 10,000 folders"
scripts/wine-run.sh --prefix "$PWD/build/windows/wineprefix" build/windows/bench/bench_windows.exe \
  "$(windows_path "$PWD/build/windows/src/win32/lorvane.exe")" \
  "$(windows_path "$PWD/build/windows/bench/bare_window.exe")" \
  "$(windows_path "$PWD/build/windows/bench/bare_controls.exe")" \
  "$(windows_path "$work/fichiers")" "$(windows_path "$work/dossiers")"

echo "== size"
size=$(stat -c %s build/windows/src/win32/lorvane.exe)
echo "lorvane.exe $size bytes ($(awk -v s="$size" 'BEGIN{printf "%.2f", s/1048576}') MiB; target <= 1 MiB)"
echo "DLLs needed: $(x86_64-w64-mingw32-objdump -p build/windows/src/win32/lorvane.exe | awk '/DLL Name/ {printf "%s ", $3}')"
