#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, when they are missing.
set -euo pipefail

# llvm brings llvm-symbolizer, without which sanitizer and fuzzer reports show bare addresses.
packages=(cmake ninja-build g++ clang libclang-rt-14-dev llvm qt6-base-dev qt6-translations-l10n
          libgl-dev libbenchmark-dev fonts-dejavu-core)
# libical writes the season's calendar as an iCalendar file and its tests read it back.
packages+=(libical-dev)
# GLPK's mixed-integer solver: the places a team can still reach.
packages+=(libglpk-dev)
# The installation and package tests: the freedesktop validators and databases, xdg-mime with
# File::MimeInfo (its way to a file's type outside a desktop), the manual page reader,
# dpkg-shlibdeps for the package's dependencies and lintian to judge the package.
packages+=(desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
           dpkg-dev lintian)
# The pictures of the README and the metainfo (scripts/screenshots.sh): a virtual X server.
packages+=(xvfb xauth)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# "windows": what scripts/windows.sh needs besides: the MinGW-w64 cross compilers, wine64 to run
# the tests, nsis and zip to pack, imagemagick for the icons, Qt's source package, and xdotool
# to type a score into the installed soccer.exe as an organiser would.
if [ "${1:-}" = windows ]; then
    packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 nsis zip imagemagick xvfb xdotool)
    if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        echo "Adding deb-src for Qt's source package"
        sed -n '/^Types: deb$/,/^$/p' /etc/apt/sources.list.d/debian.sources |
            sed 's/^Types: deb$/Types: deb-src/' |
            $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
        new_sources=1
    fi
fi
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && [ -z "${new_sources:-}" ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
[ ${#missing[@]} -eq 0 ] || $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
