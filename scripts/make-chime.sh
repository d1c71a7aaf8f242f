#!/usr/bin/env bash
# Makes the about window's chime: four rising bell notes (C6 E6 G6 C7), each a
# sine with a softer inharmonic partial, ringing out linearly to the end.
# Written as RIFF WAVE, IMA ADPCM, one channel, 16000 samples per second,
# 48475 samples (about 3 s). Deterministic: no dither, no noise.
#
# Usage: make-chime.sh OUTPUT_FOLDER   (writes OUTPUT_FOLDER/about_chime.wav)
set -euo pipefail
out=$(realpath -m "$1")
mkdir -p "$out"
work=$(mktemp -d "$out/chime.XXXXXX")
trap 'rm -rf "$work"' EXIT

rate=16000
total=48475
# start (samples)  fundamental (Hz)  partial (Hz, 2.76 times the fundamental)
notes=(
  "0    1046.5 2888.3"
  "3200 1318.5 3639.1"
  "6400 1568.0 4327.7"
  "9600 2093.0 5776.7"
)

parts=()
for i in "${!notes[@]}"; do
  read -r start fundamental partial <<<"${notes[$i]}"
  length=$((total - start))
  # A 4 ms attack, then a linear decay over the rest of the note.
  sox -D -r "$rate" -c 2 -n -e float -b 32 "$work/note$i.wav" \
    synth "${length}s" sine "$fundamental" sine "$partial" remix 1v0.8,2v0.2 \
    fade t 0.004 "${length}s" "$((length - 80))s" pad "${start}s" 0
  parts+=("$work/note$i.wav")
done

sox -D -m "${parts[@]}" -e ima-adpcm "$work/about_chime.wav" gain -n -3
mv "$work/about_chime.wav" "$out/about_chime.wav"
