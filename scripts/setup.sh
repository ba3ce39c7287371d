#!/usr/bin/env bash
# Installs from Debian's (or Ubuntu's) packages what building, testing and running need.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang lld libclang-rt-14-dev libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-apps x11-utils imagemagick
  # The sources scripts/wine-run.sh compiles fr_FR, pl_PL and ru_RU (UTF-8) from, for the
  # console code pages 850, 852 and 866.
  locales
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
