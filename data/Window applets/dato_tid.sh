#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Dato og klokken" "gnome-control-center datetime" "systemsettings kcm_clock" "time-admin"
