#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts 晴曜命盘. Without a display the
# window opens on a virtual X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting 晴曜命盘 under Xvfb (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x900x24" ./build/qingyao "$@"
fi
exec ./build/qingyao "$@"
