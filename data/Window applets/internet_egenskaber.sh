#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Internet indstillinger" "gnome-control-center network" "systemsettings kcm_proxy" ""
