# chromal-tool props dump and show: property files printed as the game saves
# them, per-user files deciphered with their own keys.
source "$(dirname "$0")/tool_lib.sh" "$@"

printf 'zeta 1 // comment\nAlpha "two words"\nb 2 b 3\nlast' > "$WORK/layout.txt"
printf 'Alpha "two words"\nb 3\nlast \nzeta 1\n' > "$WORK/want"
expect_exit 0 props dump "$WORK/layout.txt"
same_file "$WORK/want" "$WORK/out" "props dump"

# Enciphered with a key: the same map.
"$TOOL" encipher --key 'slotstate@#&' "$WORK/layout.txt" "$WORK/layout.enc"
expect_exit 0 props dump "$WORK/layout.enc" --key 'slotstate@#&'
same_file "$WORK/want" "$WORK/out" "props dump --key"

expect_exit 1 props dump "$WORK/missing.txt"
expect_exit 1 props dump "$WORK"
expect_exit 2 props dump
expect_exit 2 props dump a b
expect_exit 2 props list "$WORK/layout.txt"
expect_exit 2 props dump "$WORK/layout.txt" --key ""
expect_exit 0 props --help

# show: each per-user file with its own key, always in a private folder.
user="$WORK/user"
mkdir -p "$user"
printf 'm_sound 1\nm_music_volume 40\n' > "$WORK/settings.txt"
printf 'gamedata.totalscore 1234\n' > "$WORK/save.txt"
printf 'top7.rec_name000000 "Ann Lee"\n' > "$WORK/top7.txt"
"$TOOL" encipher --key vum "$WORK/settings.txt" "$user/dx_demo.cfg"
"$TOOL" encipher --key 'slotstate@#&' "$WORK/save.txt" "$user/saved_demo.dat"
"$TOOL" encipher --key 'zpqrtu%#%8127' "$WORK/top7.txt" "$user/top7_demo.tbl"

expect_exit 0 show settings --user-dir "$user"
printf 'm_music_volume 40\nm_sound 1\n' > "$WORK/want"
same_file "$WORK/want" "$WORK/out" "show settings"
expect_exit 0 show save --user-dir "$user"
same_file "$WORK/save.txt" "$WORK/out" "show save"
expect_exit 0 show top7 --user-dir="$user"
same_file "$WORK/top7.txt" "$WORK/out" "show top7"

expect_exit 1 show settings --user-dir "$WORK/empty-user"
expect_exit 2 show --user-dir "$user"
expect_exit 2 show scores --user-dir "$user"
expect_exit 2 show settings save --user-dir "$user"
expect_exit 2 show settings --user-dir
expect_exit 0 show --help

finish
