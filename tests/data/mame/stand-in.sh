#!/bin/sh
# A stand-in for MAME. It writes its process id and then its arguments, one a
# line, to the file STAND_IN_ARGS names (mame.args in its folder when unset),
# then does what STAND_IN says:
#   (unset)        ends at once with status 0
#   fail N TEXT    writes TEXT on standard error and ends with status N
#   wait FILE      runs until FILE is there (a minute at most), then writes FILE.seen
printf '%s\n' "$$" "$@" > "${STAND_IN_ARGS:-mame.args}"
set -- $STAND_IN
case $1 in
fail) status=$2 && shift 2 && echo "$*" >&2 && exit "$status" ;;
wait) for _ in $(seq 600); do [ -e "$2" ] && break; sleep 0.1; done && : > "$2.seen" ;;
esac
