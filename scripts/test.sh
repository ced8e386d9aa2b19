#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
cd build
# One job more than cores: a fifth of the suite's time is tests waiting on
# timers and loopback servers, and the spare job fills it.
jobs=$(( $(nproc 2>/dev/null || echo 2) + 1 ))
ctest --output-on-failure -j "$jobs" "$@"
