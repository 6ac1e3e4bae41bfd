#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Sikkerhed" "gnome-software --mode updates" "plasma-discover --mode Update" "gnome-software --mode updates"
