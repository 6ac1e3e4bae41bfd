#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Spilleenheder" "jstest-gtk" "systemsettings kcm_gamecontroller" "jstest-gtk"
