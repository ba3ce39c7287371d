#!/usr/bin/env bash
# Builds the libFuzzer targets of the portable core (preset "fuzz") and runs each one on a
# copy of its committed corpus, so that the inputs a run adds stay out of the repository.
# Exits non-zero when any target finds an input that breaks a property or crashes.
#
#   LORVANE_FUZZ_RUNS  executions per target (default 1000000)
#   LORVANE_FUZZ_JOBS  targets run at once (default: the number of processors)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

runs=${LORVANE_FUZZ_RUNS:-1000000}
jobs=${LORVANE_FUZZ_JOBS:-$(nproc)}
bin=build/fuzz/fuzz
# Findings are kept under build/ (ignored by git) to be replayed: bin/<target> <file>.
findings=$PWD/build/fuzz/findings
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Target and the largest input worth trying: a profile of twenty lines with room around
# them, a typed date, and a choice with a few dozen window actions.
# The slowest target comes first so that it overlaps the others.
targets=(
  "fuzz_command_line 1024"
  "fuzz_profile 512"
  "fuzz_date 64"
)

run_target() {
  local name=$1 max_len=$2
  cp -r "fuzz/corpus/$name" "$work/$name.corpus"
  local status=0
  "$bin/$name" "$work/$name.corpus" -runs="$runs" -max_len="$max_len" -timeout=30 \
    -artifact_prefix="$findings/$name-" >"$work/$name.log" 2>&1 || status=$?
  echo "$status" >"$work/$name.status"
}

echo "fuzz: $runs runs per target, $jobs at once"
start=$SECONDS
for entry in "${targets[@]}"; do
  # shellcheck disable=SC2086
  run_target $entry &
  while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
done
wait

failed=0
for entry in "${targets[@]}"; do
  name=${entry%% *}
  status=$(cat "$work/$name.status")
  done_line=$(grep -E '^Done [0-9]+ runs' "$work/$name.log" || true)
  if [[ $status -eq 0 && -n $done_line ]]; then
    echo "$name: ${done_line#Done }, nothing found"
  else
    failed=1
    echo "$name: FOUND something (exit status $status)"
    pattern='property broken|ERROR:|SUMMARY:|Test unit written to'
    grep -E "$pattern" "$work/$name.log" | sed 's/^/  /' || true
    cp "$work/$name.log" "$findings/$name.log"
    echo "  full log: $findings/$name.log"
  fi
done
echo "fuzz: $((SECONDS - start)) s of fuzzing"
exit $failed
