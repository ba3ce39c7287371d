#!/usr/bin/env bash
# Pictures the main window right after start, on a virtual display, so that anyone can look
# at it without Windows:  scripts/screenshot.sh [picture.png]
# The program starts in a small sample folder the script makes.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshot.png}")"

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target lorvane >/dev/null

if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out"
fi

prefix="$PWD/build/windows/wineprefix"
exe="$PWD/build/windows/src/win32/lorvane.exe"
sample=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$sample"' EXIT
mkdir -p "$sample/Mes documents/Photos" "$sample/Mes documents/Lettres"
touch "$sample/Mes documents/"{budget.xls,notes.txt,rapport.doc}

(cd "$sample/Mes documents" && exec "$OLDPWD/scripts/wine-run.sh" --prefix "$prefix" "$exe") &

# Wait for the window, then until two pictures in a row agree: it is fully painted.
window=""
for _ in $(seq 1 300); do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Lorvane \(MS-DOS\)"/ {print $1; exit}')
  [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || { echo "screenshot: the window did not appear" >&2; exit 1; }
previous=""
for _ in $(seq 1 50); do
  sleep 0.1
  geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                                           /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}')
  import -window root -crop "$geometry" +repage "$out" 2>/dev/null || continue
  current=$(md5sum < "$out")
  [[ "$current" == "$previous" ]] && break
  previous=$current
done
[[ -s "$out" ]] || { echo "screenshot: no picture taken" >&2; exit 1; }
echo "screenshot: $out"
