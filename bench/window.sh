#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Window figures: time from start to the first mapped top-level window, and
# resident memory after 5 s idle, software rendering under Xvfb, fresh
# settings (so the window idles at the privacy dialog of a first start). The
# QML cache is kept from run to run, as between two starts of an installed
# program: run 1 compiles every page and script, the later runs read them.
# Usage: bench/window.sh [APP] [RUNS]   (best of RUNS, 5 unless given)
app=${1:-build/qingyao} runs=${2:-5}
command -v Xvfb >/dev/null && command -v xwininfo >/dev/null || { echo "needs Xvfb and xwininfo"; exit 1; }
best_ms= best_rss=
cache=$(mktemp -d) || exit 1
i=0
while [ "$i" -lt "$runs" ]; do
  i=$((i + 1))
  d=$(mktemp -d) || exit 1
  disp=$((200 + $$ % 500))
  Xvfb ":$disp" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
  xpid=$!
  n=0
  until xwininfo -display ":$disp" -root >/dev/null 2>&1 || [ $n -gt 200 ]; do sleep 0.02; n=$((n + 1)); done
  t0=$(date +%s%N)
  env HOME="$d" XDG_CONFIG_HOME="$d/.config" XDG_DATA_HOME="$d/.local/share" XDG_CACHE_HOME="$cache" \
      XDG_RUNTIME_DIR="$d" DISPLAY=":$disp" QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software \
      QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu QTWEBENGINE_DISABLE_SANDBOX=1 "$app" >/dev/null 2>&1 &
  apid=$!
  mapped=
  while [ -z "$mapped" ] && kill -0 "$apid" 2>/dev/null; do
    for w in $(xwininfo -display ":$disp" -root -children 2>/dev/null | awk '/^ +0x/ && $0 ~ /[0-9][0-9][0-9]x[0-9][0-9][0-9]/ {print $1}'); do
      if xwininfo -display ":$disp" -id "$w" 2>/dev/null | grep -q 'IsViewable'; then mapped=$(date +%s%N); break; fi
    done
  done
  sleep 5
  rss=$(awk '/^VmRSS/ {print int($2 / 1024)}' "/proc/$apid/status" 2>/dev/null)
  kill "$apid" 2>/dev/null; wait "$apid" 2>/dev/null
  kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null
  rm -rf "$d"
  [ -n "$mapped" ] || { echo "run $i: no window mapped"; continue; }
  ms=$(( (mapped - t0) / 1000000 ))
  echo "run $i: mapped after $ms ms, resident after 5 s idle $rss MB"
  [ -z "$best_ms" ] || [ "$ms" -lt "$best_ms" ] && best_ms=$ms
  [ -z "$best_rss" ] || [ "$rss" -lt "$best_rss" ] && best_rss=$rss
done
rm -rf "$cache"
echo "window: start to mapped window $best_ms ms (target <= 300 ms), idle resident $best_rss MB (target <= 110 MB); best of $runs, load $(cut -d' ' -f1-3 /proc/loadavg)"
