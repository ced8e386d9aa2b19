#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a help2man include file whose COMMANDS section holds the --help of
# every command that `qingyao-cli --help` lists, as it prints it, so the
# manual page carries each command's options too.
# Usage: packaging/man_commands.sh QINGYAO-CLI OUTPUT
set -eu
cli=$1 out=$2
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z0-9-]*\) .*/\1/p')
[ -n "$commands" ] || { echo "$0: no commands in '$cli --help'" >&2; exit 1; }
{
  echo "[COMMANDS]"
  for command in $commands; do
    echo ".SS $command"
    echo ".nf"
    # roff: a backslash is \e, a minus sign \-, and a line must not start
    # with a control character.
    "$cli" "$command" --help | sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
    echo ".fi"
  done
} > "$out.tmp"
mv "$out.tmp" "$out"
