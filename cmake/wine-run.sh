#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest, with stdout free of CR.
set -o pipefail
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine "$@" | tr -d '\r'
