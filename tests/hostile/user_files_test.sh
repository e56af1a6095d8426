# Hostile per-user files: settings, saved game, top-7 table and statistics each empty,
# cut short, random, enciphered garbage, or enciphered text holding huge
# numbers, printf directives, paths, very long lines and NUL bytes. The game
# must reach the menu and quit cleanly, and write back files that read as
# sound ones.
BUILD_DIR=$1 SOURCE_DIR=$2 DATA_DIR=${3:-}
source "$SOURCE_DIR/tests/hostile/common.sh"

# Good files from a clean run, to cut short below.
run_game "$WORK/good" good
expect_clean good
for f in dx_demo.cfg saved_demo.dat top7_demo.tbl stats_demo.dat; do [ -s "$WORK/good/$f" ] || fail "clean run wrote no $f"; done

# make_case NAME: a fresh folder for one case.
make_case() { mkdir -p "$WORK/$1"; }
# all_three NAME KIND: the same text for all the files, enciphered with each one's key.
all_three() {
  cat > "$WORK/$1.txt"
  encipher "$SETTINGS_KEY" "$WORK/$1/dx_demo.cfg" < "$WORK/$1.txt"
  encipher "$SAVE_KEY" "$WORK/$1/saved_demo.dat" < "$WORK/$1.txt"
  encipher "$TOP7_KEY" "$WORK/$1/top7_demo.tbl" < "$WORK/$1.txt"
  encipher "$STATS_KEY" "$WORK/$1/stats_demo.dat" < "$WORK/$1.txt"
}

make_case empty
: > "$WORK/empty/dx_demo.cfg"; : > "$WORK/empty/saved_demo.dat"; : > "$WORK/empty/top7_demo.tbl"; : > "$WORK/empty/stats_demo.dat"

make_case truncated
for f in dx_demo.cfg saved_demo.dat top7_demo.tbl stats_demo.dat; do
  head -c $(($(stat -c %s "$WORK/good/$f") / 2)) "$WORK/good/$f" > "$WORK/truncated/$f"
done

make_case random
bytes 3000 11 > "$WORK/random/dx_demo.cfg"
bytes 3000 12 > "$WORK/random/saved_demo.dat"
bytes 3000 13 > "$WORK/random/top7_demo.tbl"
bytes 3000 14 > "$WORK/random/stats_demo.dat"

make_case garbage
bytes 3000 21 | encipher "$SETTINGS_KEY" "$WORK/garbage/dx_demo.cfg"
bytes 3000 22 | encipher "$SAVE_KEY" "$WORK/garbage/saved_demo.dat"
bytes 3000 23 | encipher "$TOP7_KEY" "$WORK/garbage/top7_demo.tbl"
bytes 3000 24 | encipher "$STATS_KEY" "$WORK/garbage/stats_demo.dat"

# Every key the files hold, with one value; the saved game keeps a real board
# so that the values reach the resumed game.
state=$("$TOOL" show save --user-dir "$WORK/good" | grep '^gamedata.fieldstate')
keys_with() {
  local v=$1
  for k in m_window_width m_window_height x y m_sound m_hints m_show_dragons m_sound_invert \
    m_is_full_screen_loaded m_music_volume m_adv_level m_classic_level m_moving_level gamedata.totalscore \
    gamedata.playermoney gamedata.playerlifes gamedata.levels_count m_opponent gamedata.opponent \
    gamedata.moves stats.classic.won stats.classic.run stats.moving.best1; do
    echo "$k $v"
  done
  for i in 000 001; do for j in 000 001 006; do echo "top7.rec_name$i$j $v"; echo "top7.rec_points$i$j $v"
    echo "top7.rec_opponent$i$j $v"; done; done
}
make_case huge
{ echo "$state"; echo "gamedata.gametype 1"; echo "gamedata.m_game_type 1"; echo "gamedata.level_num 1"
  echo "gamedata.dir_pattern dat/levels_duel/lev%03d.raw"
  keys_with 99999999999999999999999; echo "m_window_height -2147483648"; echo "x 2147483647"
  echo "y -99999999999"; echo "gamedata.playerlifes 2147483647"; echo "gamedata.totalscore -2147483648"
} | all_three huge

make_case format
{ echo "$state" | sed 's/ 02 / %n /'; keys_with '%s%n%x%s%n%x%s%n'
  echo "gamedata.gametype %n"; echo "gamedata.dir_pattern %s%s%s%n%n"; echo 'menudata.gamename "%s%n%x"'
} | all_three format

make_case paths
{ echo "$state"; echo "gamedata.gametype 1"; echo "gamedata.m_game_type 1"; echo "gamedata.level_num 1"
  echo "gamedata.dir_pattern ../../../../../../etc/passwd"; keys_with ../../etc/passwd
  echo "top7.rec_name000002 /etc/passwd"; echo "m_user_folder /"; echo "/etc/passwd /etc/shadow"
} | all_three paths

make_case long
{ printf 'm_window_width '; head -c 300000 /dev/zero | tr '\0' 9; echo
  printf 'top7.rec_name000000 '; head -c 300000 /dev/zero | tr '\0' A; echo
  head -c 300000 /dev/zero | tr '\0' k; echo " 1"
  printf 'gamedata.fieldstate "001'; for _ in $(seq 1 20000); do printf ' 01'; done; echo ' "'
  echo "gamedata.gametype 0"; echo "gamedata.level_num 1"
} | all_three long

make_case nul
{ printf 'm_music_volume 7\0 9\n\0m_adv_level 5\nm_classic\0_level 2\n'
  printf 'top7.rec_name000000 Ad\0a\ntop7.rec_points000000 1\0 2\n'
  echo "$state" | sed 's/ 03 / \x00 /'; printf 'gamedata.gametype 1\0\n\0\0\0\n'
} | all_three nul

defaults="m_adv_level 3|m_classic_level 3|m_moving_level 1|m_music_volume 40|m_window_height 600|m_window_width 800"
for name in empty truncated random garbage huge format paths long nul; do
  run_game "$WORK/$name" "$name"
  expect_clean "$name"
  for what in settings save top7 stats; do
    "$TOOL" show "$what" --user-dir "$WORK/$name" > "$WORK/$name.$what" 2>&1 \
      || fail "$name: $what written back unreadable: $(head -3 "$WORK/$name.$what")"
  done
  case $name in empty|random|garbage)
    [ "$(grep -cE "^($defaults)\$" "$WORK/$name.settings")" -eq 6 ] \
      || fail "$name: settings not the defaults: $(cat "$WORK/$name.settings")"
    grep -q "^top7.rec_name000000 Nemo$" "$WORK/$name.top7" || fail "$name: top-7 not the default"
    grep -q "^stats.classic.won 0$" "$WORK/$name.stats" || fail "$name: statistics not the default"
    ;;
  esac
  # A usable window size, whatever the file said.
  w=$(sed -n 's/^m_window_width //p' "$WORK/$name.settings")
  h=$(sed -n 's/^m_window_height //p' "$WORK/$name.settings")
  [ "${w:-0}" -ge 100 ] && [ "${w:-0}" -le 16384 ] && [ "${h:-0}" -ge 100 ] && [ "${h:-0}" -le 16384 ] \
    || fail "$name: window size $w x $h saved"
  extra=$(ls -A "$WORK/$name" | grep -vxE "dx_demo.cfg|saved_demo.dat|top7_demo.tbl|stats_demo.dat|game.log")
  [ -z "$extra" ] || fail "$name: files left behind: $extra"
done
echo "ok"
