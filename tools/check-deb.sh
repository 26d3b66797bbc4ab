#!/usr/bin/env bash
# Builds the Debian package of the game and tries it out in a throw-away root: unpacks it there, checks what it
# holds and what it depends on, then starts the installed game under a virtual screen as a new player (an empty home
# folder, a working directory without Data) and waits for the name window. Run on demand, not in CI:
#   tools/check-deb.sh            (needs dpkg-dev for dpkg-shlibdeps, xvfb and x11-utils for xwininfo)
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
build=build/deb

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMBUL_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build"
(cd "$build" && rm -f trambul_*.deb && cpack -G DEB)
package=$(ls "$build"/trambul_*.deb)
echo "Package: $package"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
# Qt Charts comes in through the chart library of «Мой год», which the game loads by name.
for library in libqt6widgets6 libqt6svg6 libjpeg62-turbo libqt6charts6 libsdl2-2.0-0 libsdl2-mixer-2.0-0; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library"
done
if command -v apt-get >/dev/null; then
    apt-get install --simulate --no-install-recommends "$repository/$package" >/dev/null 2>&1 \
        || fail "the package's dependencies cannot be installed here (apt-get install --simulate)"
fi

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
dpkg -x "$package" "$root"
for file in usr/bin/trambul usr/share/trambul/Data usr/share/applications/ru.trambul.Trambul.desktop \
    usr/share/metainfo/ru.trambul.Trambul.metainfo.xml usr/share/icons/hicolor/scalable/apps/ru.trambul.Trambul.svg \
    usr/share/icons/hicolor/48x48/apps/ru.trambul.Trambul.png; do
    [[ -e $root/$file ]] || fail "the package has no $file"
done
# Run-time libraries (the codecs, the charts of «Мой год») sit in lib/<triplet>/trambul, where the game loads them
# from by full path; the program itself has no run path.
compgen -G "$root/usr/lib/*/trambul/libYearChart.so" >/dev/null || fail "the package has no chart library"
! readelf -d "$root/usr/bin/trambul" | grep -qE '\((RPATH|RUNPATH)\)' || fail "the game has a run path"
ls "$root"/usr/lib/*/trambul/ 2>/dev/null || echo "(no run-time libraries in the package)"

# The installed files are read-only for the player: make them so, to catch any write into them.
chmod -R a-w "$root/usr"
home="$root/home"
# Started in a folder with an unrelated "Data" folder in it, as a menu may start it in a home folder that has one.
mkdir -p "$home" "$root/elsewhere/Data"
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$root/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
if xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        cd "$1/elsewhere"
        "$1/usr/bin/trambul" &
        game=$!
        for _ in $(seq 1 60); do
            if xwininfo -root -tree | grep -q "Как Вас называть?"; then
                kill "$game"
                exit 0
            fi
            sleep 0.5
        done
        kill "$game" 2>/dev/null
        exit 1' check "$root"; then
    echo "The installed game started and shows the name window."
else
    fail "the installed game did not show the name window within 30 s"
fi
link=$home/.local/share/trambul/Data
[[ -L $link && $(readlink -f "$link") == "$(readlink -f "$root/usr/share/trambul/Data")" ]] \
    || fail "the player's folder has no link to the installed data"
chmod -R u+w "$root/usr"

if ((failures)); then
    echo "$failures check(s) failed." >&2
    exit 1
fi
echo "The package is fine."
