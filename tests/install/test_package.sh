#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and lets lintian
# judge it: any error or warning fails. Also checks what the package holds and depends on.
#
# Usage: test_package.sh BUILD_DIR
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail

build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (bash scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/soccer_*.deb)

echo "== lintian $(basename "$package")"
# Running lintian as root only earns a reminder on standard error.
lintian --display-info --fail-on error,warning "$package" 2>/dev/null || fail "lintian"

depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
for needed in qt6-translations-l10n libqt6widgets6 libqt6core6; do
    grep -q "\b$needed\b" <<<"$depends" || fail "the package does not depend on $needed"
done
contents=$(dpkg-deb --contents "$package")
for path in ./usr/bin/soccer ./usr/bin/soccer-classic ./usr/share/doc/soccer/copyright \
            ./usr/share/mime/packages/soccer.xml ./usr/share/applications/soccer.desktop; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
# Everything lies under /usr; caches are made by the triggers of the installing system.
grep -v ' \./usr/\| \./$' <<<"$contents" && fail "files outside /usr"
grep -E 'mime/(globs|mime\.cache)|mimeinfo\.cache|icon-theme\.cache' <<<"$contents" \
    && fail "the package holds a cache"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Package checked"
