#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, when they are missing.
set -euo pipefail

# llvm brings llvm-symbolizer, without which sanitizer and fuzzer reports show bare addresses.
packages=(cmake ninja-build g++ clang libclang-rt-14-dev llvm qt6-base-dev qt6-translations-l10n
          libgl-dev libbenchmark-dev fonts-dejavu-core)
# libical writes the season's calendar as an iCalendar file and its tests read it back.
packages+=(libical-dev)
# The installation and package tests: the freedesktop validators and databases, xdg-mime with
# File::MimeInfo (its way to a file's type outside a desktop), the manual page reader,
# dpkg-shlibdeps for the package's dependencies and lintian to judge the package.
packages+=(desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
           dpkg-dev lintian)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
