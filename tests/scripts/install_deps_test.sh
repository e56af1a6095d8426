# scripts/install-deps: silent and untouched when everything is present, and on
# a machine without apt-get it names what is missing instead of failing blindly.
BUILD_DIR=$1 SOURCE_DIR=$2
set -uo pipefail
WORK=$(mktemp -d /tmp/chromal-deps.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
DEPS="$SOURCE_DIR/scripts/install-deps"

# This machine runs the tests, so it has all a test run needs.
out=$("$DEPS" test 2>&1) || fail "exit $? with everything present: $out"
[ -z "$out" ] || fail "printed with everything present: $out"

# A PATH with every command of this machine but apt-get and xdotool, and a
# pkg-config that knows no GoogleTest.
mkdir "$WORK/bin"
for dir in /usr/local/bin /usr/bin /bin; do
  for cmd in "$dir"/*; do
    name=${cmd##*/}
    case "$name" in apt-get | xdotool | pkg-config) continue ;; esac
    [ -e "$WORK/bin/$name" ] || ln -s "$cmd" "$WORK/bin/$name"
  done
done
cat >"$WORK/bin/pkg-config" <<'PC'
#!/bin/sh
case "$*" in *gtest*) exit 1 ;; esac
exec /usr/bin/pkg-config "$@"
PC
chmod +x "$WORK/bin/pkg-config"
out=$(PATH="$WORK/bin" "$DEPS" test 2>&1)
[ $? -eq 1 ] || fail "missing packages without apt-get did not fail: $out"
for p in xdotool libgtest-dev; do
  grep -qx "  $p" <<<"$out" || fail "'$p' not named: $out"
done
grep -q "libgmock-dev\|  cmake" <<<"$out" && fail "named what is present: $out"
# Playing needs neither of them.
out=$(PATH="$WORK/bin" "$DEPS" play 2>&1) || fail "play needs more than it should: $out"
echo "ok"
