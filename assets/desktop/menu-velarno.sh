#!/bin/sh
# Adds Velarno to the user's menu, pointing at the folder this script sits in;
# "menu-velarno.sh --rimuovi" takes it away again. Run it again after moving the folder.
set -eu

folder=$(cd "$(dirname "$0")" && pwd)
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
entry="$applications/velarno.desktop"

if [ "${1:-}" = "--rimuovi" ]; then
    rm -f "$entry"
    echo "Velarno è stato tolto dal menu."
elif [ $# -gt 0 ]; then
    echo "Uso: $0 [--rimuovi]" >&2
    exit 2
else
    mkdir -p "$applications"
    # The folder as sed's replacement text: a club's folder may well be called "Soci & amici".
    path=$(printf '%s' "$folder" | sed 's/[\\|&]/\\&/g')
    # Exec, TryExec, Icon and Path name the folder; Exec quotes it, for names with blanks.
    sed -e "s|^Exec=.*|Exec=\"$path/velarno\"|" \
        -e "s|^TryExec=.*|TryExec=$path/velarno|" \
        -e "s|^Icon=.*|Icon=$path/velarno.svg|" \
        -e "\$a Path=$path" \
        "$folder/velarno.desktop" >"$entry"
    chmod +x "$entry"
    echo "Velarno è stato aggiunto al menu (cartella: $folder)."
fi
if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database "$applications" >/dev/null 2>&1 || true
fi
