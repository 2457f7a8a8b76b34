#!/usr/bin/env bash
# Writes the Georgian reference layout (RefKeyLay.txt) to standard output: the letters of the
# "ergonomic" Georgian layout in xkb-data (/usr/share/X11/xkb/symbols/ge), each key named by
# its US legend, each letter by its GEORGIAN-PS code (glibc iconv), space fixed to the space bar.
# Needs the Debian packages xkb-data and x11proto-dev (keysymdef.h gives the keysyms' Unicode).
set -euo pipefail
symbols=${XKB_GE:-/usr/share/X11/xkb/symbols/ge}
keysymdef=${KEYSYMDEF:-/usr/include/X11/keysymdef.h}

declare -A legend=(
  [AD01]=Q [AD02]=W [AD03]=E [AD04]=R [AD05]=T [AD06]=Y [AD07]=U [AD08]=I [AD09]=O [AD10]=P
  [AD11]='[' [AD12]=']'
  [AC01]=A [AC02]=S [AC03]=D [AC04]=F [AC05]=G [AC06]=H [AC07]=J [AC08]=K [AC09]=L [AC10]=';'
  [AC11]="'"
  [AB01]=Z [AB02]=X [AB03]=C [AB04]=V [AB05]=B [AB06]=N [AB07]=M [AB08]=',' [AB09]='.'
  [AB10]='/'
)

# "AD01 Georgian_chin" for every letter key of the ergonomic variant (first level only).
pairs=$(awk '/xkb_symbols "ergonomic"/ {on = 1} on && /^};/ {exit}
             on && /key <A[DCB][0-9][0-9]>/ && /Georgian_/ {
               match($0, /<A[DCB][0-9][0-9]>/); key = substr($0, RSTART + 1, 4)
               match($0, /\[ *Georgian_[a-z]+/); sym = substr($0, RSTART, RLENGTH)
               sub(/\[ */, "", sym); print key, sym }' "$symbols")

lines=()
while read -r key sym; do
  hex=$(awk -v s="XK_$sym" '$2 == s {print $3}' "$keysymdef")          # 0x10010d0
  [ -n "$hex" ] || { echo "no keysym $sym in $keysymdef" >&2; exit 1; }
  utf8=$(printf "\\u$(printf %04X $((hex - 0x1000000)))")
  code=$(printf %s "$utf8" | iconv -f UTF-8 -t GEORGIAN-PS | od -An -tu1 | tr -d ' ')
  lines+=("$code"$'\t'"${legend[$key]}"$'\t'"0")
done <<< "$pairs"

[ "${#lines[@]}" -eq 33 ] || { echo "expected 33 letters, found ${#lines[@]}" >&2; exit 1; }
printf 'Code\tKey\tFixed\r\n'
printf '32\tSpace\t1\r\n'
printf '%s\n' "${lines[@]}" | sort -n | sed 's/$/\r/'
