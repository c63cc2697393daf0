#!/usr/bin/env bash
# Runs one Windows test program under Wine for ctest. Its output goes through a
# file, not ctest's pipe: Wine starts helper processes (the desktop, services)
# on first need, they outlive the test and would keep the pipe open, so ctest
# would wait for them until its timeout.
out=$(mktemp)
wine "$@" </dev/null >"$out" 2>&1
status=$?
tr -d '\r' <"$out"
rm -f "$out"
exit $status
