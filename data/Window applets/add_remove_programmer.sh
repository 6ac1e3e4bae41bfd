#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Programmer" "gnome-software --mode installed" "plasma-discover --mode Installed" "gnome-software --mode installed|synaptic-pkexec"
