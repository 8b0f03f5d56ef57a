#!/usr/bin/env bash
# Creates the project's own Wine prefix (once), so runs never depend on ~/.wine
# and never hit Wine's first-start downloads or dialogs. Silent when ready.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=$(realpath -m "${DORVANIX_WINEPREFIX:-$root/build/wineprefix}")
export WINEPREFIX=$prefix
export WINEDEBUG=-all
# No Mono/Gecko: their install prompts would need the network and a user.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

stamp_file=$prefix/.dorvanix-ready
# Any change to this script or to Wine makes the old prefix stale.
stamp="$(sha256sum "${BASH_SOURCE[0]}" | cut -d' ' -f1) $(wine --version)"

ready() { [[ -f $stamp_file && $(<"$stamp_file") == "$stamp" ]]; }
ready && exit 0

mkdir -p "$(dirname "$prefix")"
exec 8>"$prefix.setup.lock"
flock 8
ready && exit 0 # made by a concurrent caller meanwhile

start=$(date +%s)
if [[ -e $prefix ]]; then
    # Refuse to wipe a directory that is not a Wine prefix (env var typo).
    if [[ -n $(ls -A "$prefix") && ! -f $prefix/system.reg ]]; then
        echo "wine_prefix: $prefix exists and is not a Wine prefix; not touching it" >&2
        exit 1
    fi
    echo "wine_prefix: rebuilding stale prefix $prefix"
    wineserver -k 8>&- 2>/dev/null || true
    rm -rf "$prefix"
else
    echo "wine_prefix: creating $prefix"
fi
mkdir -p "$prefix"

# The wineserver this starts must not inherit the lock. Its chatter (no 32-bit
# part, "configuration updated") only matters when it fails.
log=$prefix.setup.log
wine wineboot.exe -i >"$log" 2>&1 8>&- || {
    cat "$log" >&2
    exit 1
}

fonts=$prefix/drive_c/windows/Fonts
mkdir -p "$fonts"
# Wine's own bitmap and vector fonts; without them "Small Fonts" and Tahoma become DejaVu.
mapfile -t wine_fonts < <(dpkg -L fonts-wine | grep -iE '\.(ttf|fon|ttc)$')
if ((${#wine_fonts[@]} == 0)); then
    echo "wine_prefix: fonts-wine files not found; run tools/deps.sh" >&2
    exit 1
fi
cp -f "${wine_fonts[@]}" "$fonts/"
cp -f /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$fonts/"

# Managed=N: with no window manager, managed windows take ~2 s to destroy.
# The Japanese face names need UTF-16, so the settings go through a .reg file.
tahoma_link=$(printf 'ipag.ttf,IPAGothic\0\0' | iconv -f UTF-8 -t UTF-16LE |
    od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /,/g')
reg_file=$prefix/drive_c/dorvanix-setup.reg
{
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<EOF
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAGothic"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Tahoma"=hex(7):$tahoma_link
"Tahoma Bold"=hex(7):$tahoma_link

EOF
} >"$reg_file"
wine regedit.exe /S 'C:\dorvanix-setup.reg' 8>&-
wineserver -w 8>&-
rm -f "$reg_file"

# regedit reports no errors with /S, so check what landed in the hives.
check() {
    grep -qF -- "$2" "$prefix/$1" || {
        echo "wine_prefix: $1 lacks $2" >&2
        exit 1
    }
}
check user.reg '"Managed"="N"'
check user.reg '"ShowCrashDialog"=dword:00000000'
check system.reg '"\xff2d\xff33 \x30b4\x30b7\x30c3\x30af"="IPAGothic"'
check system.reg '"MS UI Gothic"="IPAGothic"'
check system.reg '"Tahoma"=str(7):"ipag.ttf,IPAGothic\0"'
check system.reg '"Tahoma Bold"=str(7):"ipag.ttf,IPAGothic\0"'

echo "$stamp" >"$stamp_file"
echo "wine_prefix: ready in $(($(date +%s) - start)) s"
