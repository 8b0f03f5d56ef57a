#!/usr/bin/env bash
# What `make dist` runs: a fresh Release build of Dorvanix.exe and Dorvanix.chm in build/dist, packed with
# the user read-me and the licence into dist/Dorvanix-<version>-win64.zip, plus its .sha256 beside it.
#
# The same sources give the same zip, byte for byte: the exe is linked stripped, without a time stamp
# and with the checkout's path mapped away; the help file's own time stamps are set (fix_chm_time);
# every file gets the last commit's time (or SOURCE_DATE_EPOCH), the same mode and a fixed place in the
# archive, and zip stores no extra fields.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${DORVANIX_DIST_BUILD:-$root/build/dist}")
out=$(realpath -m "${DORVANIX_DIST_DIR:-$root/dist}")
cd "$root"

if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null) || {
        echo "make_dist: not a git checkout; set SOURCE_DATE_EPOCH to the sources' time" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH

# A fresh configure each time: nothing of an earlier build or another preset leaks into a release.
rm -rf "$build"
cmake --preset windows -B "$build" \
    -DBUILD_TESTING=OFF \
    -DCMAKE_PROJECT_Dorvanix_INCLUDE="$root/tools/dist_version.cmake" \
    "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$root/=" \
    "-DCMAKE_EXE_LINKER_FLAGS_RELEASE=-Wl,--no-insert-timestamp -s"
cmake --build "$build" --target Dorvanix

version=$(<"$build/dorvanix_version.txt")
[[ $version =~ ^[0-9]+(\.[0-9]+)*$ ]] || {
    echo "make_dist: unexpected project version '$version'" >&2
    exit 1
}

exe=$build/bin/Dorvanix.exe
# The PE header's machine field: 0x8664 is x86-64, which the zip's name promises.
pe_offset=$(od -An -t u4 -j 60 -N 4 "$exe" | tr -d ' ')
machine=$(od -An -t x2 -j $((pe_offset + 4)) -N 2 "$exe" | tr -d ' ')
signature=$(od -An -c -j "$pe_offset" -N 4 "$exe" | tr -d ' ')
if [[ $signature != 'PE\0\0' || $machine != 8664 ]]; then
    echo "make_dist: $exe is not an x86-64 Windows program (machine $machine)" >&2
    exit 1
fi

u_le() { od -An -t "u$2" -j "$1" -N "$2" "$chm" | tr -d ' '; }
put_bytes() { printf '%b' "$2" | dd of="$chm" bs=1 seek="$1" conv=notrunc status=none; }
# chmcmd stamps the help file twice with the millisecond of the day it ran: big-endian in the ITSF header
# (offset 16) and little-endian in entry 10 of /#SYSTEM (uncompressed, in content section 0). Both get
# the sources' time of day instead.
fix_chm_time() {
    local chm=$1 ms be le section0 system_offset system_size at end code length patched=0
    ms=$(((SOURCE_DATE_EPOCH % 86400) * 1000))
    be=$(printf '\\x%02x' $((ms >> 24 & 255)) $((ms >> 16 & 255)) $((ms >> 8 & 255)) $((ms & 255)))
    le=$(printf '\\x%02x' $((ms & 255)) $((ms >> 8 & 255)) $((ms >> 16 & 255)) $((ms >> 24 & 255)))
    [[ $(head -c 4 "$chm") == ITSF && $(u_le 4 4) == 3 ]] || {
        echo "make_dist: $chm is not a version 3 CHM file" >&2
        exit 1
    }
    put_bytes 16 "$be"
    section0=$(u_le 88 8)
    read -r system_offset system_size < <(chmls --no-page list "$chm" 2>/dev/null | awk '$1 == 0 && $4 == "/#SYSTEM" { print $2, $3 }')
    [[ -n $system_size ]] || {
        echo "make_dist: chmls finds no /#SYSTEM in $chm" >&2
        exit 1
    }
    at=$((section0 + system_offset + 4)) # past the version
    end=$((section0 + system_offset + system_size))
    while ((at + 4 <= end)); do
        code=$(u_le "$at" 2)
        length=$(u_le $((at + 2)) 2)
        if ((code == 10 && length == 4)); then
            put_bytes $((at + 4)) "$le"
            patched=1
        fi
        at=$((at + 4 + length))
    done
    ((patched)) || {
        echo "make_dist: no time stamp entry in $chm's /#SYSTEM" >&2
        exit 1
    }
}

stage=$build/package
rm -rf "$stage"
mkdir -p "$stage"
cp "$exe" "$build/bin/Dorvanix.chm" "$stage/"
fix_chm_time "$stage/Dorvanix.chm"
# Text for Notepad: CR LF line ends, and a byte-order mark so it reads the read-me as UTF-8.
crlf() { sed -e 's/\r$//' -e 's/$/\r/'; }
{
    printf '\xef\xbb\xbf'
    sed "s/@VERSION@/$version/g" packaging/readme.txt | crlf
} >"$stage/README.txt"
crlf <LICENSE >"$stage/LICENSE.txt"

files=(Dorvanix.chm Dorvanix.exe LICENSE.txt README.txt)
chmod 0644 "${files[@]/#/$stage/}"
touch -d "@$SOURCE_DATE_EPOCH" "${files[@]/#/$stage/}"

name=Dorvanix-$version-win64.zip
mkdir -p "$out"
rm -f "$build/$name"
(cd "$stage" && TZ=UTC zip -X -D -9 -q "$build/$name" "${files[@]}")
(cd "$build" && sha256sum "$name" >"$name.sha256")
# Moved into place only once both exist: a failed run leaves no zip beside a stale sum.
mv -f "$build/$name" "$out/$name"
mv -f "$build/$name.sha256" "$out/$name.sha256"
echo "make_dist: $out/$name"
cat "$out/$name.sha256"
