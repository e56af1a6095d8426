# No function of the product, the tools or the bench runs over 80 lines; the
# lister must see through what would hide a long function from it.
BUILD_DIR=$1 SOURCE_DIR=$2
set -uo pipefail
lister="$SOURCE_DIR/scripts/long-functions"
sample=$(mktemp "$BUILD_DIR/long-functions.XXXXXX.cpp") || exit 1
trap 'rm -f "$sample"' EXIT
# A constructor of 81 lines with brace initialisers and braces in literals and
# comments, then a member of 80 lines defined in its class.
body() { for i in $(seq "$1"); do echo "    m_v += $i; // {"; done; }
{ echo 'struct S { int m_v; S(int v); };'; echo 'S::S(int v) : m_v{v}'; echo '{'
  echo '    const char* text = "}}}"; auto f = [] { return 1; }; /* } */'; body 77; echo '    m_v += f() + text[0];'
  echo '}'; echo 'namespace N { class C { int m_v; void Inline()'; echo '{'; body 78; echo '} }; }'; } >"$sample"
got=$("$lister" "$sample")
[ "$got" = "81 $sample:3 S::S" ] || { echo "FAIL: the lister printed '$got' for its sample"; exit 1; }
# The game screen's own functions are split with the screen itself.
long=$(cd "$SOURCE_DIR" && "$lister" | grep -v ' play/GameRepaint.cpp:[0-9]* CGame::BeginRepaint$')
[ -z "$long" ] || { printf 'over 80 lines: %s\n' "$long"; echo "FAIL: split these into named steps"; exit 1; }
echo "ok"
