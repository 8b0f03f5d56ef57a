#!/usr/bin/env bash
# Resident memory and CPU time at idle under Wine: an empty window, a bare window sampling every 160 ms, and
# Dorvanix.exe at its defaults, then after one and after 50 opens of the settings dialog (with its GDI and
# USER object counts). Medians of IDLE_ROUNDS rounds of IDLE_SECONDS each. A benchmark, not a test.
#
#   tools/idle_bench.sh [BIN_DIR]     # default build/win/bin (Dorvanix.exe and the idle_* programs)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ ${1:-} != --inside ]]; then
    bin=$(realpath "${1:-$root/build/win/bin}")
    exec "$root/tools/run_wine.sh" --exec "${BASH_SOURCE[0]}" --inside "$bin"
fi
bin=$2
rounds=${IDLE_ROUNDS:-3}
seconds=${IDLE_SECONDS:-20}
settle=3 # start-up work and the first paints done before a reading
work=$(mktemp -d "${TMPDIR:-/tmp}/dorv_idle.XXXXXX")
results=$work/results
trap 'rm -rf "$work"' EXIT

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# Nanoseconds on a processor, all threads (finer than the stat file's clock ticks).
cpu_ns() { cat "/proc/$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%d\n", sum}'; }
driver() { wine "$bin/idle_driver.exe" "$@"; }
record() { echo "$1 $2 $3 ${4:--} ${5:--} ${6:--}" >>"$results"; } # name round rss_kb cpu_ns gdi user
counts() { driver counts | tr -d '\r' | awk '{print $2, $4}'; } # nothing without a dial

# Asks the window to close and waits for the program to end; ends it outright after 20 s.
stop() {
    local pid=$1 class=$2 _
    driver close "$class" || true
    for _ in $(seq 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Starts the program from its folder and leaves it running; $pid, and $rss and $cpu over the idle period.
idle_run() {
    local start
    (cd "$(dirname "$1")" && exec wine "$1") &
    pid=$!
    sleep "$settle"
    start=$(cpu_ns "$pid")
    sleep "$seconds"
    rss=$(rss_kb "$pid")
    cpu=$(($(cpu_ns "$pid") - start))
}

for round in $(seq "$rounds"); do
    echo "idle_bench: round $round of $rounds ($seconds s each)" >&2
    for baseline in empty_window bare_sampler; do
        idle_run "$bin/idle_$baseline.exe"
        record "$baseline" "$round" "$rss" "$cpu"
        stop "$pid" DorvanixIdleBench
    done

    # A fresh folder: no meter.ini, so the defaults.
    mkdir -p "$work/dorvanix$round"
    cp "$bin/Dorvanix.exe" "$work/dorvanix$round/"
    idle_run "$work/dorvanix$round/Dorvanix.exe"
    read -r gdi user < <(counts) || true
    record dorvanix "$round" "$rss" "$cpu" "$gdi" "$user"
    for step in 1 49; do
        # A build whose dialog does not open still gets its idle figures.
        driver settings "$step" || break
        sleep "$settle"
        read -r gdi user < <(counts) || true
        record "settings$((step == 1 ? 1 : 50))" "$round" "$(rss_kb "$pid")" - "$gdi" "$user"
    done
    stop "$pid" DorvanixMeterFrm
done

python3 - "$results" "$rounds" "$seconds" <<'PY'
import statistics, sys
path, rounds, seconds = sys.argv[1:4]
ns = 1e9
rows = {}
for line in open(path):
    name, _, rss, cpu, gdi, user = line.split()
    rows.setdefault(name, []).append((int(rss), cpu, gdi, user))
def median(name, i):
    values = [float(r[i]) for r in rows.get(name, []) if r[i] not in ("-", "-1")]
    return statistics.median(values) if values else None
def fmt(value, pattern):
    return pattern % value if value is not None else "-"
empty_mb = median("empty_window", 0) / 1024
sampler_cpu = median("bare_sampler", 1) / ns
labels = [("empty_window", "empty window"), ("bare_sampler", "bare sampler, 160 ms"), ("dorvanix", "Dorvanix, defaults"),
          ("settings1", "  after 1 settings dialog"), ("settings50", "  after 50 settings dialogs")]
print(f"\nidle under Wine: medians of {rounds} rounds, {seconds} s idle each")
print(f"{'':30}{'RSS MB':>8}{'over empty':>12}{'CPU s':>8}{'CPU/sampler':>13}{'GDI':>6}{'USER':>6}")
for name, label in labels:
    if name not in rows:
        print(f"{label:30}{'-':>8}")
        continue
    rss = median(name, 0) / 1024
    cpu = median(name, 1)
    cpu_s = cpu / ns if cpu is not None else None
    ratio = cpu_s / sampler_cpu if cpu_s is not None and sampler_cpu else None
    print(f"{label:30}{rss:8.1f}{rss - empty_mb:+12.1f}{fmt(cpu_s, '%.3f'):>8}{fmt(ratio, '%.2f'):>13}"
          f"{fmt(median(name, 2), '%d'):>6}{fmt(median(name, 3), '%d'):>6}")
print("goal: Dorvanix at most 2.0 MB over the empty window, CPU at most 1.10 x the sampler, "
      "no growth from 1 to 50 dialogs")
PY
