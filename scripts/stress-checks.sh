#!/usr/bin/env bash
# Proves the program under stress, in three checks, and fails on any finding:
#   1. sanitizers: the whole test suite built with Clang's AddressSanitizer and
#      UndefinedBehaviorSanitizer (the asan preset; LeakSanitizer runs at every
#      test's exit), window tests offscreen, fuzz seed corpora replayed;
#   2. fuzzing: each libFuzzer target for a bounded time (both at once, one core each);
#   3. leaks: the offscreen soak test (hundreds of ticks and clicks, real message
#      boxes) of the ordinary build under valgrind: no definite leak, no memory error.
#
#   scripts/stress-checks.sh              everything, a little over 4 minutes on 2 cores
#   FUZZ_SECONDS=600 scripts/stress-checks.sh fuzz    only fuzzing, for longer
#   scripts/stress-checks.sh sanitizers|fuzz|leaks    one check
#
# Findings of the fuzzers are kept in build/asan/fuzz/findings/; replay one with
#   build/asan/fuzz/engine_fuzz build/asan/fuzz/findings/crash-...
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# shellcheck source=scripts/lib/runtime-dir.sh
source "$root/scripts/lib/runtime-dir.sh"

fuzz_seconds="${FUZZ_SECONDS:-60}"
checks=("$@")
((${#checks[@]})) || checks=(sanitizers fuzz leaks)

passed=0
failed=0
report() { # name status seconds
  printf 'stress-checks: %-10s %s (%d s)\n' "$1" "$2" "$3"
  if [[ "$2" == passed ]]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

sanitizers() {
  cmake --preset asan >/dev/null
  cmake --build --preset asan
  ctest --preset asan
}

fuzz() {
  cmake --preset asan >/dev/null
  cmake --build --preset asan --target conversions_fuzz engine_fuzz
  local dir=build/asan/fuzz findings=build/asan/fuzz/findings
  rm -rf "$findings" && mkdir -p "$findings"
  local target pids=() status=0
  for target in conversions engine; do
    # New inputs go to a scratch corpus; the committed seeds stay as they are.
    local work="$dir/work/$target"
    mkdir -p "$work"
    "$dir/${target}_fuzz" "$work" "fuzz/corpus/$target" \
      -dict="fuzz/$target.dict" -max_total_time="$fuzz_seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
      >"$dir/$target.log" 2>&1 &
    pids+=($!)
  done
  for target in conversions engine; do
    if ! wait "${pids[0]}"; then status=1; fi
    pids=("${pids[@]:1}")
    grep -E '^#[0-9]+\s+DONE|^stat::number_of_executed_units|^(conversions|engine)_fuzz:|SUMMARY' \
      "$dir/$target.log" | sed "s/^/$target: /" || true
  done
  if ((status)) || [[ -n "$(ls -A "$findings")" ]]; then
    echo "stress-checks: fuzzing found something; logs in $dir/*.log, inputs:" >&2
    ls -l "$findings" >&2
    return 1
  fi
}

leaks() {
  cmake --preset default >/dev/null
  cmake --build --preset default --target soak_tests
  use_private_runtime_dir "$root/build/runtime-$(id -u)"
  QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 valgrind --leak-check=full \
    --show-leak-kinds=definite --errors-for-leak-kinds=definite --error-exitcode=99 \
    --num-callers=40 build/default/tests/qt/soak_tests
}

scripts/install-deps.sh --extra
for check in "${checks[@]}"; do
  case "$check" in
    sanitizers | fuzz | leaks) ;;
    *) echo "stress-checks: unknown check '$check' (sanitizers, fuzz, leaks)" >&2; exit 2 ;;
  esac
  echo "== stress-checks: $check =="
  start=$SECONDS
  # In a subshell of its own, so that its first failing command ends it.
  set +e
  (set -e; "$check")
  status=$?
  set -e
  if ((status == 0)); then
    report "$check" passed $((SECONDS - start))
  else
    report "$check" FAILED $((SECONDS - start))
  fi
done
echo "stress-checks: $passed passed, $failed failed"
((failed == 0))
