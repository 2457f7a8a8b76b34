#!/usr/bin/env bash
# Both programs answer --version with "antkeys VERSION" and --help with status 0; the window
# program without any display.
set -euo pipefail
bin=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$("$bin/antkeys-cli" --version)" = "antkeys $version" ] || fail "antkeys-cli --version"
"$bin/antkeys-cli" --help >/dev/null || fail "antkeys-cli --help"
if [ -x "$bin/antkeys" ]; then
  no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
  [ "$("${no_display[@]}" "$bin/antkeys" --version)" = "antkeys $version" ] || fail "antkeys --version"
  "${no_display[@]}" "$bin/antkeys" --help | grep -q '^Usage: antkeys' || fail "antkeys --help"
fi
echo "ok"
