# Shared helpers for the chromal-tool shell tests: sourced, not run.
# Usage in a test: source "$(dirname "$0")/tool_lib.sh" "$@"
set -euo pipefail
BUILD=${1:?build folder}
TOOL="$BUILD/tools/chromal-tool"
[ -x "$TOOL" ] || { echo "no chromal-tool at $TOOL" >&2; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect_exit CODE ARGS...: runs the tool, checks its exit code (a crash
# shows up as 128 + signal), keeps stdout in $WORK/out and stderr in $WORK/err.
expect_exit() {
  local want=$1; shift
  local got=0
  "$TOOL" "$@" >"$WORK/out" 2>"$WORK/err" </dev/null || got=$?
  [ "$got" -eq "$want" ] || fail "chromal-tool $* exited $got, expected $want ($(head -c 300 "$WORK/err"))"
  if [ "$want" -ne 0 ] && [ ! -s "$WORK/err" ]; then fail "chromal-tool $* gave no message"; fi
}

same_file() { cmp -s "$1" "$2" || fail "$3: $1 and $2 differ"; }

finish() {
  if [ "$failures" -ne 0 ]; then echo "$failures failure(s)" >&2; exit 1; fi
  echo "all passed"
}
