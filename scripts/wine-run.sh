#!/usr/bin/env bash
# Runs a Windows program under Wine, in a prefix of the project's own:
#   wine-run.sh [--prefix DIR] [--locale NAME] [--end-session] program.exe [arguments...]
# With --locale, Wine starts in that Unix locale, which sets the system's code pages and
# language: C.UTF-8 gives ANSI 1252 and OEM 437, fr_FR.UTF-8 1252 and 850 as on French
# Windows, pl_PL.UTF-8 1250 and 852, ru_RU.UTF-8 1251 and 866. (Wine 8 ignores the code
# pages written in the prefix's registry.)
# A locale other than C is compiled once beside the prefix from the system's locale
# sources (package "locales"), so that the machine's own list of locales is left alone.
# With --end-session, every Wine process of the prefix is ended once the program has
# ended: a program the program opened through the shell would otherwise keep the
# caller's output open, and a test runner waiting on it would wait for ever.
# The prefix is made on first use without any first-run prompt (no Mono or Gecko
# installer). Without a display, the program gets a virtual one from Xvfb.
set -euo pipefail

prefix="${WINEPREFIX:-$(pwd)/wineprefix}"
if [[ "${1:-}" == "--prefix" ]]; then
  prefix=$(realpath -m "$2")  # Wine takes absolute prefixes only
  shift 2
fi
locale=""
if [[ "${1:-}" == "--locale" ]]; then
  locale=$2
  shift 2
fi
end_session=false
if [[ "${1:-}" == "--end-session" ]]; then
  end_session=true
  shift
fi
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINEARCH=win64

if [[ -z "${DISPLAY:-}" ]]; then
  flags=()
  [[ -n $locale ]] && flags+=(--locale "$locale")
  $end_session && flags+=(--end-session)
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --prefix "$prefix" "${flags[@]}" "$@"
fi

# Several tests may start at once; the first one makes the prefix, the others wait.
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [[ ! -f "$prefix/.lorvane-ready-2" ]]; then
    wineboot --init >/dev/null 2>&1 || true
    # Windows drawn by Wine itself: without a window manager (Xvfb), a managed window
    # makes every hide wait two seconds for an answer that never comes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver --wait || true
    [[ -f "$prefix/system.reg" ]] || { echo "wine-run: cannot make the prefix $prefix" >&2; exit 1; }
    touch "$prefix/.lorvane-ready-2"
  fi
  if [[ -n $locale && $locale != C && $locale != C.* && ! -d "$prefix.locales/$locale" ]]; then
    mkdir -p "$prefix.locales"
    # pl_PL.UTF-8: the sources pl_PL and the character map UTF-8. Compiled aside, then moved
    # in whole, so that a run stopped half-way leaves no locale that looks made. Status 1 is
    # warnings only, with the locale written.
    partial="$prefix.locales/.partial-$$"
    rm -rf "$partial"
    status=0
    localedef -i "${locale%%.*}" -f "${locale#*.}" "$partial" || status=$?
    if [[ $status -gt 1 || ! -f "$partial/LC_CTYPE" ]]; then
      echo "wine-run: cannot compile the locale $locale (package \"locales\": scripts/setup.sh)" >&2
      rm -rf "$partial"
      exit 1
    fi
    mv "$partial" "$prefix.locales/$locale"
  fi
) 9>"$prefix.lock"

if [[ -n $locale ]]; then
  unset LANGUAGE
  if [[ -d "$prefix.locales/$locale" ]]; then export LOCPATH="$prefix.locales"; fi
  # For Wine: this shell cannot load a locale named by LOCPATH, and says so.
  export LC_ALL=$locale 2>/dev/null
fi

if ! $end_session; then
  exec wine "$@"
fi
status=0
wine "$@" || status=$?
wineserver -k 2>/dev/null || true
# Gone before the next program starts: one that meets a server still ending fails at once.
wineserver --wait 2>/dev/null || true
exit $status
