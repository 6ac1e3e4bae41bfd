#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Telefon og modem" "gnome-control-center wwan" "systemsettings kcm_networkmanagement" "nm-connection-editor"
