# The Debian package: built by CPack from the build tree, clean for lintian,
# installed with dpkg on this machine, started from its desktop entry the way
# a desktop does, and removed again without a trace.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
need_data "$BUILD_DIR/data/data.pk"
ID=io.github.wendrake.Chromal

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  sudo -n true 2>/dev/null || fail "installing a package needs root or password-less sudo"
  as_root=(sudo -n)
fi
# Never replace a copy the machine's owner installed.
if dpkg-query -W -f='${Status}' chromal 2>/dev/null | grep -q installed; then
  fail "a chromal package is already installed here; remove it first"
fi

cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/package" >"$WORK/cpack.log" 2>&1 \
  || { cat "$WORK/cpack.log"; fail "cpack"; }
deb=$(ls "$WORK"/package/chromal_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no package"

dpkg-deb -f "$deb" Depends | grep -q 'libsdl2-2.0-0' || fail "Depends lacks SDL2: $(dpkg-deb -f "$deb" Depends)"
lintian "$deb" >"$WORK/lintian.log" 2>&1
grep '^E:' "$WORK/lintian.log" && fail "lintian reports errors"

ON_EXIT='"${as_root[@]}" dpkg -r chromal >/dev/null 2>&1'

"${as_root[@]}" dpkg -i "$deb" >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log"; fail "dpkg -i"; }
dpkg-query -L chromal >"$WORK/files.txt"
for f in /usr/games/chromal /usr/bin/chromal-tool /usr/share/chromal/data.pk \
         /usr/share/applications/$ID.desktop /usr/share/metainfo/$ID.metainfo.xml \
         /usr/share/icons/hicolor/64x64/apps/$ID.png /usr/share/icons/hicolor/256x256/apps/$ID.png \
         /usr/share/man/man6/chromal.6.gz /usr/share/man/man1/chromal-tool.1.gz /usr/share/doc/chromal/copyright; do
  grep -qx "$f" "$WORK/files.txt" || fail "the package lacks $f"
done

# Started as a desktop would: the entry's command on a user's PATH, from the
# home folder, with per-user files in a fresh home.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/$ID.desktop | head -1)
read -r -a command <<<"${exec_line//%[fFuUdDnNickvm]/}"
mkdir -p "$WORK/home"
(cd "$WORK/home" && env -i DISPLAY="$DISPLAY" HOME="$WORK/home" PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
  timeout "$RUN_TIMEOUT" "${command[@]}" "${MENU_SHOT_ARGS[@]}" --screenshot "$WORK/installed.png" 2>"$WORK/installed.err") \
  || { cat "$WORK/installed.err"; fail "the installed game exited with $?"; }
expect_closed_log "$WORK/home/.local/share/Wendrake/Chromal"
expect_installed_menu "$WORK/installed.png"

"${as_root[@]}" dpkg -r chromal >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log"; fail "dpkg -r"; }
ON_EXIT=""
dpkg-query -W -f='${Status}' chromal 2>/dev/null | grep -q ' installed' && fail "still installed after dpkg -r"
while read -r f; do
  [ -d "$f" ] && continue
  [ -e "$f" ] && fail "$f is left after dpkg -r"
done <"$WORK/files.txt"
for d in /usr/share/chromal /usr/share/doc/chromal; do
  [ -e "$d" ] && fail "$d is left after dpkg -r"
done
echo "ok"
