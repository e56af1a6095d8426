#!/usr/bin/env bash
# Textures, sprites, the intro picture and the letterbox bars drawn through a
# real GL context: upright and in place.
# Usage: media_test.sh BUILD_DIR SOURCE_DIR (starts its own X server).
set -euo pipefail
source "$2/scripts/xvfb-lib.sh"
trap stop_xvfb EXIT
start_xvfb
out=$("$1/tests/chromal_window_tests" --gtest_filter='MediaWindow.*:IntroWindow.*:LetterboxWindow.*' 2>&1) || {
  echo "$out"
  exit 1
}
echo "$out" | grep -v ALSA
# A skipped run (no display, no context) proves nothing.
if grep -q SKIPPED <<<"$out" || ! grep -q 'PASSED.* 5 tests' <<<"$out"; then
  echo "media_test: the window checks did not run" >&2
  exit 1
fi
