#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The ctest installed_metainfo, on an installed tree: the AppStream validator
# (offline) passes on the metainfo file together with the desktop entry it
# launches, the metainfo carries release notes for this very version, and the
# icon it names is in the hicolor theme at every size installed.
# Usage: tests/check_installed_metainfo.sh APPSTREAMCLI PREFIX APP_ID VERSION
appstreamcli=$1 prefix=$2 id=$3 version=$4
"$appstreamcli" validate-tree --no-net "$prefix" || exit 1
file=$prefix/share/metainfo/$id.metainfo.xml
if ! grep -q "<release version=\"$version\"" "$file"; then
  echo "$file: no <release version=\"$version\"> (write this version's release notes)"
  exit 1
fi
for icon in scalable/apps/$id.svg 48x48/apps/$id.png 128x128/apps/$id.png 256x256/apps/$id.png; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || { echo "icon missing: share/icons/hicolor/$icon"; exit 1; }
done
