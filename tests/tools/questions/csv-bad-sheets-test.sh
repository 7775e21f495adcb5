#!/usr/bin/env bash
# Each faulty sheet is refused with the line of its fault, and no questions file is written:
# an existing one keeps its contents.
set -euo pipefail
tool=$1
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT
good='1,Ile nóg ma pająk?,Sześć,Osiem,Dziesięć,Cztery,B'
header='poziom,pytanie,A,B,C,D,poprawna'

# refused EXPECTED_MESSAGE: the sheet on standard input
refused() {
  cat > "$d/sheet.csv"
  echo stare > "$d/Pytania.pFK"
  if "$tool" import "$d/sheet.csv" "$d/Pytania.pFK" 2> "$d/err"; then
    echo "accepted a sheet that should fail with: $1"; exit 1
  fi
  grep -qF "sheet.csv:$1" "$d/err" || { echo "expected \"$1\", got:"; cat "$d/err"; exit 1; }
  [ "$(cat "$d/Pytania.pFK")" = stare ] || { echo "written despite: $1"; exit 1; }
}

printf '%s\n%s\n' 'poziom,pytanie,A,B,C,poprawna' "$good" | refused '1: the header has no column "D"'
printf '%s\n%s\n%s\n' "$header" "$good" '2,Ile to dwa razy dwa?,Cztery,Pięć,Trzy,Sześć' \
  | refused '3: 6 columns, the header has 7'
printf '%s\n%s\n%s\n' "$header" "$good" '2,Ile to dwa razy dwa?,Cztery,Pięć,Trzy,Sześć,E' \
  | refused '3: poprawna "E" is not A, B, C or D'
printf '%s\n%s\n%s\n' "$header" "$good" '2,Ile to dwa razy dwa?,Cztery,Pięć,Cztery,Sześć,A' \
  | refused '3: C: the same text as another answer'
printf '%s\n%s\n2,%s?,Tak,Nie,Może,Nie wiem,A\n' "$header" "$good" "$(printf 'ż%.0s' $(seq 150))" \
  | refused '3: pytanie: 151 characters, more than 150'
printf '%s\n%s\n2,Ile nóg ma \xb3o\x9c?,Cztery,Dwie,Sześć,Osiem,A\n' "$header" "$good" \
  | refused '3: not UTF-8 text'
printf '%s\n%s\n2,Skąd pochodzi taniec „Señorita”?,Z Hiszpanii,Z Polski,Z Chin,Z Japonii,A\n' \
  "$header" "$good" | refused '3: pytanie: "ñ" is a character the game cannot show'
echo "all refused"
