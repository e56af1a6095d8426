# Damaged data folders: loose files missing, pictures and board masks cut
# short, and a data pack that is cut short, random, indexes past its end or
# holds garbage under every real name. The game starts, shows the menu, plays
# a few frames of a game and exits 0 without a sanitizer report.
BUILD_DIR=$1 SOURCE_DIR=$2 DATA_DIR=${3:-}
source "$SOURCE_DIR/tests/hostile/common.sh"
SOURCE_DATA=$(cd "$DATA" && pwd)
PACK="$SOURCE_DATA/data.pk"
[ -f "$PACK" ] || fail "no data.pk in $SOURCE_DATA"

# loose NAME: the loose files as links into the real data, without the pack.
loose() {
  mkdir -p "$WORK/$1"
  cp -rs "$SOURCE_DATA"/. "$WORK/$1"/ || fail "copying the data for $1"
  rm -f "$WORK/$1/data.pk"
}
# slice OFFSET COUNT: COUNT bytes of the real pack from OFFSET (enciphered
# content: garbage to every reader, and the same on every run).
slice() { tail -c +$(($1 % $(stat -c %s "$PACK") + 1)) "$PACK" | head -c "$2"; }

loose missing
for f in mui/font.tga mui/main_wnd.txt mui/resourses.txt dat/game.txt dat/skin01.tga dat/skin01.spr \
  dat/levels_classic/lev000.raw dat/hints/hints.xml mui/bgs/main.jpg music/menu.xm wav/btn_click.wav; do
  rm -f "$WORK/missing/$f"
done

# Every picture and mask cut to 0, 18 (a header alone) or 700 bytes.
loose truncated
i=0
while IFS= read -r f; do
  cut=$(( (i % 3 == 0) ? 0 : (i % 3 == 1 ? 18 : 700) ))
  head -c $cut "$SOURCE_DATA/$f" > "$WORK/truncated/$f.cut" && mv -f "$WORK/truncated/$f.cut" "$WORK/truncated/$f"
  i=$((i + 1))
done < <(cd "$SOURCE_DATA" && find . -type f \( -name '*.tga' -o -name '*.jpg' -o -name '*.raw' \) | sed 's|^\./||' | sort)

mkdir -p "$WORK/pack_cut" "$WORK/pack_random" "$WORK/pack_outside" "$WORK/pack_garbage"
head -c 1000000 "$PACK" > "$WORK/pack_cut/data.pk"
{ printf 'LB'; slice 4242 65536; } > "$WORK/pack_random/data.pk"
# Two sound entries, then one whose size runs far past the end of the file.
{ printf 'LB\003\000\000\000'
  printf '\007\000\000\000dat/a.x\003\000\000\000\000abc'
  printf '\007\000\000\000dat/b.x\000\000\000\000\001'
  printf '\013\000\000\000mui/big.tga\360\377\377\377\001'; slice 99 500; } > "$WORK/pack_outside/data.pk"
# A well-formed pack holding garbage under every name the game reads.
mkdir -p "$WORK/garbage_src"
i=0
while IFS= read -r f; do
  mkdir -p "$WORK/garbage_src/$(dirname "$f")"
  slice $((i * 104729)) $((i * 37 % 2000)) > "$WORK/garbage_src/$f"
  i=$((i + 1))
done < <(cd "$SOURCE_DATA" && find . -type f ! -name data.pk | sed 's|^\./||' | sort)
"$TOOL" pack build "$WORK/pack_garbage/data.pk" "$WORK/garbage_src" --encipher > /dev/null || fail "building the garbage pack"

for name in missing truncated pack_cut pack_random pack_outside pack_garbage; do
  DATA="$WORK/$name" FRAMES=60 run_game "$WORK/user-$name" "$name" --play classic:1
  expect_clean "$name"
  "$TOOL" show save --user-dir "$WORK/user-$name" > /dev/null || fail "$name: saved game unreadable"
done
echo "ok"
