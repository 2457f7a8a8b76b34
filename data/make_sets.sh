#!/usr/bin/env bash
# Makes the bundled sets data/ru, data/uk, data/hy, data/de, data/el and data/fr from the national
# layouts of xkb-data and the shared text corpora. Usage:
#
#   data/make_sets.sh [--layouts-only] [SET...]      (default: ru uk hy de el fr)
#
# For each set it writes In/KeyDefs.txt and In/RefKeyLay.txt from the layout's symbols file,
# copies Kdi.txt and Gj.txt from data/ka/In, writes In/Charset.txt with antkeys-cli charset,
# counts In/DiGraphs.txt and In/TriGraphs.txt from corpora/SET.txt with antkeys-cli digraphs,
# and works out In/BestLoad.txt from those counts. --layouts-only stops after the keyboard and
# the reference layout (no antkeys-cli, no corpus needed). data/SET/README.md says why each
# number is what it is.
#
# Needs the Debian packages xkb-data and x11proto-dev (keysymdef.h gives the keysyms' Unicode),
# glibc's iconv, perl, and a built antkeys-cli (ANTKEYS_CLI, default build/bin/antkeys-cli).
# The corpora are read from CORPORA (default ../shared/corpora beside the repository).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
symbols_dir=${XKB_SYMBOLS:-/usr/share/X11/xkb/symbols}
keysymdef=${KEYSYMDEF:-/usr/include/X11/keysymdef.h}
corpora=${CORPORA:-$repo/../shared/corpora}
cli=${ANTKEYS_CLI:-$repo/build/bin/antkeys-cli}

layouts_only=0
if [ "${1:-}" = "--layouts-only" ]; then layouts_only=1; shift; fi
sets=("$@")
[ ${#sets[@]} -gt 0 ] || sets=(ru uk hy de el fr)

# Each set: the symbols file and variant of its national layout, and its single-byte charset
# (glibc iconv name), the one the corpus README names for the language.
declare -A layout=([ru]="ru winkeys" [uk]="ua unicode" [hy]="am basic" [de]="de basic"
                   [el]="gr basic" [fr]="fr basic")
declare -A charset=([ru]=KOI8-R [uk]=KOI8-U [hy]=ARMSCII-8 [de]=ISO-8859-15 [el]=ISO-8859-7
                    [fr]=ISO-8859-15)
# A set's dead key is placed as the character that stands for it in the set's charset, with
# the accent of its Shift level as its Shift character: Greek tonos U+0384 (ISO-8859-7 0xB4),
# Shift dialytika U+00A8; French circumflex ^ U+005E (code 94), Shift diaeresis U+00A8 (which
# ISO-8859-15 lacks: its 0xA8 is š). The letters the two accents compose, a letter of the map
# with the combining mark of the key or of its Shift level, become sequence lines of the map.
declare -A dead_key=([el]=dead_acute [fr]=dead_circumflex)
declare -A dead_char=([dead_acute]=0384 [dead_circumflex]=005E)
declare -A dead_mark=([dead_acute]=0301 [dead_circumflex]=0302)
declare -A dead_shift=([el]=00A8 [fr]=00A8)
declare -A dead_shift_mark=([el]=0308 [fr]=0308)

# Every key a letter may sit on, in the order KeyDefs.txt lists them: XKB name, US legend
# (the key code of the layout files and the exports), hand, finger, column, row. Rows: 1 number
# row, 2 top letter row, 3 home row, 4 bottom row. The letter rows are those of data/ka. A
# number key takes the hand, finger and column of the top-row key below it to the right
# (1 and Q, 0 and P, = and ]); the key left of 1 is one column further out than 1 (column 6 of
# the left little finger); the backslash key right of ] is column 8 of the right little finger.
keys="TLDE \` 0 5 6 1
AE01 1 0 5 5 1
AE02 2 0 4 4 1
AE03 3 0 3 3 1
AE04 4 0 2 2 1
AE05 5 0 2 1 1
AE06 6 1 2 1 1
AE07 7 1 2 2 1
AE08 8 1 3 3 1
AE09 9 1 4 4 1
AE10 0 1 5 5 1
AE11 - 1 5 6 1
AE12 = 1 5 7 1
AD01 Q 0 5 5 2
AD02 W 0 4 4 2
AD03 E 0 3 3 2
AD04 R 0 2 2 2
AD05 T 0 2 1 2
AD06 Y 1 2 1 2
AD07 U 1 2 2 2
AD08 I 1 3 3 2
AD09 O 1 4 4 2
AD10 P 1 5 5 2
AD11 [ 1 5 6 2
AD12 ] 1 5 7 2
BKSL \\ 1 5 8 2
AC01 A 0 5 5 3
AC02 S 0 4 4 3
AC03 D 0 3 3 3
AC04 F 0 2 2 3
AC05 G 0 2 1 3
AC06 H 1 2 1 3
AC07 J 1 2 2 3
AC08 K 1 3 3 3
AC09 L 1 4 4 3
AC10 ; 1 5 5 3
AC11 ' 1 5 6 3
AB01 Z 0 5 5 4
AB02 X 0 4 4 4
AB03 C 0 3 3 4
AB04 V 0 2 2 4
AB05 B 0 2 1 4
AB06 N 1 2 1 4
AB07 M 1 2 2 4
AB08 , 1 3 3 4
AB09 . 1 4 4 4
AB10 / 1 5 5 4"

# The statements of one variant of a symbols file, in order: "include FILE(VARIANT)" and
# "key NAME KEYSYM" with the key's first-level keysym.
statements() {
  awk -v want="$2" '
    function emit(s,   name, sym) {
      if (match(s, /include[ \t]*"[^"]*"/)) {
        s = substr(s, RSTART, RLENGTH); sub(/include[ \t]*"/, "", s); sub(/"$/, "", s)
        print "include", s; return
      }
      if (!match(s, /key[ \t]*<[A-Z0-9]+>/)) return
      name = substr(s, RSTART, RLENGTH); sub(/key[ \t]*</, "", name); sub(/>/, "", name)
      gsub(/type\[[^]]*\][ \t]*=[ \t]*"[^"]*"/, "", s)   # type[Group1]="FOUR_LEVEL"
      gsub(/symbols\[[^]]*\][ \t]*=/, "", s)              # symbols[Group1]=
      if (!match(s, /\[[ \t]*[A-Za-z0-9_]+/)) return
      sym = substr(s, RSTART + 1, RLENGTH - 1); gsub(/[ \t]/, "", sym)
      print "key", name, sym
    }
    { sub(/\/\/.*/, "") }
    !on && /xkb_symbols[ \t]*"/ {
      match($0, /"[^"]*"/); v = substr($0, RSTART + 1, RLENGTH - 2)
      if (want == v) on = 1
    }
    on {
      body = body " " $0
      while ((i = index(body, ";")) > 0) { emit(substr(body, 1, i - 1)); body = substr(body, i + 1) }
      depth += gsub(/[{]/, "{") - gsub(/[}]/, "}")
      if (depth <= 0 && seen) exit
      if (depth > 0) seen = 1
    }' "$symbols_dir/$1"
}

# The default variant of a symbols file: the one marked default, else the first.
default_variant() {
  awk '{ sub(/\/\/.*/, "") }
       /xkb_symbols[ \t]*"/ { match($0, /"[^"]*"/); v = substr($0, RSTART + 1, RLENGTH - 2)
                             if (first == "") first = v
                             if (prev ~ /default/ || $0 ~ /default/) { print v; found = 1; exit } }
       $0 !~ /^[ \t]*$/ { prev = $0 }
       END { if (!found) print first }' "$symbols_dir/$1"
}

# "NAME KEYSYM" for every key of FILE(VARIANT), includes resolved: a later definition of a key
# replaces an earlier one.
resolve() {
  local file=$1 variant=$2 depth=${3:-0} kind a b
  [ "$depth" -lt 20 ] || { echo "includes nested too deep at $file($variant)" >&2; exit 1; }
  while read -r kind a b; do
    if [ "$kind" = include ]; then
      local f=${a%%(*} v
      if [[ $a == *\(* ]]; then v=${a#*(}; v=${v%)}; else v=$(default_variant "$f"); fi
      resolve "$f" "$v" $((depth + 1))
    else
      echo "$a $b"
    fi
  done < <(statements "$file" "$variant")
}

# The Unicode code point (hex) of a keysym name, empty when it stands for no character.
declare -A keysym_unicode=()
while read -r name code; do keysym_unicode[$name]=$code; done < <(
  awk '$1 == "#define" && $2 ~ /^XK_/ {
         name = substr($2, 4)
         if (match($0, /U\+[0-9A-F]+/)) code = substr($0, RSTART + 2, RLENGTH - 2)
         else if ($3 ~ /^0x0100[0-9a-f]+$/) code = toupper(substr($3, 5))
         else next
         print name, code }' "$keysymdef")
unicode_of() {
  local sym=$1
  if [[ $sym =~ ^U([0-9A-Fa-f]{4,6})$ ]]; then echo "${BASH_REMATCH[1]^^}"
  elif [[ $sym =~ ^0x0?100([0-9A-Fa-f]{4})$ ]]; then echo "${BASH_REMATCH[1]^^}"
  else echo "${keysym_unicode[$sym]:-}"; fi
}
is_letter() { perl -e 'exit(chr(hex($ARGV[0])) =~ /\p{L}/ ? 0 : 1)' "$1"; }

crlf() { sed 's/$/\r/'; }

# In/KeyDefs.txt and In/RefKeyLay.txt of one set; prints the letter count to standard error.
make_layout() {
  local set=$1 in=$repo/data/$1/In
  read -r file variant <<<"${layout[$set]}"
  declare -A first_level=()
  local name sym
  # NoSymbol on the first level keeps what an included file put there.
  while read -r name sym; do
    [ "$sym" = NoSymbol ] || first_level[$name]=$sym
  done < <(resolve "$file" "$variant")

  local defs=() refs=() xkb legend hand finger column row code fixed hex utf8
  while read -r xkb legend hand finger column row; do
    sym=${first_level[$xkb]:-}
    [ -n "$sym" ] || continue
    if [ "$sym" = "${dead_key[$set]:-}" ]; then
      hex=${dead_char[$sym]}
    else
      hex=$(unicode_of "$sym")
      [ -n "$hex" ] && is_letter "$hex" || continue
    fi
    utf8=$(printf "\\U$(printf %08X $((16#$hex)))")
    code=$(printf %s "$utf8" | iconv -f UTF-8 -t "${charset[$set]}" | od -An -tu1 | tr -d ' \n')
    [ -n "$code" ] && [ "$code" -le 255 ] || { echo "$set: $sym has no ${charset[$set]} code" >&2; exit 1; }
    # The search never puts a free letter on the number row, so a letter there stays fixed.
    fixed=0; [ "$row" -eq 1 ] && fixed=1
    defs+=("$legend"$'\t'"$hand"$'\t'"$finger"$'\t'"$column"$'\t'"$row"$'\t'"0")
    refs+=("$code"$'\t'"$legend"$'\t'"$fixed")
  done <<<"$keys"

  mkdir -p "$in"
  { printf 'Code\tHand\tFinger\tColumn\tRow\tAlternate\n'
    printf '%s\n' "${defs[@]}"
    printf 'Space\t0\t1\t0\t5\t1\n'; } | crlf >"$in/KeyDefs.txt"
  { printf 'Code\tKey\tFixed\n'
    printf '32\tSpace\t1\n'
    printf '%s\n' "${refs[@]}" | sort -n; } | crlf >"$in/RefKeyLay.txt"
  echo "$set: ${file}($variant), ${#refs[@]} letters" >&2
}

# In/BestLoad.txt: the weights of data/ka/In/BestLoad.txt, but the space bar's column weight
# (column 0) and the number row's weight (row 1) worked out from the counts. Space and the
# number-row letters are fixed, so their loads never change; each weight is chosen so that the
# target of those keys equals that load (space: both halves of the space bar together; row 1:
# all its keys together), and so the targets of the letters that move add up to their share.
make_best_load() {
  local set=$1 in=$repo/data/$1/In
  awk -F'\t' -v ka="$repo/data/ka/In/BestLoad.txt" -v keydefs="$in/KeyDefs.txt" -v ref="$in/RefKeyLay.txt" '
    function round3(x) { return sprintf("%.3g", x) + 0 }   # three significant digits
    BEGIN {
      while ((getline line < ka) > 0) { gsub(/\r/, "", line); if (n++ == 0) continue
        split(line, f, "\t"); col[n - 2] = f[2]; if (n - 2 < 6) rw[n - 2] = f[3] }
      n = 0
      while ((getline line < keydefs) > 0) { gsub(/\r/, "", line); if (n++ == 0) continue
        split(line, f, "\t"); if (f[1] == "Space") continue
        if (f[5] == 1) q += col[f[4]]; else p += rw[f[5]] * col[f[4]] }
      n = 0
      while ((getline line < ref) > 0) { gsub(/\r/, "", line); if (n++ == 0) continue
        split(line, f, "\t"); if (f[3] != 0 && f[1] != 32) numrow[f[1]] = 1 }
    }
    FNR > 1 { gsub(/\r/, ""); total += $3; if ($2 == 32) space += $3; else if ($2 in numrow) top += $3 }
    END {
      s = space / total; t = top / total; sum = p / (1 - s - t)
      col[0] = round3(s * sum / 2); rw[1] = q > 0 ? round3(t * sum / q) : 0
      printf "Line\tColumnWeight\tRowWeight\r\n"
      for (i = 0; i <= 8; i++)
        if (i < 6) printf "%d\t%s\t%s\r\n", i, col[i], rw[i]; else printf "%d\t%s\r\n", i, col[i]
      printf "%s: space %.2f%% of keystrokes, number row %.2f%%: column 0 %s, row 1 %s\n", \
             set, 100 * s, 100 * t, col[0], rw[1] > "/dev/stderr"
    }' set="$set" "$in/DiGraphs.txt" >"$in/BestLoad.txt"
}

# Rewrites In/Charset.txt of a set with a dead key: the letters the dead key and its Shift
# character compose (their NFD is a letter of the map and the mark of either) lose their codes
# and become sequence lines; the codes of the bare Shift accent and of Greek ΅ go, and the dead
# key gets its Shift character. Letters with more than one mark (ΐ, ΰ) are left without a code
# or a sequence.
make_sequences() {
  local set=$1 in=$repo/data/$1/In
  local sym=${dead_key[$set]}
  perl -CSD -MUnicode::Normalize -e '
    my ($dead, $shift) = (chr(hex($ARGV[0])), chr(hex($ARGV[1])));
    my %mark = (chr(hex($ARGV[2])) => $dead, chr(hex($ARGV[3])) => $shift);
    my $marks = join "|", map { quotemeta } keys %mark;
    my (@codes, %letter, @seq);
    binmode STDOUT, ":encoding(UTF-8)";
    open my $f, "<:encoding(UTF-8)", $ARGV[4] or die;
    my $header = <$f>;
    while (<$f>) { s/\r?\n$//; my @f = split /\t/; push @codes, [@f]; }
    for my $c (@codes) { $letter{$c->[1]} = 1 }
    for my $c (@codes) {
      my $d = NFD($c->[1]);
      if (length($d) == 2 && substr($d, 0, 1) =~ /\p{L}/ && $letter{substr($d, 0, 1)}
          && $mark{substr($d, 1)}) {
        push @seq, "$c->[1]\t$mark{substr($d, 1)}\t" . substr($d, 0, 1) if $c->[1] eq lc $c->[1];
        $c = undef;
      } elsif (length($d) > 2 && $d =~ /$marks/ && $d =~ /^\p{L}/) {
        $c = undef;
      } elsif ($c->[1] eq $shift || $c->[1] eq "\x{385}") { $c = undef }
      elsif ($c->[1] eq $dead) { $c->[2] = $shift }
    }
    print $header;
    print join("\t", @$_), "\r\n" for grep { defined } @codes;
    print "$_\r\n" for @seq;
  ' "${dead_char[$sym]}" "${dead_shift[$set]}" "${dead_mark[$sym]}" "${dead_shift_mark[$set]}" \
    "$in/Charset.txt" >"$in/Charset.txt.new"
  mv "$in/Charset.txt.new" "$in/Charset.txt"
}

for set in "${sets[@]}"; do
  [ -n "${layout[$set]:-}" ] || { echo "unknown set $set (known: ${!layout[*]})" >&2; exit 2; }
  make_layout "$set"
  [ "$layouts_only" -eq 1 ] && continue
  in=$repo/data/$set/In
  cp "$repo/data/ka/In/Kdi.txt" "$repo/data/ka/In/Gj.txt" "$in/"
  "$cli" charset "${charset[$set]}" -o "$in/Charset.txt"
  [ -z "${dead_key[$set]:-}" ] || make_sequences "$set"
  "$cli" digraphs --charset "$in/Charset.txt" --alphabet "$in/RefKeyLay.txt" \
    -o "$in/DiGraphs.txt" --trigrams "$in/TriGraphs.txt" "$corpora/$set.txt"
  make_best_load "$set"
done
