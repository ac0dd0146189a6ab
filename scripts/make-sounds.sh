#!/usr/bin/env bash
# Regenerates Norrid's notification sounds (resources/sounds/<Name>.oga) from sox's synthesizer.
# Each is a short mono Ogg Vorbis clip of a few kilobytes. Needs the Debian package sox
# (with libsox-fmt-base); the build and the tests only use the committed files.
set -euo pipefail
out="$(dirname "$0")/../resources/sounds"
mkdir -p "$out"

# make NAME SOX-EFFECTS...: synthesizes at 22.05 kHz mono and writes NAME.oga at the lowest quality.
make() {
  local name=$1
  shift
  sox -q -n -r 22050 -c 1 -t vorbis -C 0 "$out/$name.oga" "$@"
}
# make_seq NAME PART...: each PART is a quoted list of sox synth arguments; the parts play in turn.
make_seq() {
  local name=$1
  shift
  local tmp parts=()
  tmp=$(mktemp -d)
  local i=0
  for part in "$@"; do
    # shellcheck disable=SC2086
    sox -q -n -r 22050 -c 1 -b 16 "$tmp/$i.wav" $part
    parts+=("$tmp/$i.wav")
    i=$((i + 1))
  done
  sox -q "${parts[@]}" -t vorbis -C 0 "$out/$name.oga" fade 0 -0 0.02
  rm -rf "$tmp"
}

make Basso synth 0.45 square 98 gain -9 lowpass 600 fade 0.005 0.45 0.35
make Blow synth 0.5 pinknoise bandpass 700 300h fade q 0.12 0.5 0.3 vol 0.9
make Bottle synth 0.4 sine 392 synth 0.4 sine amod 7 60 fade 0.02 0.4 0.3 vol 0.7
make_seq Frog "synth 0.09 square 180 gain -8 lowpass 900" "synth 0.05 sine 0 vol 0" \
  "synth 0.12 square 150 gain -8 lowpass 900"
make Funk synth 0.35 sawtooth 320-140 gain -8 lowpass 1200 fade 0.005 0.35 0.1
make Glass synth 0.8 sine 1760 sine 2637 remix - fade 0.002 0.8 0.75 vol 0.6
make_seq Hero "synth 0.1 triangle 523" "synth 0.1 triangle 659" "synth 0.1 triangle 784" \
  "synth 0.3 triangle 1047 fade 0 0.3 0.25"
make_seq Morse "synth 0.06 sine 800" "synth 0.06 sine 0 vol 0" "synth 0.06 sine 800" \
  "synth 0.06 sine 0 vol 0" "synth 0.18 sine 800"
make Ping synth 0.5 sine 1319 fade 0.002 0.5 0.45 vol 0.7
make Pop synth 0.07 sine 700-180 fade 0.002 0.07 0.04 vol 0.8
make Purr synth 0.6 triangle 70 synth 0.6 sine amod 24 90 gain -3 lowpass 500 fade 0.05 0.6 0.2
make_seq Sosumi "synth 0.12 pluck 880" "synth 0.25 pluck 659"
make Submarine synth 0.35 sine 440 fade 0.005 0.35 0.3 vol 0.5 echo 0.8 0.6 150 0.4 300 0.2
make Tink synth 0.12 sine 2600 fade 0.001 0.12 0.11 vol 0.6
