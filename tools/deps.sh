#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and `make run` need.
# Idempotent: when everything is present it only prints one line.
set -euo pipefail

packages=(
    cmake ninja-build g++ make g++-mingw-w64-x86-64 clang clang-format libclang-rt-14-dev
    wine wine64 xvfb imagemagick googletest libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-droid-fallback fonts-wine xdotool x11-utils fp-utils zip unzip python3
)

installed() {
    [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == 'install ok installed' ]]
}

sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi

missing=()
for pkg in "${packages[@]}"; do
    installed "$pkg" || missing+=("$pkg")
done

if ((${#missing[@]} == 0)); then
    echo "deps: all ${#packages[@]} packages present"
else
    if ((${#sudo[@]})) && ! command -v sudo >/dev/null; then
        echo "deps: missing ${missing[*]}; run as root or install sudo" >&2
        exit 1
    fi
    echo "deps: installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The mingw driver names are alternatives; a broken link group leaves them absent.
for tool in x86_64-w64-mingw32-gcc x86_64-w64-mingw32-g++; do
    if ! command -v "$tool" >/dev/null; then
        "${sudo[@]}" update-alternatives --auto "$tool" || true
        command -v "$tool" >/dev/null || {
            echo "deps: $tool not found after install" >&2
            exit 1
        }
    fi
done

# The compilers the toolchain file names (the -posix drivers are alternatives of their own): a name that no
# package provides would only fail later, inside CMake.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
while read -r tool; do
    command -v "$tool" >/dev/null || {
        echo "deps: $tool, named in cmake/mingw-w64.cmake, not found after install" >&2
        exit 1
    }
done < <(sed -nE 's/^set\(CMAKE_(C|CXX|RC)_COMPILER[[:space:]]+([^[:space:])]+).*/\2/p' "$root/cmake/mingw-w64.cmake")
