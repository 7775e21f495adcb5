#!/usr/bin/env bash
# Remakes every sound of the game: tools/sounds/make-sounds.sh [OUTPUT_DIR]
# (default assets/sounds). Music and orchestral effects are composed as MIDI here and
# played by fluidsynth through the General MIDI sound font; noises and phone tones
# are synthesised in Python; the friends' voices come from espeak-ng.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "${1:-$here/../../assets/sounds}")
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2

for tool in python3 sox fluidsynth espeak-ng; do
  command -v "$tool" >/dev/null ||
    { echo "$0: $tool is missing (tools/setup-debian.sh)" >&2; exit 1; }
done
[ -r "$soundfont" ] || { echo "$0: $soundfont is missing (fluid-soundfont-gm)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/compose.py" "$work/midi"
for mid in "$work"/midi/*.mid; do
  name=$(basename "$mid" .mid)
  # 48 kHz: the player's 64-sample blocks then fall on whole milliseconds every 4 ms,
  # so each pass of a bed renders identically. No chorus: its LFO would not repeat.
  fluidsynth -n -i -q -C0 -R1 -g 0.5 -r 48000 -O float -T wav -F "$work/midi/$name.wav" \
    "$soundfont" "$mid" >/dev/null
  sox -R -V1 "$work/midi/$name.wav" -t raw -e floating-point -b 32 -c 1 -r 22050 \
    "$work/midi/$name.f32"
done
python3 "$here/effects.py" "$work/fx"
"$here/voices.sh" "$work/voice"

mkdir -p "$out"
python3 "$here/finish.py" "$work" "$out"
