#!/usr/bin/env bash
# The program used as a user uses it, under a real X server and window manager: a value typed,
# the view scrolled, a column header clicked, the column copied and erased, a text with LF line
# ends pasted twice, the second paste undone, Ctrl+S; the saved file must be the expected bytes.
# Waits on window titles, the clipboard and the file, never on fixed sleeps.
#   EditAndSave.sh PROGRAM DATA_DIR WORK_DIR
set -u
program=$(realpath "$1") data=$(realpath "$2") work=$(realpath -m "$3")
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; [ -s "$work/program.log" ] && sed 's/^/program: /' "$work/program.log"; exit 1; }
for tool in Xvfb openbox xdotool xclip xdpyinfo xprop; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

# Polls a command until it succeeds or the seconds run out.
wait_for() {
  local until=$(($(date +%s) + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s)" -ge "$until" ] && return 1
    sleep 0.05
  done
}

rm -rf "$work"
mkdir -p "$work/xdg" "$work/run"
chmod 700 "$work/run"
pids=""
trap 'kill $pids 2>/dev/null; wait 2>/dev/null' EXIT
# The server picks a free display itself and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids="$!"
wait_for 30 test -s "$work/display" || skip "no X server could start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
wait_for 30 xdpyinfo || skip "the X server takes no connections: $(cat "$work/xvfb.log")"
openbox >"$work/openbox.log" 2>&1 &
pids="$! $pids"
wait_for 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "the window manager did not start: $(cat "$work/openbox.log")"

cp "$data/start.vo" "$work/data.vo"
(cd "$work" && QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" XDG_RUNTIME_DIR="$work/run" \
   SOURCE_DATE_EPOCH=1700000000 TZ=UTC exec "$program" data.vo) >"$work/program.log" 2>&1 &
app=$!
pids="$app $pids"
wait_for 60 sh -c "xdotool search --onlyvisible --name '^Da ziv Oru32\$' || ! kill -0 $app" || fail "the frame did not show"
kill -0 "$app" 2>/dev/null || fail "the program ended at start"
frame=$(xdotool search --onlyvisible --name '^Da ziv Oru32$' | head -1)
xdotool windowmove --sync "$frame" 0 0
xdotool windowactivate --sync "$frame"

clipboard() { xclip -selection clipboard -o 2>/dev/null; }
# Copies with Ctrl+C and prints the lines that reached the clipboard.
copy() {
  printf 'nothing copied' | xclip -selection clipboard -i 2>/dev/null
  xdotool key ctrl+c
  wait_for 10 sh -c '[ "$(xclip -selection clipboard -o 2>/dev/null)" != "nothing copied" ]' || fail "Ctrl+C copied nothing"
  clipboard | tr '\r' '\n' | sed '/^$/d'
}

# The cursor starts on case 1 of the first variable.
xdotool type --delay 30 7
xdotool key Return

# Scrolled to the end, a click on the header of the second variable selects it whole. The header
# is looked for around where it lies with the fonts of this system: a click on a cell copies one line.
xdotool mousemove --window "$frame" 400 400
for _ in $(seq 12); do xdotool click 5; done
found=""
for y in 100 92 108 84 116 76 124 68 132 60 140; do
  xdotool mousemove --window "$frame" 244 "$y" click 1
  lines=$(copy)
  if [ "$(printf '%s\n' "$lines" | wc -l)" -eq 120 ]; then found=$y; break; fi
done
[ -n "$found" ] || fail "no click selected the whole column; last copy: $(printf '%s' "$lines" | head -3)"
[ "$(printf '%s\n' "$lines" | head -1)" = 12 ] || fail "the column copied does not start at case 1"

# Del asks first; Enter answers OK.
xdotool key Delete
wait_for 10 xdotool search --onlyvisible --name '^データの消去$' || fail "no erase question"
xdotool key Return
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^データの消去$"' || fail "the erase question stayed"

# A text as Linux programs put it on the clipboard, pasted at the first cell and on case 5.
printf '1\t2\n3\t4' | xclip -selection clipboard -i 2>/dev/null
xdotool key Home ctrl+v
xdotool key Home Down Down Down Down ctrl+v
xdotool key ctrl+z ctrl+s
wait_for 20 sh -c "! cmp -s '$work/data.vo' '$data/start.vo'" || fail "Ctrl+S wrote nothing"
cmp "$work/data.vo" "$data/expected.vo" || { diff "$data/expected.vo" "$work/data.vo" | head -20; fail "the saved file differs"; }
echo "saved file as expected (header found at y $found)"
