# chromal-tool plays the rules and handles the game's files without any of the
# game's display, audio or image libraries: a packager can ship it alone and
# it runs where no X server or sound card is.
source "$(dirname "$0")/tool_lib.sh" "$@"
command -v ldd >/dev/null || { echo "FAIL: no ldd"; exit 1; }
ldd "$TOOL" >"$WORK/ldd" || fail "ldd failed on $TOOL"
grep -q "libc.so" "$WORK/ldd" || fail "ldd listed nothing usable: $(cat "$WORK/ldd")"
for lib in libSDL2 libSDL2_mixer libGL libGLU libGLX libOpenGL libX11 libxcb libjpeg libpng libfreetype; do
  if grep -q "$lib[-.]" "$WORK/ldd"; then fail "chromal-tool links $(grep "$lib[-.]" "$WORK/ldd" | head -1)"; fi
done
expect_exit 0 --version
[ "$failures" -eq 0 ] || exit 1
echo "ok ($(grep -c '=>' "$WORK/ldd") libraries, none of the game's display, audio or image ones)"
