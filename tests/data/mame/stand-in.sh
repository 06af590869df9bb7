#!/bin/sh
# A stand-in for MAME. It writes its process id and then its arguments, one a
# line, to the file STAND_IN_ARGS names (mame.args in its folder when unset),
# then does what STAND_IN says:
#   (unset)        ends at once with status 0
#   fail N TEXT    writes TEXT on standard error and ends with status N
#   wait FILE      runs until FILE is there (a minute at most), then writes FILE.seen
#   flood N TEXT   writes N numbered lines and then TEXT on standard error, and
#                  ends with status 5
#   spam N         runs past the time MAME has to settle (6 s), then writes N MiB
#                  on standard error and says in spam.done the kB of shared
#                  memory (which a memory file would take) before and after,
#                  and the writer's status; then runs until the file go is there
printf '%s\n' "$$" "$@" > "${STAND_IN_ARGS:-mame.args}"
set -- $STAND_IN
shmem() { sed -n 's/^Shmem: *\([0-9]*\) kB/\1/p' /proc/meminfo; }
case $1 in
fail) status=$2 && shift 2 && echo "$*" >&2 && exit "$status" ;;
wait) for _ in $(seq 600); do [ -e "$2" ] && break; sleep 0.1; done && : > "$2.seen" ;;
flood) lines=$2 && shift 2 && { seq -f 'line %g' "$lines"; echo "$*"; } >&2 && exit 5 ;;
spam)
    sleep 6
    before=$(shmem)
    head -c "$2M" /dev/zero >&2
    written=$?
    echo "$before $(shmem) $written" > spam.done
    for _ in $(seq 600); do [ -e go ] && break; sleep 0.1; done ;;
esac
