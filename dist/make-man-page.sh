#!/usr/bin/env bash
# Makes a man page from a program's --help and --version with help2man, adding every
# command's --help when the program lists commands, and the hand-written sections of the
# INCLUDE files. Usage: make-man-page.sh PROGRAM "SHORT DESCRIPTION" OUT.1 INCLUDE...
set -euo pipefail
program=$1 name=$2 out=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# roff: a backslash prints as \e; a line starting with . or ' would be a request.
to_roff() { sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"; }

cat "$@" >"$work/include.h2m"
commands=$("$program" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
if [ -n "$commands" ]; then
  {
    echo "[COMMANDS]"
    for command in $commands; do
      echo ".SS $command"
      echo ".nf"
      "$program" "$command" --help | to_roff
      echo ".fi"
    done
  } >>"$work/include.h2m"
fi

# The page is named after the program; --version names the project for both programs.
version=$("$program" --version | sed -n '1s/^antkeys //p')
help2man --no-info --no-discard-stderr --section=1 --name="$name" \
  --version-string="$(basename "$program") $version" --source="antkeys $version" \
  --include="$work/include.h2m" --output="$out" "$program"
