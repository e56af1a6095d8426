#!/usr/bin/env bash
# Textures and sprites drawn through a real GL context: upright and in place.
# Usage: media_test.sh BUILD_DIR SOURCE_DIR (DISPLAY is set by the window test run).
set -euo pipefail
build=$1
out=$(CHROMAL_WINDOW_TESTS=1 "$build/tests/chromal_tests" --gtest_filter='MediaWindow.*' 2>&1) || {
  echo "$out"
  exit 1
}
echo "$out"
# A skipped run (no display, no context) proves nothing.
if grep -q SKIPPED <<<"$out" || ! grep -q 'PASSED' <<<"$out"; then
  echo "media_test: the window checks did not run" >&2
  exit 1
fi
