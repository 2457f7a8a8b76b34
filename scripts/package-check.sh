#!/usr/bin/env bash
# Makes the Debian package from a finished build, checks it with lintian, installs it, runs
# both programs as a new user would, purges it and checks that nothing of it is left.
# Usage: bash scripts/package-check.sh [BUILD_DIR]   (default: build; root or sudo)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
fail() { echo "package-check: FAIL: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/antkeys_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
echo "== $(basename "$deb")"
dpkg-deb --info "$deb" | sed -n '/Depends:/p'

echo "== lintian"
lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"

echo "== install"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -qq "$deb" >/dev/null
installed=$(dpkg -L antkeys)

echo "== run as a new user"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
as_new_user() { env -u ANTKEYS_HOME -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" "$@"; }
cd "$home"
[ "$(as_new_user antkeys-cli --version)" = "antkeys $version" ] || fail "antkeys-cli --version"
[ "$(as_new_user antkeys --version)" = "antkeys $version" ] || fail "antkeys --version"
evaluation=$(as_new_user antkeys-cli evaluate)
echo "$evaluation"
grep -q '^In/RefKeyLay.txt .* 0\.00%$' <<<"$evaluation" || fail "evaluate printed no reference grade"
[ -f "$home/.local/share/antkeys/In/KeyDefs.txt" ] || fail "no ~/.local/share/antkeys/In"
[ -f "$home/.local/share/antkeys/Out/Pheromones.txt" ] || fail "the shipped store was not copied"
as_new_user antkeys-cli init --set hy "$home/hy" >/dev/null || fail "init --set hy"
evaluation=$(as_new_user antkeys-cli evaluate --dir "$home/hy")
grep -q '^In/RefKeyLay.txt .* 0\.00%$' <<<"$evaluation" || fail "the installed Armenian set grades no reference"
status=0
as_new_user QT_QPA_PLATFORM=offscreen timeout 1 antkeys 2>"$home/antkeys.err" || status=$?
cat "$home/antkeys.err"
[ "$status" -eq 124 ] || fail "antkeys ended with status $status within a second"
grep -q "program folder $home/.local/share/antkeys" "$home/antkeys.err" || fail "antkeys named no program folder"
grep -qx /usr/share/antkeys/translations/antkeys_en.qm <<<"$installed" || fail "no English catalogue installed"
status=0
as_new_user ANTKEYS_LANG=en QT_QPA_PLATFORM=offscreen timeout 1 antkeys 2>"$home/antkeys.err" || status=$?
[ "$status" -eq 124 ] || fail "ANTKEYS_LANG=en antkeys ended with status $status within a second"
! grep -q "no catalogue" "$home/antkeys.err" || fail "the installed antkeys finds no English catalogue: $(cat "$home/antkeys.err")"
cd - >/dev/null

echo "== purge"
$SUDO apt-get purge -y -qq antkeys >/dev/null
left=()
while IFS= read -r path; do
  [ -e "$path" ] && [ ! -d "$path" ] && left+=("$path")
done <<<"$installed"
[ -e /usr/share/antkeys ] && left+=(/usr/share/antkeys)
[ ${#left[@]} -eq 0 ] || fail "left after purge: ${left[*]}"
echo "package-check: ok"
