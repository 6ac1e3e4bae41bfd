#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest. Wine's first process starts
# helpers that inherit the output pipe and would hang ctest, so the output goes
# through a file; Wine writes CR LF line ends.
set -u
log=$(mktemp)
wine "$@" </dev/null >"$log" 2>&1
rc=$?
tr -d "\r" <"$log"
rm -f "$log"
exit $rc
