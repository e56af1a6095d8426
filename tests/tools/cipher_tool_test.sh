# chromal-tool encipher/decipher: binary-safe round trips through files and
# pipes, and clear failures on bad input.
source "$(dirname "$0")/tool_lib.sh" "$@"

printf 'm_sound 1\nm_hints 0\n' > "$WORK/plain.txt"
head -c 5000 /dev/urandom > "$WORK/random.bin"
printf 'a\0b\0\377' > "$WORK/nul.bin"
printf 'x' > "$WORK/one.bin"

for key in 'vum' 'slotstate@#&' 'zpqrtu%#%8127'; do
  for f in plain.txt random.bin nul.bin one.bin; do
    expect_exit 0 encipher --key "$key" "$WORK/$f" "$WORK/enc"
    [ "$(stat -c %s "$WORK/enc")" -eq $(( $(stat -c %s "$WORK/$f") + 1 )) ] || fail "$f under $key: size"
    expect_exit 0 decipher --key="$key" "$WORK/enc" "$WORK/dec"
    same_file "$WORK/$f" "$WORK/dec" "file round trip of $f under $key"
  done
done

# Standard input and output, including '-'.
"$TOOL" encipher --key vum < "$WORK/random.bin" | "$TOOL" decipher --key vum - - > "$WORK/piped"
same_file "$WORK/random.bin" "$WORK/piped" "piped round trip"
"$TOOL" encipher --key vum "$WORK/nul.bin" | "$TOOL" decipher --key vum > "$WORK/piped"
same_file "$WORK/nul.bin" "$WORK/piped" "piped round trip with zero bytes"

# The wrong key gives other bytes of the same length.
"$TOOL" encipher --key vum "$WORK/plain.txt" "$WORK/enc"
expect_exit 0 decipher --key vun "$WORK/enc"
cmp -s "$WORK/out" "$WORK/plain.txt" && fail "wrong key deciphered correctly"
[ "$(stat -c %s "$WORK/out")" -eq "$(stat -c %s "$WORK/plain.txt")" ] || fail "wrong key: size"

# Empty in, empty out.
: > "$WORK/empty"
expect_exit 0 encipher --key vum "$WORK/empty"
[ -s "$WORK/out" ] && fail "empty input enciphered to something"
expect_exit 0 decipher --key vum "$WORK/empty"

# Data this cipher cannot have written.
expect_exit 1 decipher --key vum "$WORK/one.bin"
printf '\005abc' > "$WORK/badrot.bin"
expect_exit 1 decipher --key vum "$WORK/badrot.bin"
printf '\200abcdef' > "$WORK/negrot.bin"
expect_exit 1 decipher --key vum "$WORK/negrot.bin"
expect_exit 1 decipher --key vum "$WORK/missing"
expect_exit 1 decipher --key vum "$WORK"

# A failed write leaves the old output alone.
printf 'old' > "$WORK/keep"
expect_exit 1 encipher --key vum "$WORK/plain.txt" "$WORK/no/such/folder"
expect_exit 0 encipher --key vum "$WORK/plain.txt" /dev/null
[ -c /dev/null ] || fail "/dev/null is no longer a device"

# Usage errors.
expect_exit 2 encipher "$WORK/plain.txt"
expect_exit 2 encipher --key "" "$WORK/plain.txt"
expect_exit 2 encipher --key
expect_exit 2 decipher --key vum a b c
expect_exit 2 decipher --key vum --bogus
expect_exit 2 frobnicate
expect_exit 2
expect_exit 0 encipher --help
grep -q 'usage: chromal-tool encipher' "$WORK/out" || fail "encipher --help"
expect_exit 0 --help
grep -q 'pack' "$WORK/out" || fail "--help lists the commands"
expect_exit 0 --version
grep -Eq '^chromal-tool [0-9]+\.[0-9]+' "$WORK/out" || fail "--version"

finish
