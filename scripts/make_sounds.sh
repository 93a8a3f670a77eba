#!/usr/bin/env bash
# Makes the 25 wave files in resources/sounds: spoken words with espeak-ng, the click, the
# chimes and the erase sound with sox; and the spoken words again in German and French in
# resources/sounds/de and resources/sounds/fr (the other sounds have no language). Only
# needed to regenerate them; the build uses the committed files. All are mono 16-bit PCM at
# 22050 Hz.
# Needs: apt-get install espeak-ng sox
set -euo pipefail

out="${1:-$(cd "$(dirname "$0")/.." && pwd)/resources/sounds}"
mkdir -p "$out" "$out/de" "$out/fr"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

for tool in espeak-ng sox; do
  command -v "$tool" >/dev/null || { echo "make_sounds.sh: $tool is missing (apt-get install espeak-ng sox)" >&2; exit 1; }
done

# -R: the same input gives the same bytes (fixed dither seed), so regenerating changes nothing.
sox_() { sox -R -V1 "$@"; }
format=(-r 22050 -c 1 -b 16 -e signed-integer)

# A word: spoken, silence trimmed from both ends (the end while reversed), faded in and out
# so the cuts do not click, peak at -3 dBFS.
say() {
  local voice="$1" file="$2" text="$3"
  espeak-ng -v "$voice" -s 165 -w "$tmp/raw.wav" "$text"
  sox_ "$tmp/raw.wav" "${format[@]}" "$file" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% fade t 0.02 reverse fade t 0.005 norm -3
}

# The spoken keys: file, then the words in English, German and French.
words=(
  "zeroa.wav|zero|null|zéro"
  "onea.wav|one|eins|un"
  "twoa.wav|two|zwei|deux"
  "threea.wav|three|drei|trois"
  "foura.wav|four|vier|quatre"
  "fivea.wav|five|fünf|cinq"
  "sixa.wav|six|sechs|six"
  "sevena.wav|seven|sieben|sept"
  "eighta.wav|eight|acht|huit"
  "ninea.wav|nine|neun|neuf"
  "pointa.wav|point|Komma|virgule"
  "plusa.wav|plus|plus|plus"
  "minusa.wav|minus|minus|moins"
  "times.wav|times|mal|fois"
  "divide.wav|divided by|geteilt durch|divisé par"
  "percent.wav|percent|Prozent|pour cent"
  "inverse.wav|inverse|Kehrwert|inverse"
  "squareroot.wav|square root|Quadratwurzel|racine carrée"
  "squared.wav|squared|zum Quadrat|au carré"
  "equals.wav|equals|gleich|égal"
  "exp.wav|E|E|E"
)
for entry in "${words[@]}"; do
  IFS='|' read -r file en de fr <<<"$entry"
  say en-us "$out/$file" "$en"
  say de "$out/de/$file" "$de"
  say fr-fr "$out/fr/$file" "$fr"
done

# One bell-like note of 0.13 s: a tone and its octave, struck and dying away.
note() {
  local file="$1" freq="$2"
  sox_ -n -r 22050 -c 2 -b 16 "$tmp/two.wav" synth 0.13 sine "$freq" sine "$((freq * 2))"
  sox_ "$tmp/two.wav" "${format[@]}" "$file" remix 1v0.7,2v0.3 fade q 0.004 0.13 0.12
}

# Chimes: three rising notes (C6 E6 G6), and the same falling.
note "$tmp/c.wav" 1047
note "$tmp/e.wav" 1319
note "$tmp/g.wav" 1568
sox_ "$tmp/c.wav" "$tmp/e.wav" "$tmp/g.wav" "$out/chimeup.wav" norm -9
sox_ "$tmp/g.wav" "$tmp/e.wav" "$tmp/c.wav" "$out/chimedwn.wav" norm -9

# Click: 20 ms of a high tone that dies at once.
sox_ -n "${format[@]}" "$out/click.wav" synth 0.02 sine 1800 fade q 0.001 0.02 0.018 norm -11

# Erase: a short hiss.
sox_ -n "${format[@]}" "$out/backsp.wav" synth 0.15 pinknoise \
  fade q 0.005 0.15 0.13 sinc 1500-6000 norm -8

ls "$out"/*.wav "$out"/de/*.wav "$out"/fr/*.wav | wc -l | xargs echo "wave files:"
