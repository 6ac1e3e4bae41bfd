#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Windows firewall" "gufw" "systemsettings kcm_firewall|gufw" "gufw"
