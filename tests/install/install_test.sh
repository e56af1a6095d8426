# `cmake --install` into a private prefix puts every file where desktops look
# for it, the metadata passes its validators, and the installed game, started
# the way the desktop entry says from a folder without data, finds its data
# pack through its own prefix and draws the same menu as the build tree's.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
need_data "$BUILD_DIR/data/data.pk"
ID=io.github.wendrake.Chromal
PREFIX="$WORK/prefix"

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 \
  || { cat "$WORK/install.log"; fail "cmake --install"; }

for f in bin/chromal bin/chromal-tool; do
  [ -x "$PREFIX/$f" ] || fail "$f not installed"
done
for f in share/chromal/data.pk share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml \
         share/man/man6/chromal.6 share/man/man1/chromal-tool.1; do
  [ -s "$PREFIX/$f" ] || fail "$f not installed"
done
# The pack alone: no loose data files are installed.
[ "$(ls "$PREFIX/share/chromal")" = "data.pk" ] || fail "share/chromal holds $(ls "$PREFIX/share/chromal")"
for size in 64 256; do
  icon="$PREFIX/share/icons/hicolor/${size}x$size/apps/$ID.png"
  [ "$("$PROBE" "$icon" size)" = "$size $size" ] || fail "no ${size}px icon"
  # Transparent corner (read as black), a flower-filled middle.
  "$PROBE" "$icon" 0 0 000000 >/dev/null || fail "the ${size}px icon's corner is not transparent"
  "$PROBE" "$icon" $((size / 2)) $((size / 2)) 000000 >/dev/null 2>&1 && fail "the ${size}px icon is empty"
done

desktop="$PREFIX/share/applications/$ID.desktop"
grep -qx "Icon=$ID" "$desktop" || fail "the desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$PREFIX/share/metainfo/$ID.metainfo.xml" \
  || fail "the metadata names another desktop entry"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" >"$WORK/as.log" 2>&1 \
    || { cat "$WORK/as.log"; fail "appstreamcli validate"; }
fi
if command -v groff >/dev/null; then
  for page in man6/chromal.6 man1/chromal-tool.1; do
    warnings=$(groff -man -ww -z "$PREFIX/share/man/$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
  done
fi
for program in chromal chromal-tool; do
  "$PREFIX/bin/$program" --version | grep -qx "$program [0-9.]*" || fail "$program --version"
done

# The desktop entry's command, field codes dropped, found on the PATH.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -1)
read -r -a command <<<"${exec_line//%[fFuUdDnNickvm]/}"
[ "${#command[@]}" -ge 1 ] || fail "no Exec command"
mkdir -p "$WORK/elsewhere" "$WORK/home"
shot_args=(--windowed --seed 3 --frames 60 --no-pacing)
(cd "$WORK/elsewhere" && PATH="$PREFIX/bin:$PATH" HOME="$WORK/home" XDG_DATA_HOME="$WORK/xdg" \
  timeout 60 "${command[@]}" "${shot_args[@]}" --screenshot "$WORK/installed.png" 2>"$WORK/installed.err") \
  || { cat "$WORK/installed.err"; fail "the installed game exited with $?"; }
expect_closed_log "$WORK/xdg/Wendrake/Chromal"

# The same frames from the build tree with its data, and with no data at all.
# Insects fly over the menu at random, so the pictures are compared at points
# of the title, the panel and the buttons, one of which an insect may cover:
# the installed game's picture must be the first, which the second is not.
timeout 60 "$CHROMAL" --data "$BUILD_DIR/data" --user-dir "$WORK/ref" "${shot_args[@]}" \
  --screenshot "$WORK/reference.png" 2>/dev/null || fail "the build tree's game exited with $?"
mkdir -p "$WORK/empty"
timeout 60 "$CHROMAL" --data "$WORK/empty" --user-dir "$WORK/nodata" "${shot_args[@]}" \
  --screenshot "$WORK/nodata.png" 2>/dev/null
points=(300 100 450 100 260 300 540 420 290 247 510 527 400 560)
# The reference's colours as png-probe arguments (it names every pixel that
# is not black; a black one stays 000000).
expected=()
for ((i = 0; i < ${#points[@]}; i += 2)); do
  colour=$("$PROBE" "$WORK/reference.png" "${points[i]}" "${points[i + 1]}" 000000 | sed -n 's/.* is \([0-9a-f]*\),.*/\1/p')
  expected+=("${points[i]}" "${points[i + 1]}" "${colour:-000000}")
done
differing() { "$PROBE" "$1" "${expected[@]}" | grep -c 'expected'; }
count=$((${#points[@]} / 2))
[ "$(differing "$WORK/installed.png")" -le 1 ] || fail "the installed game drew another menu"
[ "$(differing "$WORK/nodata.png")" -ge $((count - 1)) ] \
  || fail "a run without data draws the menu too: the comparison proves nothing"
echo "ok"
