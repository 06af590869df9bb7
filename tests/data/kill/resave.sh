#!/bin/bash
# Kills `tilewright-cli resave` with SIGKILL at random moments while it saves
# a new project over an old pair (project file and side file), RUNS times,
# and sorts what each kill left: the old pair, the new pair, or a pair whose
# side file check tells as not saved with its project file. Anything else
# (a pair that loads silently as neither project, a file cut short) fails.
# Usage: resave.sh CLI RUNS [LIBRARY], run in an empty folder; LIBRARY
# is taken in with LD_PRELOAD (no_tmpfile.so: a file system without
# O_TMPFILE). Prints "old N new N told N".
set -u
cli=$1 runs=$2 preload=${3:-}
src=$(cd "$(dirname "$0")/../side" && pwd)
cp "$src/frames.eap" old.eap && cp "$src/frames.eap.asm" old.eap.asm
# The new project: other rows in every frame, another TV
sed 's/18h,3Ch,7Eh/81h,42h,24h/' "$src/frames.eap" >new.eap
sed 's/NTSC/PAL/; s/00h,18h,3Ch/0C3h,18h,24h/' "$src/frames.eap.asm" >new.eap.asm
touch -r new.eap new.eap.asm
old=0 new=0 told=0
for ((i = 0; i < runs; i++)); do
    cp old.eap target.eap && cp old.eap.asm target.eap.asm && touch -r target.eap target.eap.asm
    LD_PRELOAD=$preload ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" "$cli" resave new.eap target.eap 2>/dev/null &
    pid=$!
    sleep "$(printf '0.%03d' $((RANDOM % 40)))"
    kill -9 $pid 2>/dev/null
    wait $pid 2>/dev/null
    if cmp -s target.eap old.eap && cmp -s target.eap.asm old.eap.asm; then
        old=$((old + 1))
    elif cmp -s target.eap new.eap && cmp -s target.eap.asm new.eap.asm; then
        new=$((new + 1))
    elif "$cli" check target.eap | grep -q '^target.eap.asm: warning: the side file is older than its project file'; then
        told=$((told + 1))
    else
        echo "run $i left a pair that is neither the old nor the new one, and is not told:" >&2
        ls -l --time-style=full-iso target.eap target.eap.asm >&2
        "$cli" check target.eap >&2
        exit 1
    fi
    rm -f .tilewright-*
done
echo "old $old new $new told $told"
