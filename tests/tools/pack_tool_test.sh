# chromal-tool pack: building a pack from loose files, listing it, reading
# entries back as the game does, and refusing damaged packs without crashing.
source "$(dirname "$0")/tool_lib.sh" "$@"

data="$WORK/data"
mkdir -p "$data/Mui" "$data/dat/levels_classic" "$data/wav"
printf 'm_close_btn.x 10\nm_close_btn.y 20\n' > "$data/Mui/Main_Wnd.txt"
head -c 3000 /dev/urandom > "$data/dat/levels_classic/lev001.raw"
: > "$data/wav/empty.wav"
printf 'z' > "$data/a.txt"

for mode in plain enciphered; do
  flag=n; args=()
  if [ "$mode" = enciphered ]; then flag=y; args=(--encipher); fi
  # The pack is written inside the folder it packs; a rebuild must skip it.
  for round in 1 2; do
    expect_exit 0 pack build "$data/data.pk" "$data" "${args[@]}"
  done
  expect_exit 0 pack list "$data/data.pk"
  printf '%s\n' "a.txt	1	$flag" "dat/levels_classic/lev001.raw	3000	$flag" \
    "mui/main_wnd.txt	34	$flag" "wav/empty.wav	0	$flag" > "$WORK/want"
  same_file "$WORK/want" "$WORK/out" "$mode listing"

  expect_exit 0 pack cat "$data/data.pk" dat/levels_classic/lev001.raw
  same_file "$data/dat/levels_classic/lev001.raw" "$WORK/out" "$mode entry"
  expect_exit 0 pack cat "$data/data.pk" 'MUI\Main_Wnd.TXT'
  same_file "$data/Mui/Main_Wnd.txt" "$WORK/out" "$mode entry by upper case and backslashes"
  expect_exit 0 pack cat "$data/data.pk" wav/empty.wav
  [ -s "$WORK/out" ] && fail "empty entry has bytes"
  expect_exit 1 pack cat "$data/data.pk" mui/missing.txt
  expect_exit 1 pack cat "$data/data.pk" data.pk
done

# The same input gives the same pack.
rm "$data/data.pk"
"$TOOL" pack build "$WORK/one.pk" "$data" --encipher
"$TOOL" pack build "$WORK/two.pk" "$data" --encipher
same_file "$WORK/one.pk" "$WORK/two.pk" "deterministic build"

# Names the format cannot hold, or that would hide each other.
long="$WORK/long"; mkdir -p "$long"
: > "$long/$(printf 'n%.0s' $(seq 104))"
expect_exit 1 pack build "$WORK/long.pk" "$long"
[ -e "$WORK/long.pk" ] && fail "refused pack was written"
rm "$long"/*; : > "$long/$(printf 'n%.0s' $(seq 103))"
expect_exit 0 pack build "$WORK/long.pk" "$long"
twins="$WORK/twins"; mkdir -p "$twins"; : > "$twins/A.txt"; : > "$twins/a.txt"
expect_exit 1 pack build "$WORK/twins.pk" "$twins"
expect_exit 1 pack build "$WORK/x.pk" "$WORK/no-such-folder"

# Damaged packs: truncations (closely through the header and the entry table,
# sparsely through the contents), a wrong magic, a huge entry count; never a
# crash (the fuzz target feeds the reader random packs).
"$TOOL" pack build "$WORK/small.pk" "$data"
size=$(stat -c %s "$WORK/small.pk")
for cut in $(seq 0 3 400) $(seq 401 97 $((size - 1))) $((size - 1)); do
  head -c "$cut" "$WORK/small.pk" > "$WORK/cut.pk"
  expect_exit 1 pack list "$WORK/cut.pk"
  expect_exit 1 pack cat "$WORK/cut.pk" a.txt
done
{ printf 'LC'; tail -c +3 "$WORK/small.pk"; } > "$WORK/magic.pk"
expect_exit 1 pack list "$WORK/magic.pk"
printf 'LB\377\377\377\377\150\000\000\000' > "$WORK/hostile.pk"
expect_exit 1 pack list "$WORK/hostile.pk"
expect_exit 1 pack list "$WORK/missing.pk"
expect_exit 1 pack list "$WORK"

# Usage errors.
expect_exit 2 pack
expect_exit 2 pack build "$WORK/x.pk"
expect_exit 2 pack list
expect_exit 2 pack cat "$data/data.pk"
expect_exit 2 pack list "$data/data.pk" --encipher
expect_exit 2 pack squash "$data/data.pk"
expect_exit 0 pack --help
grep -q 'pack build' "$WORK/out" || fail "pack --help"

finish
