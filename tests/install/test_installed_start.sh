#!/usr/bin/env bash
# Runs the installed programs as a desktop runs them, on the offscreen platform, with the probe
# of tests/install/probe watching (and where asked driving) their windows from inside:
#  - soccer on a table named on the command line opens it in the main window;
#  - soccer on a broken or missing table says why and shows the open-table dialog;
#  - in a read-only installation with an empty home, a table made through the new-table dialog,
#    the colours saved in the options dialog and the classic edition's league all land in the
#    user's folders, and nothing changes in the installation.
#
# Usage: test_installed_start.sh BUILD_DIR
# As root the read-only run is made as the user nobody (setpriv), since root may write anywhere.
set -euo pipefail

build=$1
probe=$build/tests/plugins/generic

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null
# The probe is copied where another user can load it.
mkdir -p "$work/plugins/generic"
cp "$probe"/*.so "$work/plugins/generic/"
chmod -R a+rX "$work/plugins"

# run_probed SCENARIO HOME FOLDER PROGRAM [ARGUMENT...]: the program started in FOLDER in an
# environment of nothing but its home, with the probe's report in $report. Prefixed by $as_user
# when that is set.
as_user=()
run_probed() {
    local scenario=$1 home=$2 folder=$3
    shift 3
    report=$work/report-$RANDOM.txt
    touch "$report"
    chmod a+rw "$report"
    (cd "$folder" && exec env -i PATH=/usr/bin:/bin HOME="$home" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        QT_PLUGIN_PATH="$work/plugins" QT_QPA_GENERIC_PLUGINS="soccerprobe:$scenario" \
        SOCCER_PROBE_REPORT="$report" ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
        ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
        timeout 60 "${as_user[@]}" "$@" >"$work/output.txt" 2>&1) || {
        local status=$?
        fail "$(basename "$1") $scenario ended with status $status: $(tail -3 "$work/output.txt")"
    }
}

# expect_lines TEXT...: the report holds these lines in this order (others may come between).
expect_lines() {
    local line at=0 found
    for line in "$@"; do
        found=$(grep -nxF -- "$line" "$report" | cut -d: -f1 | awk -v at="$at" '$1 > at' | head -1 \
            || true)
        if [ -z "$found" ]; then
            fail "the probe did not see '$line' (saw: $(tr '\n' '/' <"$report"))"
            return
        fi
        at=$found
    done
}

expect_no_line() {
    if grep -q "^$1" "$report"; then
        fail "the probe saw $(grep "^$1" "$report" | head -1)"
    fi
}

echo "== soccer FILE"
tables=$work/tables
home=$work/home
mkdir -p "$tables" "$home"
cp "$prefix/share/soccer/primer.TFL" "$tables/season.TFL"
# A relative name is taken from the current folder.
run_probed first-window "$home" "$tables" "$prefix/bin/soccer" season.TFL
expect_lines "window frmtable Тарвел - $tables/season.TFL" "done"
expect_no_line message

echo "== soccer BROKEN-FILE"
head -c 40 "$tables/season.TFL" >"$tables/short.TFL"
run_probed first-window "$home" "$work" "$prefix/bin/soccer" "$tables/short.TFL"
expect_lines "message Таблица не открыта. | Файл: $tables/short.TFL | Причина: в файле не хватает данных (ошибка № 62)." \
    "window frmopen Открыть файл" "done"
run_probed first-window "$home" "$work" "$prefix/bin/soccer" "$tables/none.TFL"
expect_lines "message Таблица не открыта. | Файл: $tables/none.TFL | Причина: файл не найден (ошибка № 53)." \
    "window frmopen Открыть файл" "done"
expect_no_line "window frmtable"

echo "== A read-only installation and an empty home"
user_home=$work/user-home
mkdir -p "$user_home"
chmod -R a-w "$prefix"
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
        chown nobody "$user_home"
        as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
        echo "(run as nobody)"
    else
        echo "(run as root: setpriv or the user nobody is missing; the installation is still"
        echo " recognised by its share/soccer folder)"
    fi
fi
listing() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort); }
before=$(listing)

run_probed new-table "$user_home" "$user_home" "$prefix/bin/soccer"
table=$user_home/Documents/soccer/sezon.TFL
expect_lines "window frmopen Открыть файл" "window frmnew Создание файла" \
    "window frmtable Тарвел - $table" "window frmoption Опции" "done"
expect_no_line message
expect_no_line input
expect_no_line missing
[ -s "$table" ] || fail "no new table in $user_home/Documents/soccer"
cmp -s "$prefix/share/soccer/option.dat" "$user_home/.config/soccer/option.dat" \
    || fail "the saved colours are not the standard ones in $user_home/.config/soccer"

run_probed first-window "$user_home" "$user_home" "$prefix/bin/soccer-classic"
expect_lines "window classic::frmtable Тарвел" "done"
expect_no_line message
for file in komand.dat s.dat file.dat; do
    cmp -s "$prefix/share/soccer/classic/$file" "$user_home/.local/share/soccer-classic/$file" \
        || fail "the classic edition's $file is not in $user_home/.local/share/soccer-classic"
done

[ "$(listing)" = "$before" ] || fail "the installation changed: $(diff <(echo "$before") <(listing))"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Installed programs checked"
