#!/usr/bin/env bash
# Runs a Windows program under Wine; ctest uses it for every Windows test program.
# The caller (scripts/wine-session.sh) has set WINEPREFIX and DISPLAY.
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
