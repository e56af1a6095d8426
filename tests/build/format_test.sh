# Every C++ file of the tree reads as clang-format writes it with the root's
# .clang-format; a file that does not is named with the first differences.
BUILD_DIR=$1 SOURCE_DIR=$2
set -uo pipefail
cd "$SOURCE_DIR" || exit 1
command -v clang-format >/dev/null || { echo "FAIL: clang-format is not installed"; exit 1; }
mapfile -t files < <(find anim app bench catalogue framework markup media platform play rules screens storage tests text tools widgets \
  -name '*.cpp' -o -name '*.h' | sort)
[ "${#files[@]}" -gt 200 ] || { echo "FAIL: only ${#files[@]} C++ files found under $SOURCE_DIR"; exit 1; }
# One run over every file: a process per file would cost half a minute.
if ! clang-format --dry-run --Werror "${files[@]}" >"$BUILD_DIR/format-test.log" 2>&1; then
  mapfile -t bad < <(grep -o '^[^:]*\.\(cpp\|h\):[0-9]*:[0-9]*: \(warning\|error\)' "$BUILD_DIR/format-test.log" | cut -d: -f1 | sort -u)
  for f in "${bad[@]}"; do echo "not formatted: $f (clang-format -i $f)"; done
  head -20 "$BUILD_DIR/format-test.log"
  echo "FAIL: ${#bad[@]} of ${#files[@]} files differ from clang-format"
  exit 1
fi
echo "ok (${#files[@]} files formatted)"
