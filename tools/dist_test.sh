#!/usr/bin/env bash
# What `make dist-test` runs after `make dist`: checks the release zip as a user gets it. Its checksum
# and exact contents, the read-me and licence as Notepad text; then, under Wine, the program unpacked
# into a fresh folder starts from there, closes on WM_CLOSE with exit code 0 and leaves its first-run
# meter.ini beside itself, not in the working directory.
#
#   tools/dist_test.sh [ZIP]     # default: dist/Dorvanix-<version of build/dist>-win64.zip
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fail() {
    echo "dist_test: FAIL: $*" >&2
    exit 1
}

if [[ ${1:-} == --inside ]]; then
    # Inside tools/run_wine.sh: the display and the prefix are ready.
    folder=$2
    cd "$folder/../elsewhere"
    wine "$folder/Dorvanix.exe" &
    pid=$!
    alive() { kill -0 "$pid" 2>/dev/null; }
    deadline=$((SECONDS + 30))
    until xdotool search --onlyvisible --name '^Dorvanix$' >/dev/null 2>&1; do
        alive || fail "Dorvanix.exe ended before showing its dial"
        ((SECONDS < deadline)) || fail "no visible Dorvanix window after 30 s"
        sleep 0.2
    done
    # Without /F, taskkill posts WM_CLOSE to the program's windows: the user's orderly close.
    wine taskkill /IM Dorvanix.exe >/dev/null 2>&1 || true
    deadline=$((SECONDS + 20))
    while alive && ((SECONDS < deadline)); do sleep 0.2; done
    if alive; then
        wine taskkill /F /IM Dorvanix.exe >/dev/null 2>&1 || true
        fail "Dorvanix.exe did not end within 20 s of WM_CLOSE"
    fi
    rc=0
    wait "$pid" || rc=$?
    ((rc == 0)) || fail "Dorvanix.exe exited with code $rc"
    exit 0
fi

zip=${1:-}
if [[ -z $zip ]]; then
    version_file=$root/build/dist/dorvanix_version.txt
    [[ -f $version_file ]] || fail "no release build; run: make dist"
    zip=$root/dist/Dorvanix-$(<"$version_file")-win64.zip
fi
zip=$(realpath -m "$zip")
[[ -f $zip ]] || fail "$zip not found; run: make dist"
name=$(basename "$zip")
[[ $name =~ ^Dorvanix-([0-9]+(\.[0-9]+)*)-win64\.zip$ ]] || fail "unexpected zip name $name"
version=${BASH_REMATCH[1]}

(cd "$(dirname "$zip")" && sha256sum --quiet -c "$name.sha256") || fail "$name.sha256 does not match"
unzip -tqq "$zip" || fail "$name is damaged"
listing=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
[[ $listing == 'Dorvanix.chm Dorvanix.exe LICENSE.txt README.txt ' ]] || fail "$name holds: $listing"

work=$(mktemp -d "$root/build/dist-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
folder=$work/Dorvanix
mkdir -p "$folder" "$work/elsewhere"
unzip -q "$zip" -d "$folder"

# Notepad text: CR LF on every line, and the read-me's byte-order mark for its Japanese.
for text in README.txt LICENSE.txt; do
    [[ $(grep -c $'\r$' "$folder/$text") == $(wc -l <"$folder/$text") ]] || fail "$text has lines without CR LF"
done
[[ $(head -c 3 "$folder/README.txt" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "README.txt lacks the UTF-8 BOM"
iconv -f UTF-8 -t UTF-16LE "$folder/README.txt" >/dev/null || fail "README.txt is not UTF-8"
grep -q "^Dorvanix $version"$'\r$' <(tail -c +4 "$folder/README.txt") || fail "README.txt does not name version $version"
grep -q '■ 削除のしかた' "$folder/README.txt" || fail "README.txt lacks its Japanese part"
grep -q '^MIT License' "$folder/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"
[[ ! -e $folder/meter.ini ]] || fail "$name ships a meter.ini"

"$root/tools/run_wine.sh" --exec "$root/tools/dist_test.sh" --inside "$folder"

ini=$folder/meter.ini
[[ -f $ini ]] || fail "no meter.ini beside Dorvanix.exe after the first run"
for section in Coordinates View Movement Color Etc; do
    grep -qE "^\[$section\]"$'\r?$' "$ini" || fail "meter.ini lacks [$section]"
done
[[ ! -e $work/elsewhere/meter.ini ]] || fail "meter.ini was written to the working directory"
echo "dist_test: $name passed"
