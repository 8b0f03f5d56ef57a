#!/usr/bin/env bash
# What `make run` runs: starts the built Dorvanix.exe from build/run (its
# meter.ini lives beside it), takes a screenshot, and on a virtual display
# closes it the way a user would so it saves its settings.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=$(realpath -m "${DORVANIX_EXE:-$root/build/win/bin/Dorvanix.exe}")
run_dir=$(realpath -m "${DORVANIX_RUN_DIR:-$root/build/run}")
shot=$run_dir/shot.png
ini=$run_dir/meter.ini

if [[ ${1:-} != --inside ]]; then
    [[ -f $exe ]] || {
        echo "run_gadget: $exe not found; build it with: make run" >&2
        exit 1
    }
    # run_wine.sh owns the display, the prefix and their cleanup; come back inside it.
    exec "$root/tools/run_wine.sh" --desktop --exec "$root/tools/run_gadget.sh" --inside
fi

mkdir -p "$run_dir"
# Replace, never rewrite in place: a running copy maps this file. meter.ini stays.
cp -f "$exe" "$run_dir/.Dorvanix.exe.new"
mv -f "$run_dir/.Dorvanix.exe.new" "$run_dir/Dorvanix.exe"
# The help file is looked up beside the program.
help_file="$(dirname "$exe")/Dorvanix.chm"
if [[ -f $help_file ]]; then
    cp -f "$help_file" "$run_dir/Dorvanix.chm"
fi
cd "$run_dir"
rm -f "$shot"

started=$SECONDS
wine "$run_dir/Dorvanix.exe" &
pid=$!

alive() { kill -0 "$pid" 2>/dev/null; }

# Wait for the window rather than trusting a fixed delay on a slow machine,
# then give it the rest of the delay to paint.
deadline=$((started + 30))
until xdotool search --name '^Dorvanix$' >/dev/null 2>&1; do
    if ! alive; then
        rc=0
        wait "$pid" || rc=$?
        echo "run_gadget: Dorvanix.exe exited before showing its window (code $rc)" >&2
        exit "$((rc == 0 ? 1 : rc))"
    fi
    if ((SECONDS >= deadline)); then
        echo "run_gadget: no window titled Dorvanix after 30 s; taking the screenshot anyway" >&2
        break
    fi
    sleep 0.2
done
delay=${DORVANIX_SHOT_DELAY:-5}
while alive && ((SECONDS - started < delay)); do sleep 0.2; done
import -window root "$shot"
echo "run_gadget: screenshot $shot (display $DISPLAY)"

autoclose=${DORVANIX_GADGET_AUTOCLOSE:-}
if [[ -z $autoclose ]]; then
    [[ $DORVANIX_DISPLAY_KIND == virtual ]] && autoclose=1 || autoclose=0
fi

rc=0
if [[ $autoclose == 1 ]]; then
    # Without /F taskkill sends WM_CLOSE, so the program saves meter.ini and exits.
    wine taskkill /IM Dorvanix.exe >/dev/null || true
    deadline=$((SECONDS + ${DORVANIX_CLOSE_TIMEOUT:-20}))
    while alive && ((SECONDS < deadline)); do sleep 0.2; done
    if alive; then
        echo "run_gadget: Dorvanix.exe ignored the close request; killing it" >&2
        wine taskkill /F /IM Dorvanix.exe >/dev/null 2>&1 || true
        sleep 1
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        rc=1
    else
        wait "$pid" || rc=$?
    fi
else
    echo "run_gadget: Dorvanix is running; close it to finish (it saves $ini)"
    wait "$pid" || rc=$?
fi

if [[ -f $ini ]]; then
    echo "run_gadget: settings $ini"
else
    echo "run_gadget: no settings file at $ini" >&2
fi
echo "run_gadget: Dorvanix.exe exited with code $rc"
exit "$rc"
