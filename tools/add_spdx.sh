#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Adds the licence line to every source file that lacks it.
#
#   tools/add_spdx.sh           add "SPDX-License-Identifier: GPL-3.0-or-later"
#                               (as a // or # comment) where it is missing
#   tools/add_spdx.sh --check   only list the files without it; fails if any
#                               (the ctest spdx_check)
#
# Sources are the files git tracks with these endings: .cpp .h .c .qml .js
# .mjs .py .sh .cmake and CMakeLists.txt. Generated files ("generated - do not
# edit" near the top) are left alone: their generators own their text, and the
# licences of the data in them are listed in docs/THIRD-PARTY.md.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
check=0
[ "${1:-}" = "--check" ] && check=1
id="SPDX-License-Identifier: GPL-3.0-or-later"

# The files whose first five lines hold neither the licence line nor the
# generated-file mark, NUL-separated: one awk over every file, not a few
# processes for each.
unmarked() {
  git ls-files -z -- '*.cpp' '*.h' '*.c' '*.qml' '*.js' '*.mjs' '*.py' '*.sh' '*.cmake' \
                     'CMakeLists.txt' '*/CMakeLists.txt' |
    sed -z 's|^|./|' | # so that awk never reads a name with "=" as an assignment
    xargs -0 -r awk '
      FNR > 5 { nextfile }
      /SPDX-License-Identifier:/ || tolower($0) ~ /generated - do not edit/ { marked[FILENAME] = 1; nextfile }
      END { for (i = 1; i < ARGC; i++) if (!(ARGV[i] in marked)) printf "%s%c", substr(ARGV[i], 3), 0 }'
}

missing=0
while IFS= read -r -d '' file; do
  case $file in
    *.py|*.sh|*.cmake|*CMakeLists.txt) line="# $id" ;;
    *) line="// $id" ;;
  esac
  missing=$((missing + 1))
  if [ $check = 1 ]; then
    echo "no licence line: $file"
    continue
  fi
  # After a shebang, before everything else.
  if head -n 1 "$file" | grep -q '^#!'; then
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } > "$file.spdx"
  else
    { echo "$line"; cat "$file"; } > "$file.spdx"
  fi
  chmod --reference="$file" "$file.spdx"
  mv "$file.spdx" "$file"
done < <(unmarked)

if [ $check = 1 ]; then
  [ $missing = 0 ] && echo "Every source file has its licence line."
  [ $missing = 0 ]
else
  echo "Added the licence line to $missing file(s)."
fi
