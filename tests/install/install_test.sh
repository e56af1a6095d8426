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

for f in share/chromal/data.pk share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml \
         share/man/man6/chromal.6.gz share/man/man1/chromal-tool.1.gz; do
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
  for page in man6/chromal.6.gz man1/chromal-tool.1.gz; do
    warnings=$(zcat "$PREFIX/share/man/$page" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
  done
fi
# The programs, installed and runnable.
for program in games/chromal bin/chromal-tool; do
  "$PREFIX/$program" --version | grep -qx "${program#*/} [0-9.]*" || fail "$program not installed, or its --version"
done

# The desktop entry's command, field codes dropped, found on the PATH.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -1)
read -r -a command <<<"${exec_line//%[fFuUdDnNickvm]/}"
[ "${#command[@]}" -ge 1 ] || fail "no Exec command"
mkdir -p "$WORK/elsewhere" "$WORK/home"
(cd "$WORK/elsewhere" && PATH="$PREFIX/games:$PREFIX/bin:$PATH" HOME="$WORK/home" XDG_DATA_HOME="$WORK/xdg" \
  timeout "$RUN_TIMEOUT" "${command[@]}" "${MENU_SHOT_ARGS[@]}" --screenshot "$WORK/installed.png" 2>"$WORK/installed.err") \
  || { cat "$WORK/installed.err"; fail "the installed game exited with $?"; }
expect_closed_log "$WORK/xdg/Wendrake/Chromal"

expect_installed_menu "$WORK/installed.png"
echo "ok"
