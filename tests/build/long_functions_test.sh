# No function of the product, the tools or the bench runs over 80 lines; the
# lister itself must see through what would hide a long function from it.
BUILD_DIR=$1 SOURCE_DIR=$2
set -uo pipefail
lister="$SOURCE_DIR/scripts/long-functions"
work=$(mktemp -d "$BUILD_DIR/long-functions.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
fail=0

# A constructor with brace initialisers, a lambda, braces in literals and
# comments, and a class holding a member function: 81 lines and 80 lines.
body() { for i in $(seq "$1"); do echo "    m_v += $i; // {"; done; }
{
  echo 'struct S { int m_v; int m_w; S(int v); void Grow(); };'
  echo 'S::S(int v) : m_v{v}, m_w(0)'
  echo '{'
  echo '    const char* text = "}}}"; auto f = [] { return 1; };'
  body 77
  echo '    m_w = f() + text[0]; /* } */'
  echo '}'
  echo 'namespace N { class C { void Inline()'
  echo '{'
  body 78
  echo '} }; }'
} >"$work/sample.cpp"
got=$("$lister" "$work/sample.cpp")
want="81 $work/sample.cpp:3 S::S"
[ "$got" = "$want" ] || { echo "FAIL: the lister printed '$got', not '$want'"; fail=1; }

# Too few functions seen means the lister lost its way, not a clean tree.
count=$(cd "$SOURCE_DIR" && "$lister" --limit 0 | wc -l)
[ "$count" -gt 1000 ] || { echo "FAIL: the lister saw only $count functions in the tree"; fail=1; }

# The game screen's own functions are split with the screen itself.
long=$(cd "$SOURCE_DIR" && "$lister" | grep -v ' play/GameRepaint.cpp:[0-9]* CGame::BeginRepaint$')
if [ -z "$long" ]; then
  echo "ok (no function over 80 lines among $count)"
else
  printf 'over 80 lines: %s\n' "$long"
  echo "FAIL: split these functions into named steps"
  fail=1
fi
exit $fail
