#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan and runs the C++ tests there (the QML tests, the window walk and
# the generator check add little under the sanitizers and take long).
# Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f build-asan/CMakeCache.txt ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQINGYAO_SANITIZE=ON >/dev/null
fi
cmake --build build-asan -j "$jobs"
cd build-asan
ctest --output-on-failure -j "$jobs" -E '^qml_|^app_self_test_|^regenerate_check$' "$@"
