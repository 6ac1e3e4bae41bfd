#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Brugerkonti" "gnome-control-center user-accounts" "systemsettings kcm_users" ""
