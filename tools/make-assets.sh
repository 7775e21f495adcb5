#!/usr/bin/env bash
# Remakes the game's pictures, sounds and movies from our generators.
# Usage: tools/make-assets.sh BUILD_DIR   (BUILD_DIR holds the built tools, e.g. build)
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."

# --- pictures: tools/picgen ----------------------------------------------------------
picgen="$build/tools/picgen/fortuniak_picgen"
if [ ! -x "$picgen" ]; then
  echo "$0: $picgen is missing; build the project first" >&2
  exit 1
fi
"$picgen" assets/pictures

# --- sounds: tools/sounds ------------------------------------------------------------
# Music, effects and the friends' voices (needs sox, fluidsynth, fluid-soundfont-gm, espeak-ng).
tools/sounds/make-sounds.sh assets/sounds

# --- movies: tools/movies ------------------------------------------------------------
# FILE2 (intro), FILE3 (result loop), FILE4 (information) and FILE5 (the million) as
# animated WebP; needs img2webp from the webp package.
movies="$build/tools/movies/fortuniak_movies"
if [ ! -x "$movies" ]; then
  echo "$0: $movies is missing; build the project first" >&2
  exit 1
fi
"$movies" assets/movies
