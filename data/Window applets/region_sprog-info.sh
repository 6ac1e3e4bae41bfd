#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Område" "gnome-control-center region" "systemsettings kcm_regionandlang" ""
