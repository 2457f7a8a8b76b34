#!/usr/bin/env bash
# The man pages cover every command and option that --help names, and man reads them
# without a warning.
set -euo pipefail
bin=$1 pages=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

# The options a help text names: -x and --word, at the start of a word or after '['.
options() { grep -oE '(^|[[ ,])--?[a-zA-Z][a-zA-Z0-9-]*' | sed 's/^[[ ,]//' | sort -u; }

check_page() {
  local page=$1 help=$2 text word
  # man escapes the minus sign; read the page as text.
  text=$(sed 's/\\-/-/g' "$page")
  for word in $(options <<<"$help"); do
    grep -qF -- "$word" <<<"$text" || fail "$(basename "$page") lacks $word"
  done
  local warnings
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
}

cli=$("$bin/antkeys-cli" --help)
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' <<<"$cli")
[ -n "$commands" ] || fail "no commands in antkeys-cli --help"
all=$cli
for command in $commands; do
  grep -q "^\.SS $command\$" "$pages/antkeys-cli.1" || fail "antkeys-cli.1 lacks the command $command"
  all+=$'\n'$("$bin/antkeys-cli" "$command" --help)
done
check_page "$pages/antkeys-cli.1" "$all"
grep -q 'XDG_DATA_HOME' "$pages/antkeys-cli.1" || fail "antkeys-cli.1 lacks the program folder rules"

if [ -x "$bin/antkeys" ]; then
  check_page "$pages/antkeys.1" "$(env -u DISPLAY "$bin/antkeys" --help)"
  grep -q 'ANTKEYS_HOME' "$pages/antkeys.1" || fail "antkeys.1 lacks the program folder rules"
fi
echo "ok"
