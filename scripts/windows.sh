#!/usr/bin/env bash
# The Windows edition, made on Debian with no downloads beyond Debian's own archive:
#   1. Qt's base for x86_64-w64-mingw32 from Debian's qt6-base source, built once into
#      ${XDG_CACHE_HOME:-~/.cache}/soccer/ and reused while its stamp is there (about an hour the
#      first time: it runs at the lowest priority so that it takes only idle processor time);
#   2. soccer, soccer-classic and soccer-cli cross-built from the same CMake lists;
#   3. the tests that need nothing of Linux, run under wine64;
#   4. soccer-<version>-win64.zip and the installer soccer-<version>-setup.exe in build-windows/;
#   5. the installer at work under wine64 (wine_checks below).
# Usage: scripts/windows.sh [qt|pack|check|all]   ("qt" stops after the first step; "pack" and
# "check" only pack and check what an earlier run built)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/soccer
qt_version=6.4.2
qt_source=$cache/qtbase-everywhere-src-$qt_version
qt_build=$cache/qt-$qt_version-build
qt_prefix=$cache/qt-$qt_version-mingw64
qt_stamp=$qt_prefix/.soccer-built
toolchain=$root/cmake/mingw-w64-x86_64.cmake
triple=x86_64-w64-mingw32
out=$root/build-windows
stage=${1:-all}
tests_failed=""
mkdir -p "$cache"

step() { printf '\n== %s (%s)\n' "$1" "$(date -u +%H:%M:%S)"; }

qt_fetch() {
    [ -f "$qt_source/CMakeLists.txt" ] && return
    step "Qt $qt_version source from Debian"
    if ! ls "$cache"/qt6-base_"$qt_version"*.orig.tar.xz >/dev/null 2>&1; then
        # Needs a deb-src line for the machine's Debian sources (scripts/install-deps.sh windows).
        (cd "$cache" && apt-get source --download-only qt6-base)
    fi
    tar -xJf "$cache"/qt6-base_"$qt_version"*.orig.tar.xz -C "$cache"
    # Debian's security fixes for the parts that are built here (text layout); the others are
    # for SQL and network, which this build leaves out.
    tar -xJf "$cache"/qt6-base_"$qt_version"*.debian.tar.xz -C "$qt_source"
    patch -d "$qt_source" -p1 --forward < "$qt_source/debian/patches/cve-2023-32763.diff"
}

# With OpenGL off, Qt 6.4's configure still leaves "dynamicgl" on for Windows, and the platform
# plugin then asks QOpenGLContext, which it no longer has, whether OpenGL is drawn in software.
# Without OpenGL the answer is no.
qt_patch() {
    sed -i '/^static inline bool isSoftwareGl()/,/^}/ s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        "$qt_source/src/plugins/platforms/windows/qwindowswindow.cpp"
}

# Only what the programs use: Core, Gui, Widgets, PrintSupport, Test and the Windows platform
# plugin. Debian's source lacks wintab (tablet events), sqlite and iaccessible2 (this Qt's Windows
# plugin speaks UI Automation instead, so nothing asks for it). DirectWrite goes with Direct2D:
# Qt 6.4 builds its DirectWrite font engine only beside Direct2D, yet the Windows print engine
# calls it whenever DirectWrite is on, and PrintSupport then fails to link; the fonts are drawn
# through GDI instead. Without ICU, QStringDecoder knows
# only the UTF encodings, which is why the program carries its own code page 1251.
qt_configure() {
    cmake -S "$qt_source" -B "$qt_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_icu=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF \
        -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF
}

qt_base() {
    if [ -f "$qt_stamp" ]; then
        echo "Qt $qt_version for Windows: reused from $qt_prefix"
        return
    fi
    # Lowest priority for this part (and everything it starts): on a shared machine it takes only
    # the processor time that nobody else wants.
    (
        renice -n 19 -p "$BASHPID" >/dev/null
        qt_fetch
        qt_patch
        step "Qt $qt_version for Windows: configure"
        [ -f "$qt_build/build.ninja" ] || qt_configure
        step "Qt $qt_version for Windows: build and install"
        cmake --build "$qt_build" --parallel "$(nproc)"
        cmake --install "$qt_build" >/dev/null
        touch "$qt_stamp"
    ) 2>&1 | tee -a "$cache/qt-build.log"
    [ -f "$qt_stamp" ] || { echo "Qt's build failed: see $cache/qt-build.log" >&2; exit 1; }
}

# ---- GLPK and libical, which Debian packages for Linux only ----

# Both from Debian's source packages, as static libraries (nothing more to ship), built once
# beside Qt. GLPK is told it is on Windows (__WOE__, its own switch) so that it uses the
# thread-safe C runtime calls Windows has; the places are counted on a worker thread.
glpk_prefix=$cache/glpk-5.0-mingw64
ical_prefix=$cache/libical-3.0.16-mingw64

source_package() { # package, orig tarball pattern
    ls "$cache"/$2 >/dev/null 2>&1 && return
    # Only the upstream tarball is used; a missing Debian part is no reason to stop.
    (cd "$cache" && apt-get source --download-only "$1" >/dev/null 2>&1) || true
    ls "$cache"/$2 >/dev/null
}

glpk_base() {
    [ -f "$glpk_prefix/lib/libglpk.a" ] && return
    step "GLPK for Windows"
    source_package glpk 'glpk_5.0.orig.tar.gz'
    rm -rf "$cache/glpk-5.0" && tar -xzf "$cache"/glpk_5.0.orig.tar.gz -C "$cache"
    (
        cd "$cache/glpk-5.0"
        ./configure --host=$triple CC=$triple-gcc-posix CPPFLAGS=-D__WOE__ \
            --prefix="$glpk_prefix" --disable-shared --enable-static >/dev/null
        make -C src -j"$(nproc)" >/dev/null && make -C src install >/dev/null
    )
}

ical_base() {
    [ -f "$ical_prefix/lib/libical.a" ] && return
    step "libical for Windows"
    source_package libical3 'libical3_3.0.16.orig.tar.gz'
    rm -rf "$cache/libical-3.0.16" && tar -xzf "$cache"/libical3_3.0.16.orig.tar.gz -C "$cache"
    cmake -S "$cache/libical-3.0.16" -B "$cache/libical-3.0.16/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$ical_prefix" -DSTATIC_ONLY=ON -DUSE_BUILTIN_TZDATA=ON \
        -DICAL_GLIB=OFF -DICAL_BUILD_DOCS=OFF -DLIBICAL_BUILD_TESTING=OFF -DENABLE_GTK_DOC=OFF \
        -DGOBJECT_INTROSPECTION=OFF -DICAL_GLIB_VAPI=OFF -DWITH_CXX_BINDINGS=OFF \
        -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON -DCMAKE_DISABLE_FIND_PACKAGE_BDB=ON >/dev/null
    cmake --build "$cache/libical-3.0.16/build" && cmake --install "$cache/libical-3.0.16/build" >/dev/null
}

# ---- The programs, cross-built against that Qt ----

programs() {
    step "soccer, soccer-classic, soccer-cli for Windows"
    # Qt's toolchain file adds the cross-built Qt and the build machine's tools (moc, uic, rcc)
    # and then loads this repository's own, not the one that Qt was built with, which may be
    # another clone's. Tests run through wine64.
    glpk_base
    ical_base
    PKG_CONFIG_LIBDIR=$ical_prefix/lib/pkgconfig cmake -S "$root" -B "$out/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DSOCCER_BENCH=OFF \
        -DSOCCER_WINDOWS_LIBRARIES="$glpk_prefix;$ical_prefix" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
    cmake --build "$out/build"
}

# ---- wine64 ----

setup_wine() {
    export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
    # Qt's libraries and the MinGW runtime for the programs and tests run from the build.
    local paths=("$qt_prefix/bin" "$(mingw_runtime_folder)" "/usr/$triple/lib")
    WINEPATH=$(for p in "${paths[@]}"; do winepath -w "$p"; done | paste -sd';')
    export WINEPATH
}

mingw_runtime_folder() { dirname "$($triple-g++-posix -print-file-name=libstdc++-6.dll)"; }

wine_tests() {
    step "Tests under wine64 (log: $out/wine-tests.log)"
    setup_wine
    # Wine keeps the QT_ variables of the Linux side from Windows programs and passes WINEQT_...
    # as QT_... instead. Qt Test on Windows reports to the debugger unless sent to the streams.
    # The offscreen platform reads its fonts from a folder: the same DejaVu as on Linux.
    local qt_for_tests=(WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1
                        WINEQT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu)
    # Qt's dialogs in Russian, from where this Qt looks for its catalogues.
    mkdir -p "$qt_prefix/translations"
    cp /usr/share/qt6/translations/qtbase_ru.qm "$qt_prefix/translations/"
    # A failure does not stop the packing, so that what failed can be tried in the installed
    # program too; the script still ends with an error.
    (cd "$out/build" && env "${qt_for_tests[@]}" ctest -j2 --output-on-failure) \
        2>&1 | tee "$out/wine-tests.log" | grep -E 'tests passed|\*\*\*Failed|Not Run' || tests_failed=1
}

# ---- What is shipped: soccer-<version>-win64.zip and soccer-<version>-setup.exe ----

version() { sed -n 's/^project(soccer VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt"; }

stage_files() {
    local stage=$1 bin=$out/build/bin
    rm -rf "$stage" && mkdir -p "$stage"/{platforms,styles,translations}
    cp "$bin"/soccer.exe "$bin"/soccer-classic.exe "$bin"/soccer-cli.exe "$stage"/
    # Delivered beside the programs, in the zip as in the installed folder.
    cp "$root"/data/bin/{help.html,primer.TFL,option.dat,komand.dat,s.dat,file.dat} "$stage"/
    for lib in Core Gui Widgets PrintSupport; do cp "$qt_prefix/bin/Qt6$lib.dll" "$stage"/; done
    # The Windows platform for the windows, offscreen for soccer-cli's PDF pages.
    cp "$qt_prefix"/plugins/platforms/{qwindows,qoffscreen}.dll "$stage"/platforms/
    cp "$qt_prefix"/plugins/styles/*.dll "$stage"/styles/ 2>/dev/null || true
    if [ -d "$qt_prefix/plugins/printsupport" ]; then
        mkdir -p "$stage/printsupport" && cp "$qt_prefix"/plugins/printsupport/*.dll "$stage/printsupport/"
    fi
    local runtime
    runtime=$(mingw_runtime_folder)
    cp "$runtime"/libstdc++-6.dll "$runtime"/libgcc_s_seh-1.dll \
        "/usr/$triple/lib/libwinpthread-1.dll" "$stage"/
    # Qt's own dialogs in Russian: the .qm catalogues are the same on every system.
    cp /usr/share/qt6/translations/qtbase_ru.qm "$stage"/translations/
    sed 's/$/\r/' "$root/LICENSE" > "$stage/LICENSE.txt"
    make_icons "$stage"
}

# Windows icons from the desktop's PNG sizes: the program's and the table files'.
make_icons() {
    local icons=$root/dist/icons/hicolor
    convert "$icons"/{16x16,32x32,48x48,256x256}/apps/soccer.png "$1/soccer.ico"
    convert "$icons"/{16x16,32x32,48x48,256x256}/mimetypes/application-x-soccer-table.png \
        "$1/soccer-table.ico"
}

# The installer's list of files, from what the stage holds: File lines to install them and
# Delete lines, deepest first, for the uninstaller.
nsis_file_list() {
    local stage=$1
    (
        cd "$stage"
        echo '!macro SOCCER_INSTALL_FILES'
        find . -type d | sort | while read -r dir; do
            echo "  SetOutPath \"\$INSTDIR${dir#.}\""
            find "$dir" -maxdepth 1 -type f | sort | sed 's|^\./||' | while read -r f; do
                echo "  File \"\${STAGE}/$f\""
            done
        done | sed 's|/|\\|g'
        echo '  SetOutPath "$INSTDIR"'
        echo '!macroend'
        echo '!macro SOCCER_REMOVE_FILES'
        find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
        find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
        echo '!macroend'
    )
}

pack() {
    local v stage=$out/stage
    v=$(version)
    step "soccer-$v-win64.zip and soccer-$v-setup.exe"
    stage_files "$stage"
    rm -f "$out/soccer-$v-win64.zip"
    (cd "$out" && rm -rf "soccer-$v" && cp -r stage "soccer-$v" &&
        zip -qr "soccer-$v-win64.zip" "soccer-$v" && rm -rf "soccer-$v")
    nsis_file_list "$stage" > "$out/files.nsh"
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$v" -DSTAGE="$stage" -DFILES="$out/files.nsh" \
        -DOUTFILE="$out/soccer-$v-setup.exe" "$root/dist/windows/soccer.nsi"
    ls -l "$out/soccer-$v-win64.zip" "$out/soccer-$v-setup.exe"
}

# ---- The installer at work under wine64 ----

# The keys an organiser presses in a table just opened, which shows its first cross-table: to
# the first cell, one row down and three columns right to the match of the first two teams,
# a score in the prompt, then Save and «Да». The same keys go to the Linux build and to the
# installed soccer.exe, so their files must agree. With no window manager the window is given
# the keyboard, and the pointer rests on it.
enter_score_and_save() { # window title, picture to take or "", program and its arguments...
    local title=$1 picture=$2 window
    shift 2
    "$@" >/dev/null 2>&1 &
    local program=$!
    window=$(timeout 180 xdotool search --sync --name "^$title" | head -1)
    sleep 5 # the first paint
    [ -z "$picture" ] || import -window root "$picture"
    xdotool windowfocus --sync "$window" mousemove --window "$window" 500 400
    keys ctrl+Home Down Right Right Right Return
    xdotool type --delay 100 '3 3'
    keys Return
    # The closed prompt leaves the keyboard nowhere: it goes back to the window.
    xdotool windowfocus --sync "$window"
    keys ctrl+s
    keys Return
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
}

keys() { xdotool key --delay 200 "$@" && sleep 4; }

wine_checks() {
    local v setup folder tables table linux
    v=$(version)
    setup=$out/soccer-$v-setup.exe
    step "The installer under wine64"
    setup_wine
    unset WINEPATH # the installed folder must hold all it needs
    # Even a silent installer makes a (hidden) window: wine needs a display.
    Xvfb :91 -screen 0 1024x768x24 >/dev/null 2>&1 &
    local xvfb=$!
    trap 'kill '"$xvfb"' 2>/dev/null || true' EXIT
    export DISPLAY=:91
    sleep 2
    wine "$setup" /S /CurrentUser && wineserver -w
    folder=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')")/Programs/soccer
    for file in soccer.exe soccer-classic.exe soccer-cli.exe uninstall.exe help.html; do
        [ -f "$folder/$file" ] || { echo "not installed: $folder/$file" >&2; exit 1; }
    done
    echo "installed in $folder: $(find "$folder" -type f | wc -l) files"

    [ -x "$root/build/bin/soccer" ] || bash "$root/scripts/build.sh"
    linux=$(mktemp -d)
    tables=$WINEPREFIX/drive_c/Таблицы
    rm -rf "$tables" && mkdir -p "$tables"
    table=$tables/primer.TFL
    cp "$root/data/bin/primer.TFL" "$table"
    cp "$root/data/bin/primer.TFL" "$linux/primer.TFL"
    enter_score_and_save 'Тарвел - C:' "$root/docs/windows-main-window.png" \
        wine "$folder/soccer.exe" 'C:\Таблицы\primer.TFL'
    wineserver -k || true
    enter_score_and_save 'Тарвел - /' "" "$root/build/bin/soccer" "$linux/primer.TFL"
    ! cmp -s "$table" "$root/data/bin/primer.TFL" || { echo "soccer.exe saved nothing" >&2; exit 1; }
    ! cmp -s "$linux/primer.TFL" "$root/data/bin/primer.TFL" || { echo "soccer saved nothing" >&2; exit 1; }
    cmp "$table" "$linux/primer.TFL"
    echo "primer.TFL with a score entered and saved: the same bytes as the Linux build's"

    cp "$root/tests/data/bundesliga-2015-16.csv" "$tables/"
    wine "$folder/soccer-cli.exe" import 'C:\Таблицы\season.TFL' 'C:\Таблицы\bundesliga-2015-16.csv' \
        --new 18 >/dev/null
    "$root/build/bin/soccer-cli" import "$linux/season.TFL" "$root/tests/data/bundesliga-2015-16.csv" \
        --new 18 >/dev/null
    cmp "$tables/season.TFL" "$linux/season.TFL"
    echo "season.TFL imported: the same bytes as the Linux build's"
    rm -rf "$linux"

    wine "$folder/uninstall.exe" /S /CurrentUser && wineserver -w
    sleep 5
    [ ! -e "$folder/soccer.exe" ] || { echo "uninstall left soccer.exe" >&2; exit 1; }
    [ -f "$table" ] && echo "uninstalled; the user's tables stay"
    kill "$xvfb"
}

bash "$root/scripts/install-deps.sh" windows

case "$stage" in
    qt) qt_base ;;
    pack) pack ;;
    check) wine_checks ;;
    all)
        started=$(date +%s)
        qt_base
        programs
        wine_tests
        pack
        wine_checks
        echo "Done in $(( ($(date +%s) - started) / 60 )) min $(( ($(date +%s) - started) % 60 )) s"
        [ -z "$tests_failed" ] || { echo "Some tests failed under wine64: $out/wine-tests.log" >&2; exit 1; }
        ;;
    *) echo "usage: $0 [qt|pack|check|all]" >&2; exit 2 ;;
esac
