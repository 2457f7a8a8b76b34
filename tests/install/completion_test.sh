#!/usr/bin/env bash
# The bash completion of antkeys-cli: commands, a command's options, set names, folders
# after --dir and files as arguments.
set -euo pipefail
bin=$1 script=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

PATH="$bin:$PATH"
# shellcheck source=/dev/null
source "$script"
cd "$(mktemp -d)"
trap 'rm -rf "$PWD"' EXIT
mkdir folder && touch layout.txt

# Completes the words "$@" (the last one is being typed); prints the candidates sorted.
complete_words() {
  COMP_WORDS=(antkeys-cli "$@")
  COMP_CWORD=$(($# ))
  COMPREPLY=()
  _antkeys_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local got
  got=$(complete_words "${@:2}" | paste -sd' ')
  [[ " $got " == *" $1 "* ]] || fail "'${*:2}' gives '$got', without '$1'"
}

expect evaluate e
expect init ""
expect --version --v
expect --tsv evaluate --t
expect --seconds run --sec
expect --force init --f
expect en init --set ""
expect hy init --set h
expect folder evaluate --dir f
expect layout.txt evaluate l
[ -z "$(complete_words evaluate --dir l)" ] || fail "a file offered after --dir"
echo "ok"
