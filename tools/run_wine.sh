#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's prefix on a private Xvfb
# display, so tests never move the user's pointer or read their screen. With
# --desktop (make run) the current X display is used when there is one.
# Exits with the program's code.
#
#   tools/run_wine.sh [--desktop] PROGRAM.exe [ARGS...]
#   tools/run_wine.sh [--desktop] --exec COMMAND [ARGS...]   # a Linux command in that environment
#
# Inside, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES and DISPLAY are set, and
# DORVANIX_DISPLAY_KIND is "virtual" (our Xvfb) or "existing".
set -euo pipefail

usage() {
    echo "usage: $0 [--desktop] PROGRAM.exe [ARGS...] | $0 [--desktop] --exec COMMAND [ARGS...]" >&2
    exit 2
}
desktop=
if [[ ${1:-} == --desktop ]]; then
    desktop=1
    shift
fi
(($# > 0)) || usage
if [[ $1 == --exec ]]; then
    shift
    (($# > 0)) || usage
    command=("$@")
else
    [[ -f $1 ]] || {
        echo "run_wine: no such program: $1" >&2
        exit 127
    }
    command=(wine "$@")
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=$(realpath -m "${DORVANIX_WINEPREFIX:-$root/build/wineprefix}")
export DORVANIX_WINEPREFIX=$prefix WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

xvfb_pid=
program_pid=
locked=
# shellcheck disable=SC2317 # called through the EXIT trap
cleanup() {
    local rc=$?
    trap - EXIT INT TERM HUP
    set +e
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    # Stray Wine processes (a program's children) would outlive us and keep
    # the next run from starting clean. Without the lock they are not ours.
    [[ -n $locked ]] && wineserver -k 2>/dev/null
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs on one prefix share a wineserver and see each other's windows, so they
# take turns. Children get fd 9 closed: a daemon holding it would block the next run.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.run.lock"
if ! flock -n 9; then
    echo "run_wine: waiting for another run on $prefix: $(cat "$prefix.run.owner" 2>/dev/null)" >&2
    flock -w "${DORVANIX_LOCK_WAIT:-600}" 9 || {
        echo "run_wine: gave up waiting for $prefix.run.lock" >&2
        exit 1
    }
fi

locked=1
echo "pid $$: ${command[*]}" >"$prefix.run.owner"

"$root/tools/wine_prefix.sh" 9>&-
# Leftovers of a run that was killed outright.
wineserver -k 9>&- 2>/dev/null || true

start_xvfb() {
    local n log _
    log=$(mktemp)
    for n in $(seq 90 120); do
        # A lock whose server is gone (killed -9) is stale; Xvfb replaces it.
        if [[ -e /tmp/.X$n-lock ]] && kill -0 "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" 2>/dev/null; then
            continue
        fi
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset </dev/null >"$log" 2>&1 9>&- &
        xvfb_pid=$!
        for _ in $(seq 100); do
            # The lock names our server, not a rival that won the same number.
            if DISPLAY=:$n xdpyinfo >/dev/null 2>&1 &&
                [[ $(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null) == "$xvfb_pid" ]]; then
                export DISPLAY=:$n DORVANIX_DISPLAY_KIND=virtual
                rm -f "$log"
                return 0
            fi
            # Died: another server took the number between our check and its start.
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    echo "run_wine: could not start Xvfb on :90..:120" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
}

if [[ -n $desktop && -n ${DISPLAY:-} ]] && timeout 5 xdpyinfo >/dev/null 2>&1; then
    export DORVANIX_DISPLAY_KIND=existing
else
    start_xvfb
fi

# A background job would get /dev/null as stdin; keep the caller's instead.
{ exec 7<&0; } 2>/dev/null || exec 7</dev/null
"${command[@]}" <&7 7<&- 9>&- &
program_pid=$!
rc=0
wait "$program_pid" || rc=$?
program_pid=
exit "$rc"
