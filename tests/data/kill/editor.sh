#!/bin/bash
# Kills the editor with SIGKILL at random moments while Save writes a pair
# (project file and side file) over an old one, RUNS times, driven by real
# keys in an Xvfb of its own: an edit, F6, Right in the Console View (the
# second frame), an edit, Ctrl+S, Return on the Save As dialog, and the kill
# 0 to 6 ms after Return is sent. Sorts what each kill left as resave.sh
# does: the old pair, the new pair (the one a save left without a kill), or
# a pair whose side file check tells as not saved with its project file;
# anything else fails. A start the X server refused is counted apart.
# Usage: editor.sh EDITOR CLI RUNS [LIBRARY] (LIBRARY is taken in with
# LD_PRELOAD: no_tmpfile.so, a file system without O_TMPFILE). Needs Xvfb and
# xdotool. Prints "old N new N told N skipped N".
set -u
editor=$(realpath "$1") cli=$(realpath "$2") runs=$3 preload=${4:-}
src=$(cd "$(dirname "$0")/../side" && pwd)
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
cd "$work" && mkdir -m 700 home
cp "$src/frames.eap" old.eap && cp "$src/frames.eap.asm" old.eap.asm

window() { # TITLE-PATTERN: a visible window's id, within 10 s
    for _ in $(seq 200); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.05
    done
}
save() { # [MICROSECONDS]: edit and save target.eap; the kill that long after Return
    cp old.eap target.eap && cp old.eap.asm target.eap.asm && touch -r target.eap target.eap.asm
    HOME=$work/home XDG_RUNTIME_DIR=$work/home LD_PRELOAD=$preload "$editor" target.eap >>editor.log 2>&1 &
    local pid=$! w
    w=$(window '^Welcome$')
    [ -n "$w" ] || { kill -9 $pid 2>/dev/null; wait $pid 2>/dev/null; return 1; }
    xdotool windowfocus --sync "$w" key Return
    w=$(window 'target.eap - Tilewright')
    xdotool windowfocus --sync "$w" key i F6
    sleep 0.2
    xdotool windowfocus --sync "$(window 'Console View$')" key Right
    sleep 0.1
    xdotool windowfocus --sync "$w" key i ctrl+s
    xdotool windowfocus --sync "$(window '^Save As$')"
    if [ -n "${1:-}" ]; then
        xdotool key --delay 0 Return &
        local key=$!
        sleep "$(printf '0.%06d' "$1")"
        kill -9 $pid
        wait $pid 2>/dev/null
        wait $key
    else
        xdotool key Return
        for _ in $(seq 100); do ! cmp -s target.eap.asm old.eap.asm && break; sleep 0.05; done
        sleep 0.3
        kill $pid
        wait $pid 2>/dev/null
    fi
    return 0
}

save || { echo "the editor did not start" >&2; cat editor.log >&2; exit 1; }
cp target.eap new.eap && cp target.eap.asm new.eap.asm
if cmp -s new.eap old.eap || cmp -s new.eap.asm old.eap.asm; then
    echo "the save without a kill did not change both files" >&2
    exit 1
fi
old=0 new=0 told=0 skipped=0
for ((i = 0; i < runs; i++)); do
    save $((RANDOM % 6000)) || { skipped=$((skipped + 1)); continue; }
    if cmp -s target.eap old.eap && cmp -s target.eap.asm old.eap.asm; then
        old=$((old + 1))
    elif cmp -s target.eap new.eap && cmp -s target.eap.asm new.eap.asm; then
        new=$((new + 1))
    elif "$cli" check target.eap | grep -q '^target.eap.asm: warning: the side file is older than its project file'; then
        told=$((told + 1))
    else
        echo "run $i: neither the old pair nor the new, and not told" >&2
        ls -l --time-style=full-iso target.eap* >&2
        "$cli" check target.eap >&2
        exit 1
    fi
    rm -f .tilewright-*
done
echo "old $old new $new told $told skipped $skipped"
