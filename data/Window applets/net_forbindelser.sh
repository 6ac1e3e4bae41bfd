#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Netværks forbindelser" "gnome-control-center network" "systemsettings kcm_networkmanagement" "nm-connection-editor"
