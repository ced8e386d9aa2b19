#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with HOME and the XDG folders in a fresh temporary folder, so
# the program starts as on a first run and never touches the user's settings.
# Usage: tools/with_temp_home.sh COMMAND [ARGS...]
d=$(mktemp -d) || exit 1
HOME=$d XDG_CONFIG_HOME=$d/.config XDG_DATA_HOME=$d/.local/share XDG_CACHE_HOME=$d/.cache \
XDG_RUNTIME_DIR=$d/runtime "$@"
rc=$?
rm -rf "$d"
exit $rc
