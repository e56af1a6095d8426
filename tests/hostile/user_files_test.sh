# Hostile per-user files: settings, saved game, top-7 table and statistics each empty,
# cut short, random, enciphered garbage, or enciphered text holding huge
# numbers, printf directives, paths, very long lines and NUL bytes. The game
# must reach the menu and quit cleanly, and write back files that read as
# sound ones.
BUILD_DIR=$1 SOURCE_DIR=$2 DATA_DIR=${3:-}
source "$SOURCE_DIR/tests/hostile/common.sh"

# The four files, each with its key, in the same order.
FILES=(dx_demo.cfg saved_demo.dat top7_demo.tbl stats_demo.dat)
KEYS=("$SETTINGS_KEY" "$SAVE_KEY" "$TOP7_KEY" "$STATS_KEY")

# Good files from a clean run, to cut short below.
run_game "$WORK/good" good
expect_clean good
for f in "${FILES[@]}"; do [ -s "$WORK/good/$f" ] || fail "clean run wrote no $f"; done

# all_four NAME: the same text (standard input) for all the files of a new
# folder NAME, enciphered with each one's key.
all_four() {
  mkdir -p "$WORK/$1"
  cat > "$WORK/$1.txt"
  for i in 0 1 2 3; do encipher "${KEYS[i]}" "$WORK/$1/${FILES[i]}" < "$WORK/$1.txt"; done
}

# Empty, cut to half, random bytes, and enciphered random bytes.
mkdir -p "$WORK/empty" "$WORK/truncated" "$WORK/random" "$WORK/garbage"
for i in 0 1 2 3; do
  f=${FILES[i]}
  : > "$WORK/empty/$f"
  head -c $(($(stat -c %s "$WORK/good/$f") / 2)) "$WORK/good/$f" > "$WORK/truncated/$f"
  bytes 3000 $((11 + i)) > "$WORK/random/$f"
  bytes 3000 $((21 + i)) | encipher "${KEYS[i]}" "$WORK/garbage/$f"
done

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
{ echo "$state"; echo "gamedata.gametype 1"; echo "gamedata.m_game_type 1"; echo "gamedata.level_num 1"
  echo "gamedata.dir_pattern dat/levels_duel/lev%03d.raw"
  keys_with 99999999999999999999999; echo "m_window_height -2147483648"; echo "x 2147483647"
  echo "y -99999999999"; echo "gamedata.playerlifes 2147483647"; echo "gamedata.totalscore -2147483648"
} | all_four huge

{ echo "$state" | sed 's/ 02 / %n /'; keys_with '%s%n%x%s%n%x%s%n'
  echo "gamedata.gametype %n"; echo "gamedata.dir_pattern %s%s%s%n%n"; echo 'menudata.gamename "%s%n%x"'
} | all_four format

{ echo "$state"; echo "gamedata.gametype 1"; echo "gamedata.m_game_type 1"; echo "gamedata.level_num 1"
  echo "gamedata.dir_pattern ../../../../../../etc/passwd"; keys_with ../../etc/passwd
  echo "top7.rec_name000002 /etc/passwd"; echo "m_user_folder /"; echo "/etc/passwd /etc/shadow"
} | all_four paths

{ printf 'm_window_width '; head -c 300000 /dev/zero | tr '\0' 9; echo
  printf 'top7.rec_name000000 '; head -c 300000 /dev/zero | tr '\0' A; echo
  head -c 300000 /dev/zero | tr '\0' k; echo " 1"
  printf 'gamedata.fieldstate "001'; for _ in $(seq 1 20000); do printf ' 01'; done; echo ' "'
  echo "gamedata.gametype 0"; echo "gamedata.level_num 1"
} | all_four long

{ printf 'm_music_volume 7\0 9\n\0m_adv_level 5\nm_classic\0_level 2\n'
  printf 'top7.rec_name000000 Ad\0a\ntop7.rec_points000000 1\0 2\n'
  echo "$state" | sed 's/ 03 / \x00 /'; printf 'gamedata.gametype 1\0\n\0\0\0\n'
} | all_four nul

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
