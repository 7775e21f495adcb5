#!/usr/bin/env bash
# import -> check -> export gives back the sheet a player wrote: 150 questions, ten a level,
# with commas, quotes and semicolons inside cells and Polish letters throughout.
set -euo pipefail
tool=$1
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT

{
  echo 'poziom,pytanie,A,B,C,D,poprawna'
  for i in $(seq 1 150); do
    level=$(( (i - 1) / 10 + 1 ))
    letters=(A B C D)
    echo "$level,\"Zagadka $i, z przecinkiem i \"\"cudzysłowem\"\"; źdźbło?\",Żółw $i,Gęś $i,\"Łoś $i; ćma\",Jaźń $i,${letters[$((i % 4))]}"
  done
} > "$d/sheet.csv"

"$tool" import "$d/sheet.csv" "$d/Pytania.pFK" > "$d/import.out"
grep -q 'pytań: 150' "$d/import.out"
"$tool" check "$d/Pytania.pFK" > "$d/check.out" || { cat "$d/check.out"; exit 1; }
grep -q '^poziom 15: 10 pytań, 10 do gry' "$d/check.out"
! grep -q warning "$d/check.out"
"$tool" export "$d/Pytania.pFK" "$d/back.csv"
cmp "$d/sheet.csv" "$d/back.csv"
