#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves the screenshots of every page in one language, starting from fresh
# settings that hold only the language choice and a start count past the
# first start (so the first-start language rule does not override it).
# Usage: tools/screenshots.sh APP DIR LANGUAGE [WIDTHxHEIGHT]
#        (language 0 Simplified, 1 Traditional; screen 1280x900 unless given:
#        the walk itself shows each state at 480x860 and at 1280x900)
app=$1 dir=$2 lang=$3 size=${4:-1280x900}
d=$(mktemp -d) || exit 1
mkdir -p "$d/.config/Solquist" "$dir"
printf '[General]\nappLanguage=%s\nappStartupTimes=5\n' "$lang" > "$d/.config/Solquist/晴曜命盘.conf"
HOME=$d XDG_CONFIG_HOME=$d/.config XDG_DATA_HOME=$d/.local/share XDG_CACHE_HOME=$d/.cache \
XDG_RUNTIME_DIR=$d/runtime QT_QUICK_BACKEND=software \
QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu QTWEBENGINE_DISABLE_SANDBOX=1 \
xvfb-run -a -s "-screen 0 ${size}x24" "$app" --screenshots "$dir"
rc=$?
rm -rf "$d"
exit $rc
