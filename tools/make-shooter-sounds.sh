#!/usr/bin/env bash
# Synthesises the zombie shooter's two clips with sox, from nothing but oscillators and noise:
#   Data/HL2/Pistol_fire.wav - a toy pistol: a cap "pop" (short noise burst) under a falling square-wave "pew";
#   Data/HL2/Zombie_die.wav  - a comic groan: a soft thud, then two wobbling sawtooth voices sliding down
#                              through an "uh" vowel, ending in a little upward "bloop".
# Both are 22050 Hz mono 16-bit PCM, well under 0.6 s. sox runs in repeatable mode, so the noise is the same on
# every run and the files only change when this script does.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v sox >/dev/null || {
    echo "make-shooter-sounds: needs sox" >&2
    exit 1
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p Data/HL2
gen() { sox -R -n -r 22050 -c 1 -b 16 "$@"; }

# --- the pistol ---
gen "$tmp/pop.wav" synth 0.05 whitenoise gain -6 highpass 700 lowpass 7000 fade q 0.001 0.05 0.045
gen "$tmp/pew.wav" synth 0.2 square 1700-230 gain -9 lowpass 3500 fade q 0.002 0.2 0.18
gen "$tmp/click.wav" synth 0.012 square 3000 fade q 0 0.012 0.01 gain -14
sox -R -m "$tmp/pop.wav" "$tmp/pew.wav" "$tmp/click.wav" -b 16 Data/HL2/Pistol_fire.wav highpass 50 norm -1

# --- the zombie ---
gen "$tmp/thud.wav" synth 0.06 brownnoise gain -6 lowpass 900 fade q 0.002 0.06 0.05 pad 0 0.4
gen "$tmp/voice1.wav" synth 0.36 sawtooth 210-92 tremolo 8 45 pad 0.03 0.07
gen "$tmp/voice2.wav" synth 0.36 sawtooth 158-70 tremolo 6 55 gain -5 pad 0.04 0.06
gen "$tmp/bloop.wav" synth 0.07 sine 260-720 fade q 0.005 0.07 0.03 gain -8 pad 0.39 0
sox -R -m "$tmp/voice1.wav" "$tmp/voice2.wav" "$tmp/groan.wav" gain -12 \
    equalizer 650 1.5q +9 equalizer 1100 3q +4 lowpass 1800 fade q 0.04 0.46 0.12
sox -R -m "$tmp/thud.wav" "$tmp/groan.wav" "$tmp/bloop.wav" -b 16 Data/HL2/Zombie_die.wav highpass 50 norm -1 trim 0 0.46

for clip in Data/HL2/Pistol_fire.wav Data/HL2/Zombie_die.wav; do
    echo "$clip: $(soxi -r "$clip") Hz, $(soxi -c "$clip") channel, $(soxi -b "$clip") bit, $(soxi -e "$clip"), $(soxi -D "$clip") s"
done
