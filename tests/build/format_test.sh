# Every C++ file of the tree reads as clang-format writes it with the root's
# .clang-format; a file that does not is named with the first differences.
BUILD_DIR=$1 SOURCE_DIR=$2
set -uo pipefail
cd "$SOURCE_DIR" || exit 1
command -v clang-format >/dev/null || { echo "FAIL: clang-format is not installed"; exit 1; }
mapfile -t files < <(find app bench framework markup media platform play rules screens storage tests tools widgets \
  -name '*.cpp' -o -name '*.h' | sort)
[ "${#files[@]}" -gt 200 ] || { echo "FAIL: only ${#files[@]} C++ files found under $SOURCE_DIR"; exit 1; }
bad=0
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f (clang-format -i $f)"
    clang-format --dry-run "$f" 2>&1 | head -6
    bad=$((bad + 1))
  fi
done
[ "$bad" -eq 0 ] || { echo "FAIL: $bad of ${#files[@]} files differ from clang-format"; exit 1; }
echo "ok (${#files[@]} files formatted)"
