#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "System oplysninger" "gnome-control-center info-overview|hardinfo" "kinfocenter" "hardinfo|xfce4-about"
