"""compose.py DIR: writes DIR/NAME.mid for every rendered piece and DIR/plan.json.

A bed is written three times over: the middle pass, rendered, already carries the
reverb and release tails of the pass before it, which is exactly what the loop's
start must contain when the game plays it again after its own end.
"""
import json
import os
import sys

from beds import BEDS
from themes import THEMES

PASSES = 3


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    plan = {}
    for name, make in BEDS.items():
        song, loop_beats = make()
        song.repeat(loop_beats, PASSES)
        song.save(os.path.join(out, name + ".mid"), loop_beats * PASSES + 8)
        plan[name] = {"loop_seconds": loop_beats * song.seconds_per_beat}
    for name, make in THEMES.items():
        song, end_beat = make()
        song.save(os.path.join(out, name + ".mid"), end_beat)
    with open(os.path.join(out, "plan.json"), "w") as f:
        json.dump(plan, f, indent=1, sort_keys=True)


if __name__ == "__main__":
    main()
