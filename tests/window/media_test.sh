#!/usr/bin/env bash
# Textures and sprites drawn through a real GL context: upright and in place.
# Usage: media_test.sh BUILD_DIR SOURCE_DIR (starts its own X server).
set -euo pipefail
source "$2/scripts/xvfb-lib.sh"
trap stop_xvfb EXIT
start_xvfb
build=$1
out=$("$build/tests/chromal_window_tests" --gtest_filter='MediaWindow.*' 2>&1) || {
  echo "$out"
  exit 1
}
echo "$out"
# A skipped run (no display, no context) proves nothing.
if grep -q SKIPPED <<<"$out" || ! grep -q 'PASSED' <<<"$out"; then
  echo "media_test: the window checks did not run" >&2
  exit 1
fi
