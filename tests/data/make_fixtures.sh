#!/usr/bin/env bash
# Regenerates the small pictures the tests load. The outputs are committed.
set -euo pipefail
cd "$(dirname "$0")"
# Three frames with delays of 10, 20 and 30 hundredths of a second.
/usr/bin/convert -size 6x4 -delay 10 xc:red -delay 20 xc:lime -delay 30 xc:blue -loop 0 three_frames.gif
