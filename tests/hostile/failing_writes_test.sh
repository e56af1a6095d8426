# Saves that cannot be written: a per-user folder the game may not write to,
# and a file-size limit that makes every write fail. The game still runs and
# quits cleanly, and the files already there stay exactly as they were.
BUILD_DIR=$1 SOURCE_DIR=$2 DATA_DIR=${3:-}
source "$SOURCE_DIR/tests/hostile/common.sh"
FILES="dx_demo.cfg saved_demo.dat top7_demo.tbl stats_demo.dat"

run_game "$WORK/good" good
expect_clean good

# identity NAME WHEN: the files' inodes, sizes, times and bytes, kept in NAME.WHEN.
identity() { (cd "$WORK/$1" && stat -c '%n %i %s %Y' $FILES && md5sum $FILES) > "$WORK/$1.$2"; }
# fresh_copy NAME: the good files in a new folder, their identity kept.
fresh_copy() { rm -rf "$WORK/$1" && cp -a "$WORK/good" "$WORK/$1" && identity "$1" before; }
# expect_untouched NAME: the same identity as before the run.
expect_untouched() {
  identity "$1" after
  cmp -s "$WORK/$1.before" "$WORK/$1.after" || fail "$1: files changed: $(diff "$WORK/$1.before" "$WORK/$1.after")"
  leftovers=$(ls -A "$WORK/$1" | grep -vxE "${FILES// /|}|game.log")
  [ -z "$leftovers" ] || fail "$1: left behind: $leftovers"
}

# A folder without write permission. Root writes anyway, so as root the game
# runs as nobody over a folder (and files) that nobody may only read; a root
# that cannot become nobody cannot run this half, and that is a failure.
fresh_copy readonly
chmod 555 "$WORK/readonly"
RUN_AS=""
if [ "$(id -u)" -eq 0 ]; then
  NOBODY="setpriv --reuid=65534 --regid=65534 --clear-groups"
  chmod 755 "$WORK"
  chmod 644 "$WORK/readonly"/*
  $NOBODY test -r "$DATA" -a -x "$CHROMAL" 2>/dev/null ||
    fail "running as root, and nobody cannot read the game and its data (setpriv)"
  $NOBODY sh -c "touch '$WORK/readonly/probe'" 2>/dev/null && fail "the read-only folder takes writes even for nobody"
  RUN_AS=$NOBODY
fi
run_game "$WORK/readonly" readonly
expect_clean readonly
chmod 755 "$WORK/readonly"
expect_untouched readonly

# Every write beyond zero bytes fails (EFBIG; the signal is ignored).
fresh_copy limit
# Standard error goes through a pipe, which the limit does not touch.
(
  trap '' XFSZ
  ulimit -f 0
  exec timeout 120 "$CHROMAL" --user-dir "$WORK/limit" --windowed --no-pacing --frames 120 \
    --data "$DATA" 2>&1 >/dev/null
) | cat > "$WORK/limit.err"
RC=${PIPESTATUS[0]}
expect_clean limit
expect_untouched limit
echo "ok"
