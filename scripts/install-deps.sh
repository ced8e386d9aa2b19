#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages needed to build, run and test 晴曜命盘.
# Idempotent: checks what is present first and stays quiet when nothing is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git
  qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev qtquickcontrols2-5-dev
  libqt5websockets5-dev libqt5webview5-dev qtwebengine5-dev
  qttools5-dev qttools5-dev-tools
  libqt5sql5-sqlite libsqlite3-dev libqt5svg5-dev
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
  qml-module-qtquick-controls2 qml-module-qtquick-templates2 qml-module-qtquick-dialogs
  qml-module-qtqml-models2 qml-module-qt-labs-settings qml-module-qt-labs-folderlistmodel
  qml-module-qtwebview qml-module-qtwebengine qml-module-qtwebsockets qml-module-qttest
  qml-module-qtgraphicaleffects
  xvfb xauth opencc fonts-noto-cjk fontconfig poppler-utils
  libnova-dev libicu-dev unicode-data sqlite3 libssl-dev tzdata
  help2man librsvg2-bin desktop-file-utils appstream dpkg-dev file python3-fonttools
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
