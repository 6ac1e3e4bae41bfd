#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Enhedshåndtering" "hardinfo|gnome-control-center info-overview" "kinfocenter" "hardinfo"
