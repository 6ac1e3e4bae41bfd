#!/bin/sh
# Makes a desktop entry at $2 that starts the program $1; the properties
# window copies it into the autostart folder.
set -eu
if [ $# -ne 2 ]; then
    echo "Brug: createShortcut.sh PROGRAM GENVEJ" >&2
    exit 2
fi
program=$1
genvej=$2

# Exec quoting of the desktop entry specification: the path in double quotes,
# with \ " ` $ escaped, and % doubled as field codes demand.
quoted=$(printf '%s' "$program" | sed -e 's/[\\"`$]/\\\\&/g' -e 's/%/%%/g')
tmp="$genvej.$$"
{
    printf '[Desktop Entry]\n'
    printf 'Type=Application\n'
    printf 'Name=Tavlum\n'
    printf 'Comment=Tavlum til opstart af spil, programmer m.v.\n'
    printf 'Exec="%s"\n' "$quoted"
    printf 'Icon=tavlum\n'
    printf 'Terminal=false\n'
    printf 'X-GNOME-Autostart-enabled=true\n'
} > "$tmp"
mv -f "$tmp" "$genvej"
