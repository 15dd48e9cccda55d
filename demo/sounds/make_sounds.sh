#!/usr/bin/env bash
# Makes every sound of the demo installation: the signal sounds with sox, and everything the
# course says with espeak-ng, from the lists in the course's README (the "sounds" and "films"
# blocks). A text that has a film is spoken sentence by sentence and placed at its scenes'
# start times; its timeline (one line a segment: start, end, scene, subtitle) is left in
# WORK_DIR/film_<n>.txt for the film maker.
#
# usage: make_sounds.sh COURSE_DIR INSTALL_DIR WORK_DIR [LANGUAGE]
# LANGUAGE is the course language, en (the default), de or fr.
# Spoken pieces are cached in WORK_DIR/cache by what is said and how, so a second run only
# copies files.
set -euo pipefail

if [ $# -lt 3 ] || [ $# -gt 4 ]; then
  echo "usage: make_sounds.sh COURSE_DIR INSTALL_DIR WORK_DIR [en|de|fr]" >&2
  exit 2
fi
COURSE=$1
INSTALL=$2
WORK=$3
LANGUAGE=${4:-en}
README=$COURSE/README.md
CACHE=$WORK/cache
TMP=$WORK/tmp
mkdir -p "$CACHE" "$TMP"
# Timelines of films no longer listed must not make films.
rm -f "$WORK"/film_*.txt
for tool in espeak-ng sox soxi awk sha1sum; do
  command -v "$tool" >/dev/null || { echo "make_sounds: $tool is not installed" >&2; exit 1; }
done

RATE=22050
# Changing this invalidates the cache.
RECIPE="espeak-ng $(espeak-ng --version | head -n1) / sox norm -1"

fail() { echo "make_sounds: $*" >&2; exit 1; }

# The fenced block NAME of the README, without its heading lines.
block() {
  awk -v name="$1" '$0 == "```" name {inside = 1; next} /^```/ {inside = 0} inside && !/^#/ && NF' "$README"
}

# The course's voices: two accents for English, one for German and French, six variants each.
case $LANGUAGE in
  en) MAIN_VOICE=en-gb OTHER_VOICE=en-us ;;
  de) MAIN_VOICE=de OTHER_VOICE=de ;;
  fr) MAIN_VOICE=fr-fr OTHER_VOICE=fr-fr ;;
  *) fail "unknown course language '$LANGUAGE' (en, de or fr)" ;;
esac

voice_of() {
  case $1 in
    narrator_female) echo $MAIN_VOICE+f3 ;;
    narrator_male) echo $MAIN_VOICE+m3 ;;
    female_1) echo $MAIN_VOICE+f2 ;;
    male_1) echo $MAIN_VOICE+m1 ;;
    female_2) echo $OTHER_VOICE+f4 ;;
    male_2) echo $OTHER_VOICE+m7 ;;
    *) fail "unknown voice '$1' in $README" ;;
  esac
}

# Words a minute: slower for the recorded texts of levels 1 and 2 (texts 1 to 5).
rate_of() {
  case $1 in
    Hdd/Teksty_wav/[1-5].wav) echo 130 ;;
    Hdd/Teksty_wav/*) echo 140 ;;
    *) echo 135 ;;
  esac
}

# speak VOICE WPM TEXT OUT: one utterance, 22050 Hz mono 16-bit, normalised.
speak() {
  local key cached
  key=$(printf '%s\n%s\n%s\n%s' "$RECIPE" "$1" "$2" "$3" | sha1sum | cut -c1-20)
  cached=$CACHE/$key.wav
  if [ ! -s "$cached" ]; then
    printf '%s' "$3" | espeak-ng -v "$1" -s "$2" --stdin -w "$TMP/raw.wav"
    sox -q "$TMP/raw.wav" -r $RATE -c 1 -b 16 "$TMP/norm.wav" norm -1
    mv "$TMP/norm.wav" "$cached"
  fi
  cp "$cached" "$4"
}

silence() {  # silence SECONDS OUT
  sox -q -n -r $RATE -c 1 -b 16 "$2" trim 0 "$1"
}

seconds() { soxi -D "$1"; }

# Sentences of a paragraph, one a line. The capitals are spelled out: in the C locale a
# character class would not take a German or French capital.
sentences() {
  printf '%s\n' "$1" |
    sed -E 's/([.!?]) +([A-Z"]|Ä|Ö|Ü|À|Â|Ç|É|È|Ê|Î|Ô|Œ)/\1\n\2/g'
}

target() {  # the installation file of a list path, its folder made
  local out=$INSTALL/$1
  mkdir -p "$(dirname "$out")"
  printf '%s' "$out"
}

count=0

# --- Signal sounds -----------------------------------------------------------------------------
signal() {  # signal NAME SOX-EFFECT-CHAIN...: a short tone sequence at -6 dB
  local out
  out=$(target "$1")
  shift
  sox -q -n -r $RATE -c 1 -b 16 "$TMP/signal.wav" "$@"
  sox -q "$TMP/signal.wav" "$out" norm -6
  count=$((count + 1))
}
# Opening chime: three soft plucked notes rising (C5, E5, G5) that ring together.
note() {  # note FREQ START LENGTH OUT
  sox -q -n -r $RATE -c 1 -b 16 "$4" synth "$3" pluck "$1" fade 0 "$3" 0.5 pad "$2" 0
}
note 523.25 0.00 1.1 "$TMP/n1.wav"
note 659.25 0.14 1.0 "$TMP/n2.wav"
note 783.99 0.28 1.0 "$TMP/n3.wav"
sox -q -m "$TMP/n1.wav" "$TMP/n2.wav" "$TMP/n3.wav" "$TMP/chime.wav"
# Softened and given a little room, so it rings rather than buzzes.
sox -q "$TMP/chime.wav" "$(target wav_r/r_open.wav)" lowpass 2600 pad 0 0.3 reverb 25 fade 0 1.58 0.4 norm -4
count=$((count + 1))
# Right: two bright notes upwards. Wrong: two low, soft notes downwards.
signal Wav_r/ok.wav synth 0.12 sine 880 fade 0 0.12 0.04 : synth 0.22 sine 1318.5 fade 0 0.22 0.12
signal Wav_r/no.wav synth 0.18 triangle 220 fade 0 0.18 0.05 : synth 0.3 triangle 174.6 fade 0 0.3 0.2

# --- Film scenes -------------------------------------------------------------------------------
# "<text number> <scene>" -> start time in seconds, from the films block.
declare -A scene_start
declare -A film_scenes
while IFS=$'\t' read -r path scene start paragraph _; do
  [[ $path =~ ^Teksty_mpg_r/([0-9]+)\.mpg$ ]] || fail "bad film path '$path'"
  n=${BASH_REMATCH[1]}
  [[ $paragraph == "@texts/$n.txt:$scene" ]] || fail "film $n scene $scene: paragraph '$paragraph'"
  scene_start["$n $scene"]=$start
  film_scenes[$n]=$(( ${film_scenes[$n]:-0} + 1 ))
done < <(block films)

# A recorded text with a film: each scene's paragraph spoken sentence by sentence from the
# scene's start time, so the recording, the film's sound and the marks agree.
film_text() {  # film_text N VOICE WPM OUT
  local n=$1 voice=$2 wpm=$3 out=$4 scenes=${film_scenes[$1]}
  local timeline=$WORK/film_$n.txt pieces=() cursor=0 lead=0.5 gap=0.35
  : >"$timeline.new"
  local scene=1
  while IFS= read -r paragraph || [ -n "$paragraph" ]; do
    [ -n "$paragraph" ] || continue
    local start=${scene_start["$n $scene"]:-} next
    [ -n "$start" ] || fail "text $n has more paragraphs than its film has scenes"
    next=${scene_start["$n $((scene + 1))"]:-}
    # Speak the sentences; a paragraph too long for its scene is spoken a little faster.
    local files=() texts=() total=0 i=0
    while IFS= read -r sentence; do
      speak "$voice" "$wpm" "$sentence" "$TMP/f${n}_${scene}_$i.wav"
      files+=("$TMP/f${n}_${scene}_$i.wav")
      texts+=("$sentence")
      total=$(awk -v t="$total" -v d="$(seconds "$TMP/f${n}_${scene}_$i.wav")" -v g=$gap \
        'BEGIN {print t + d + g}')
      i=$((i + 1))
    done < <(sentences "$paragraph")
    local tempo=1
    if [ -n "$next" ]; then
      tempo=$(awk -v t="$total" -v room="$(awk -v a="$next" -v b="$start" -v l=$lead \
        'BEGIN {print a - b - l - 0.3}')" 'BEGIN {print (t > room) ? t / room : 1}')
    fi
    if [ "$tempo" != 1 ]; then
      echo "make_sounds: text $n scene $scene is long for its scene; tempo $tempo" >&2
      for f in "${files[@]}"; do sox -q "$f" "$f.t.wav" tempo -s "$tempo" && mv "$f.t.wav" "$f"; done
    fi
    # Silence up to the scene's start, then the sentences with their subtitles.
    local pad
    pad=$(awk -v s="$start" -v c="$cursor" -v l=$lead 'BEGIN {printf "%.3f", s + l - c}')
    awk -v s="$cursor" -v e="$(awk -v a="$cursor" -v b="$pad" 'BEGIN {print a + b}')" -v k=$scene \
      'BEGIN {printf "%.3f\t%.3f\t%d\t\n", s, e, k}' >>"$timeline.new"
    silence "$pad" "$TMP/pad_${n}_$scene.wav"
    pieces+=("$TMP/pad_${n}_$scene.wav")
    cursor=$(awk -v a="$cursor" -v b="$pad" 'BEGIN {printf "%.3f", a + b}')
    for j in "${!files[@]}"; do
      local d end
      d=$(seconds "${files[$j]}")
      end=$(awk -v a="$cursor" -v d="$d" -v g=$gap 'BEGIN {printf "%.3f", a + d + g}')
      printf '%s\t%s\t%d\t%s\n' "$cursor" "$end" "$scene" "${texts[$j]}" >>"$timeline.new"
      silence $gap "${files[$j]}.gap.wav"
      pieces+=("${files[$j]}" "${files[$j]}.gap.wav")
      cursor=$end
    done
    scene=$((scene + 1))
  done <"$COURSE/texts/$n.txt"
  [ $((scene - 1)) -eq "$scenes" ] || fail "text $n has $((scene - 1)) paragraphs for $scenes scenes"
  # A moment of the last picture after the last word.
  silence 1.5 "$TMP/tail_$n.wav"
  pieces+=("$TMP/tail_$n.wav")
  awk -v s="$cursor" -v k=$((scene - 1)) 'BEGIN {printf "%.3f\t%.3f\t%d\t\n", s, s + 1.5, k}' \
    >>"$timeline.new"
  sox -q "${pieces[@]}" "$out"
  mv "$timeline.new" "$timeline"
}

# A recorded text without a film: its paragraphs with a pause between them.
plain_text() {  # plain_text FILE VOICE WPM OUT
  local pieces=() k=0
  silence 0.5 "$TMP/lead.wav"
  silence 0.8 "$TMP/between.wav"
  pieces+=("$TMP/lead.wav")
  while IFS= read -r paragraph || [ -n "$paragraph" ]; do
    [ -n "$paragraph" ] || continue
    [ $k -eq 0 ] || pieces+=("$TMP/between.wav")
    speak "$2" "$3" "$paragraph" "$TMP/p$k.wav"
    pieces+=("$TMP/p$k.wav")
    k=$((k + 1))
  done <"$1"
  [ $k -gt 0 ] || fail "$1 is empty"
  pieces+=("$TMP/lead.wav")
  sox -q "${pieces[@]}" "$4"
}

# --- Everything the course says ----------------------------------------------------------------
while IFS=$'\t' read -r path voice text; do
  [ -n "$path" ] && [ -n "$text" ] || fail "bad line in the sounds list: '$path'"
  v=$(voice_of "$voice")
  wpm=$(rate_of "$path")
  out=$(target "$path")
  if [[ $text =~ ^@texts/([0-9]+)\.txt$ ]]; then
    n=${BASH_REMATCH[1]}
    [ -f "$COURSE/texts/$n.txt" ] || fail "missing transcript texts/$n.txt"
    if [ -n "${film_scenes[$n]:-}" ]; then
      film_text "$n" "$v" "$wpm" "$out.new.wav"
    else
      plain_text "$COURSE/texts/$n.txt" "$v" "$wpm" "$out.new.wav"
    fi
    mv "$out.new.wav" "$out"
  else
    speak "$v" "$wpm" "$text" "$out"
  fi
  count=$((count + 1))
done < <(block sounds)

rm -rf "$TMP"
echo "make_sounds: $count sounds"
