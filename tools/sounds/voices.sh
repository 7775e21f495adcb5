#!/usr/bin/env bash
# voices.sh DIR: speaks the phone-a-friend clips into DIR/NAME.f32 (mono float, 22050 Hz).
# espeak-ng's Polish voice gives the words; the variant, pitch and speed give each friend
# an age, and sox puts all of them on a telephone line (300-3400 Hz, squeezed like a
# line's level control, which also keeps the four friends equally loud).
set -euo pipefail
out=${1:?usage: voices.sh DIR}
mkdir -p "$out"

# friend -> espeak-ng voice and pitch | words per minute | sox effects after the phone band
declare -A SPEAK=(
  [jacek]="-v pl+m3 -p 78"           # 15: light, a young man's pitch
  [dorota]="-v pl+f2 -p 48"          # 39: a woman's middle register
  [zenon]="-v pl+grandpa -p 22 -g 3" # 82: low, with gaps between the words
  [leszek]="-v pl+m6 -p 48"          # 42: steady, mid-low
)
declare -A SPEED=([jacek]=185 [dorota]=158 [zenon]=118 [leszek]=162)
declare -A COLOUR=(
  [jacek]="pitch 250"                # smaller throat: formants up with the pitch
  [dorota]=""
  [zenon]="tremolo 5.5 35"           # the tremble of an old voice
  [leszek]="bass 4 250"              # a fuller chest
)

# name | friend | words (numbers spelt out, letters as espeak-ng says their Polish names)
CLIPS=(
  "K|jacek|Wydaje mi się, że to jest odpowiedź:"
  "KA|jacek|A" "KB|jacek|B" "KC|jacek|C" "KD|jacek|D"
  "KE|jacek|Ale wcale nie jestem pewien."
  "G|dorota|No nie wiem, ale myślę, że jest to odpowiedź:"
  "GA|dorota|A" "GB|dorota|B" "GC|dorota|C" "GD|dorota|D"
  "GE|dorota|Na sto procent nie mam pewności, może tak na dziewięćdziesiąt procent. Życzę Ci powodzenia, trzymaj się."
  "M|zenon|Trafiłeś na moją dziedzinę, jest to odpowiedź:"
  "M2|zenon|Akurat na tym się nie znam, ale wydaje mi się, że jest to odpowiedź:"
  "MA|zenon|A" "MB|zenon|B" "MC|zenon|C" "MD|zenon|D"
  "ME|zenon|Mam nadzieję, że zgarniesz dużo kasy i będzie czym się podzielić."
  "M2E|zenon|Raczej mam rację. Możesz mi uwierzyć."
  "T|leszek|W tym pytaniu jestem dobry. Jest to odpowiedź:"
  "T2|leszek|Nie jestem pewien, ale może to być odpowiedź:"
  "TA|leszek|A" "TB|leszek|B" "TC|leszek|C" "TD|leszek|D"
  "TE|leszek|Nie pękaj na pewno wygramy!"
  "T2E|leszek|Życzę Ci powodzenia!"
)

for clip in "${CLIPS[@]}"; do
  IFS='|' read -r name friend words <<<"$clip"
  speed=${SPEED[$friend]}
  # the answer's letter is the word that matters: each friend says it a little slower
  [ ${#words} -eq 1 ] && speed=$((speed * 3 / 4))
  # shellcheck disable=SC2086  # the option strings are meant to split
  espeak-ng ${SPEAK[$friend]} -s "$speed" -w "$out/$name.raw.wav" "$words"
  # shellcheck disable=SC2086
  sox -R -V1 "$out/$name.raw.wav" -t raw -e floating-point -b 32 -c 1 -r 22050 "$out/$name.f32" \
    ${COLOUR[$friend]} sinc 300-3400 equalizer 1800 1.5q 3 \
    compand 0.005,0.12 6:-60,-60,-30,-16,0,-6 0 -60
  rm "$out/$name.raw.wav"
done
