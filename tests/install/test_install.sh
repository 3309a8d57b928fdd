#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree as a desktop sees it:
# the programs answer --version, the desktop entries and the AppStream metadata validate, and a
# .TFL file is recognised as a table that opens in soccer.
#
# Usage: test_install.sh BUILD_DIR SOURCE_DIR VERSION CLASSIC_VERSION
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail

build=$1
source=$2
version=$3
classic_version=$4
table_type=application/x-soccer-table

# xdg-mime answers "filetype" in a generic desktop with File::MimeInfo's mimetype; without it
# it asks file(1), which knows nothing of the freedesktop database.
tools=(desktop-file-validate appstreamcli update-mime-database update-desktop-database xdg-mime
       mimetype man lexgrog)
for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (bash scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

echo "== The installed tree"
programs=(soccer soccer-classic)
# The command-line tool is installed where the build has it.
[ -x "$build/bin/soccer-cli" ] && programs+=(soccer-cli)
expected=(share/applications/soccer.desktop share/applications/soccer-classic.desktop
          share/mime/packages/soccer.xml share/doc/soccer/copyright share/doc/soccer/changelog.gz
          share/icons/hicolor/scalable/apps/soccer.svg
          share/icons/hicolor/scalable/mimetypes/application-x-soccer-table.svg)
for program in "${programs[@]}"; do
    expected+=("bin/$program" "share/man/man1/$program.1.gz" "share/man/ru/man1/$program.1.gz")
done
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/soccer.png"
               "share/icons/hicolor/${size}x${size}/mimetypes/application-x-soccer-table.png")
done
for path in "${expected[@]}"; do
    [ -e "$prefix/$path" ] || fail "$path is not installed"
done
# The delivered data, byte for byte.
for file in help.html primer.TFL option.dat classic/komand.dat classic/s.dat classic/file.dat; do
    cmp -s "$source/data/bin/$(basename "$file")" "$prefix/share/soccer/$file" \
        || fail "share/soccer/$file differs from data/bin"
done
writable=$(find "$prefix" -perm /022)
[ -z "$writable" ] || fail "writable by others: $writable"

echo "== --version and --help"
check_version() {
    local program=$1 expected=$2 answer
    answer=$(QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 timeout 20 "$prefix/bin/$program" --version \
        2>/dev/null) || fail "$program --version ended with status $?"
    [ "$answer" = "$expected" ] || fail "$program --version says '$answer', not '$expected'"
    answer=$(QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 timeout 20 "$prefix/bin/$program" --help \
        2>/dev/null) || fail "$program --help ended with status $?"
    for text in "Показать эту справку" "Показать версию программы"; do
        grep -qF -- "$text" <<<"$answer" || fail "$program --help does not say '$text'"
    done
}
check_version soccer "soccer $version"
check_version soccer-classic "soccer-classic $classic_version"

echo "== Desktop entries, AppStream metadata, manual pages"
for entry in "$prefix"/share/applications/*.desktop; do
    desktop-file-validate "$entry" || fail "desktop-file-validate $(basename "$entry")"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -e "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] \
        || fail "$(basename "$entry") names the icon $icon, which is not installed"
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$prefix/bin/$program" ] || fail "$(basename "$entry") runs $program, which is not installed"
done
# --strict: a warning fails as well as an error.
appstreamcli validate-tree --no-net --strict "$prefix" || fail "appstreamcli validate-tree"
for page in "$prefix"/share/man/man1/*.1.gz "$prefix"/share/man/ru/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
    lexgrog "$page" >/dev/null || fail "$page has no NAME line that whatis can read"
done

echo "== The table type and its program"
export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config
export XDG_DATA_DIRS=$prefix/share XDG_CONFIG_DIRS=$work/etc/xdg
# X-Generic: no desktop's own tools, only the freedesktop files under XDG_DATA_DIRS.
export XDG_CURRENT_DESKTOP=X-Generic
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS"
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
tables=$work/tables
mkdir -p "$tables"
for name in season.TFL season.tfl season.Tfl season.TXT season.DAT; do
    cp "$prefix/share/soccer/primer.TFL" "$tables/$name"
done
for name in season.TFL season.tfl season.Tfl; do
    type=$(xdg-mime query filetype "$tables/$name")
    [ "$type" = "$table_type" ] || fail "xdg-mime gives $name the type '$type'"
done
for name in season.TXT season.DAT; do
    type=$(xdg-mime query filetype "$tables/$name")
    [ "$type" != "$table_type" ] || fail "$name is claimed as a table"
done
default=$(xdg-mime query default "$table_type")
[ "$default" = soccer.desktop ] || fail "xdg-mime opens $table_type with '$default'"
# The type's icon is looked up under the name the MIME database derives from the type.
icon=$(sed -n "s|^$table_type:||p" "$prefix/share/mime/icons" 2>/dev/null)
icon=${icon:-${table_type/\//-}}
[ -e "$prefix/share/icons/hicolor/scalable/mimetypes/$icon.svg" ] \
    || fail "no icon $icon for $table_type"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Installed tree checked"
