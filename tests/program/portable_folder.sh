#!/usr/bin/env bash
# The installed program folder, copied elsewhere, runs on a system without Qt: the system's Qt
# libraries, plugins and translations are hidden in a private mount namespace (each library
# file covered by an empty one, so any attempt to load it fails loudly), LD_LIBRARY_PATH is
# unset, and the copy must still resolve every Qt library inside itself and show the login
# window, on the offscreen platform and on a real X server. Also: the menu script adds and
# removes the desktop entry for wherever the folder is.
# Usage: portable_folder.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

installed="$work/installato/Velarno"
cmake --install "$build" --prefix "$installed" >/dev/null
# The folder as a user copies it, to a place whose name has blanks and an ampersand.
copy="$work/Soci & amici/chiavetta USB/Velarno"
mkdir -p "$(dirname "$copy")"
cp -a "$installed" "$copy"
for file in velarno velarno_camera.so unins000.dll Guida.pdf qt.conf velarno.desktop velarno.svg menu-velarno.sh \
            translations/qtbase_it.qm plugins/platforms/libqxcb.so \
            plugins/platforms/libqoffscreen.so plugins/imageformats/libqjpeg.so \
            plugins/printsupport/libcupsprintersupport.so; do
    [[ -e "$copy/$file" ]] || fail "$file is missing from the program folder"
done
ls "$copy"/plugins/multimedia/*.so >/dev/null || fail "no multimedia plugin in the folder"

# --- the desktop entry -----------------------------------------------------------------------
home="$work/casa"
entry="$home/.local/share/applications/velarno.desktop"
HOME="$home" XDG_DATA_HOME="" "$copy/menu-velarno.sh" >/dev/null
[[ -f "$entry" ]] || fail "the menu script made no entry"
grep -qxF "Exec=\"$copy/velarno\"" "$entry" || fail "Exec does not name the folder: $(cat "$entry")"
grep -qxF "Icon=$copy/velarno.svg" "$entry" || fail "Icon does not name the folder"
grep -qxF "Path=$copy" "$entry" || fail "Path does not name the folder"
grep -qx "Categories=Office;" "$entry" || fail "the entry is not in the Office category"
grep -qx "Name=Velarno" "$entry" || fail "the entry has no name"
HOME="$home" XDG_DATA_HOME="" "$copy/menu-velarno.sh" --rimuovi >/dev/null
[[ ! -e "$entry" ]] || fail "the menu script left the entry in place"

# --- the folder without the system's Qt ------------------------------------------------------
export COPY="$copy" WORK="$work"
# The script runs from an argument, not from standard input, which the programs it starts share.
hidden=$(cat <<'HIDDEN'
fail() { echo "FAIL: $*" >&2; exit 1; }
# Whatever way the script ends, nothing it started outlives it.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
system=/usr/lib/x86_64-linux-gnu
mount -t tmpfs none "$system/qt6"
[[ -d /usr/share/qt6 ]] && mount -t tmpfs none /usr/share/qt6
for library in "$system"/libQt6*.so*; do
    [[ -L "$library" ]] || mount --bind /dev/null "$library"
done
[[ ! -s "$system/libQt6Core.so.6" ]] || fail "the system's Qt is still visible"
unset LD_LIBRARY_PATH QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH

# ldd: every Qt library of the executable and of the camera module resolves inside the folder.
for binary in velarno velarno_camera.so; do
    qt_lines=$(ldd "$COPY/$binary" | grep 'libQt6') || fail "ldd lists no Qt library for $binary"
    while read -r line; do
        [[ "$line" == *"=> $COPY/lib/"* ]] || fail "$binary: resolved outside the folder: $line"
    done <<<"$qt_lines"
done

# Every Qt library and plugin that the running program has loaded comes from the folder.
check_loaded() {
    local maps
    maps=$(grep -E 'libQt6|/plugins/' "/proc/$1/maps" | sed -E 's/^([^ ]+ +){5}//' | sort -u)
    [[ -n "$maps" ]] || fail "no Qt library loaded"
    while read -r file; do
        [[ "$file" == "$COPY/"* ]] || fail "loaded from outside the folder: $file"
    done <<<"$maps"
    grep -q "$COPY/plugins/platforms/$2" "/proc/$1/maps" || fail "$2 is not loaded"
}
# The program has only its own ways out: it is ended here once its window is seen.
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

# Offscreen: the program starts and stays up, waiting at the login window.
QT_QPA_PLATFORM=offscreen "$COPY/velarno" >"$WORK/offscreen.log" 2>&1 &
program=$!
sleep 3
kill -0 "$program" 2>/dev/null || fail "the program ended offscreen: $(cat "$WORK/offscreen.log")"
check_loaded "$program" libqoffscreen.so
stop "$program"

# On an X server the login window appears, with the program's icon.
exec 5>"$WORK/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do [[ -s "$WORK/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")"
QT_QPA_PLATFORM=xcb "$COPY/velarno" >"$WORK/xcb.log" 2>&1 &
program=$!
window=""
for _ in $(seq 300); do
    window=$(xwininfo -root -tree 2>/dev/null | grep -F '" Velarno - Accesso"' | awk '{print $1}' |
             head -1 || true)
    [[ -n "$window" ]] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
[[ -n "$window" ]] || fail "no login window on the X server: $(cat "$WORK/xcb.log")"
# The window is mapped and given its icon a moment after it is created.
shown=no
for _ in $(seq 100); do
    if xwininfo -id "$window" | grep -q 'Map State: IsViewable' &&
        xprop -id "$window" _NET_WM_ICON | grep -q '= '; then
        shown=yes
        break
    fi
    sleep 0.1
done
[[ "$shown" == yes ]] || fail "the login window is not shown with the program's icon"
check_loaded "$program" libqxcb.so
stop "$program"
stop "$server"
HIDDEN
)
unshare --map-root-user --mount bash -euo pipefail -c "$hidden" </dev/null ||
    fail "the folder does not run without the system's Qt"
echo "The copied program folder runs without the system's Qt."
