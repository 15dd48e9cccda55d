#!/usr/bin/env bash
# Makes the demo course's films: for every timeline the sound maker left (WORK_DIR/film_<n>.txt)
# the painter draws one frame a segment, and ffmpeg joins them with the text's recording into
# an MPEG-1 program stream, "Teksty_mpg_r/<n>.mpg", which GStreamer plays.
#
# usage: make_films.sh PAINTER INSTALL_DIR WORK_DIR [--course en|de|fr]
# (the course, English unless given, chooses the words the painter puts into the scenes)
set -euo pipefail

usage() {
  echo "usage: make_films.sh PAINTER INSTALL_DIR WORK_DIR [--course en|de|fr]" >&2
  exit 2
}
course=()
if [ $# -eq 5 ] && [ "$4" = --course ]; then
  course=(--course "$5")
elif [ $# -ne 3 ]; then
  usage
fi
PAINTER=$1
INSTALL=$2
WORK=$3
command -v ffmpeg >/dev/null || { echo "make_films: ffmpeg is not installed" >&2; exit 1; }

made=0
mkdir -p "$INSTALL/Teksty_mpg_r"
for timeline in "$WORK"/film_*.txt; do
  [ -e "$timeline" ] || continue
  n=$(basename "$timeline" .txt)
  n=${n#film_}
  sound=$INSTALL/Hdd/Teksty_wav/$n.wav
  [ -f "$sound" ] || { echo "make_films: no recording $sound for film $n" >&2; exit 1; }
  frames=$WORK/frames_$n
  rm -rf "$frames"
  QT_QPA_PLATFORM=offscreen "$PAINTER" "${course[@]}" --film-frames "$timeline" "$frames"
  ffmpeg -v error -y -f concat -safe 0 -i "$frames/frames.ffconcat" -i "$sound" \
    -vf "fps=25,format=yuv420p" -c:v mpeg1video -q:v 4 -g 50 \
    -c:a mp2 -ar 44100 -b:a 128k -shortest -f mpeg "$INSTALL/Teksty_mpg_r/$n.mpg.new"
  mv "$INSTALL/Teksty_mpg_r/$n.mpg.new" "$INSTALL/Teksty_mpg_r/$n.mpg"
  made=$((made + 1))
done
echo "make_films: $made films"
