# chromal-tool encipher/decipher: binary-safe round trips through files and
# pipes, and clear failures on bad input.
source "$(dirname "$0")/tool_lib.sh" "$@"

printf 'm_sound 1\nm_hints 0\n' > "$WORK/plain.txt"
head -c 5000 /dev/urandom > "$WORK/random.bin"
printf 'a\0b\0\377' > "$WORK/nul.bin"
: > "$WORK/empty"

for key in 'vum' 'slotstate@#&' 'zpqrtu%#%8127'; do
  for f in plain.txt random.bin nul.bin empty; do
    expect_exit 0 encipher --key "$key" "$WORK/$f" "$WORK/enc"
    expect_exit 0 decipher --key="$key" "$WORK/enc" "$WORK/dec"
    same_file "$WORK/$f" "$WORK/dec" "round trip of $f under $key"
  done
done
"$TOOL" encipher --key vum < "$WORK/nul.bin" | "$TOOL" decipher --key vum - - > "$WORK/piped"
same_file "$WORK/nul.bin" "$WORK/piped" "piped round trip"

# Data this cipher cannot have written; inputs and outputs that do not work.
printf 'x' > "$WORK/one.bin"
printf '\005abc' > "$WORK/badrot.bin"
for f in one.bin badrot.bin missing .; do expect_exit 1 decipher --key vum "$WORK/$f"; done
expect_exit 1 encipher --key vum "$WORK/plain.txt" "$WORK/no/such/folder"
expect_exit 0 encipher --key vum "$WORK/plain.txt" /dev/null
[ -c /dev/null ] || fail "/dev/null is no longer a device"

# Usage errors, help and version.
expect_exit 2 encipher "$WORK/plain.txt"
expect_exit 2 encipher --key "" "$WORK/plain.txt"
expect_exit 2 encipher --key
expect_exit 2 decipher --key vum a b c
expect_exit 2 decipher --key vum --bogus
expect_exit 2 frobnicate
expect_exit 2
expect_exit 0 encipher --help
grep -q 'usage: chromal-tool encipher' "$WORK/out" || fail "encipher --help"
expect_exit 0 --version
grep -Eq '^chromal-tool [0-9]+\.[0-9]+' "$WORK/out" || fail "--version"

finish
