#!/usr/bin/env bash
# Builds the libFuzzer targets in a build folder of their own (clang, ASan, UBSan), seeds each
# target's corpus from the demo installation and runs every target for the given seconds.
# Exits non-zero when a target crashes; the input that did it is kept under crashes/.
#
#   scripts/fuzz.sh [seconds-per-target]     (default 5; FUZZ_JOBS targets at once, default 2)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SECONDS_PER_TARGET="${1:-5}"
JOBS="${FUZZ_JOBS:-2}"
FUZZ_DIR="$BUILD_DIR/fuzz"
BIN_DIR="$FUZZ_DIR/fuzz"
SEEDS_DIR="$FUZZ_DIR/seeds"        # made afresh from the demo installation on every run
CORPUS_DIR="$FUZZ_DIR/corpus"      # what the fuzzers found worth keeping, kept between runs
CRASH_DIR="$FUZZ_DIR/crashes"
LOG_DIR="$FUZZ_DIR/logs"
DEMO_DIR="$INSTALL_DIR"

SANITIZERS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"

configure_and_build_fuzzers() {
  if [ ! -f "$FUZZ_DIR/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$REPO_DIR" -B "$FUZZ_DIR" -G Ninja \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESS_FUZZ=ON "-DCMAKE_CXX_FLAGS=$SANITIZERS" >/dev/null
  fi
  nice -n 10 cmake --build "$FUZZ_DIR" -j2 --target fuzzers
}

# Seed helpers: each writes into the target's seed folder.
seed_files() {  # target file...
  local target="$1"
  shift
  mkdir -p "$SEEDS_DIR/$target"
  local file
  for file in "$@"; do
    [ -f "$file" ] || continue
    # Big files are cut at line ends into pieces of at most 4 KiB, so runs stay fast.
    if [ "$(stat -c %s "$file")" -gt 4096 ] && [ "$(head -c 65536 "$file" | tr -dc '\n' | wc -c)" -gt 1 ]; then
      split -C 4096 -d -a 3 "$file" "$SEEDS_DIR/$target/$(basename "$file")."
    else
      cp "$file" "$SEEDS_DIR/$target/"
    fi
  done
}

seed_text() {  # target name printf-format
  mkdir -p "$SEEDS_DIR/$1"
  printf "$3" >"$SEEDS_DIR/$1/$2"
}

# Lines of a kind ("MC", "TF", "HH") of the exercise list, the content after "XX#" one a file.
seed_kind_lines() {  # target kind prefix
  local n=0 line
  mkdir -p "$SEEDS_DIR/$1"
  [ -f "$DEMO_DIR/St_a.txt" ] || return 0
  while IFS= read -r line; do
    line="${line%$'\r'}"
    printf '%s%s' "$3" "${line#"$2"#}" >"$SEEDS_DIR/$1/$2.$n"
    n=$((n + 1))
  done < <(grep -a "^$2#" "$DEMO_DIR/St_a.txt")
}

make_seeds() {
  rm -rf "$SEEDS_DIR"
  local target
  for target in "${TARGETS[@]}"; do mkdir -p "$SEEDS_DIR/$target" "$CORPUS_DIR/$target"; done
  # Folders the seeds below are written into directly, whether or not their target was built.
  for target in InterfaceTextsFuzzer MarkupFuzzer ResultsFileFuzzer HelpHistoryFuzzer \
      DictionaryConfigFuzzer EntryTableFuzzer ListLayoutFuzzer JpegFuzzer; do
    mkdir -p "$SEEDS_DIR/$target"
  done
  if [ ! -d "$DEMO_DIR" ]; then
    echo "No demo installation in $DEMO_DIR: the fuzzers start from their own few seeds."
  fi
  local d="$DEMO_DIR"
  seed_files GroupListFuzzer "$d/gra.txt"
  seed_files TextCatalogueFuzzer "$d/rozumienie_a.txt"
  seed_files SentenceListFuzzer "$d/zda_rozum.txt"
  seed_files ComprehensionCatalogueFuzzer "$d/kurs_cwicz.kdx"
  seed_files ComprehensionItemsFuzzer "$d/rozum_pig.txt"
  seed_files ConversationTableFuzzer "$d/dialogi.txt"
  seed_files EquivalencesFuzzer "$d/ss_r.t"
  local n
  for n in 0 1 2 3; do
    if [ -f "$d/Lang_r/$n/infa_r.txt" ]; then
      split -C 4096 -d -a 3 "$d/Lang_r/$n/infa_r.txt" "$SEEDS_DIR/InterfaceTextsFuzzer/infa_r.$n."
    fi
  done
  seed_files InstallationFuzzer "$d/tess_r.txt"
  seed_text ModeFileFuzzer dd.t 'serwer.szkola.pl\r\n1\r\n'
  seed_text UserSettingsFuzzer ustaw.txt '1\r\nT\r\nT\r\nN\r\nN\r\nT\r\nT\r\nT\r\nT\r\n'
  seed_text SoundDeviceChoiceFuzzer dzwiek.txt 'wyjscie=Wbudowany d\xc5\xba\x77i\xc4\x99k\r\nwejscie=\r\n'
  seed_text SpeechTempoFuzzer tempo.txt '85\r\n'
  seed_text AttemptLogFuzzer historia.txt '2026-12-10T10:15:00\t10\ttek_7\t7\tZycie\t83\t1\r\n2026-12-11T09:00:00\t50\tzda_1\t1\tZdania\t88\t0\r\n'
  seed_files ExerciseListFuzzer "$d/St_a.txt"
  seed_kind_lines ChoiceContentFuzzer MC ""
  seed_kind_lines StatementContentFuzzer TF ""
  seed_kind_lines InformationTextFuzzer HH "HH_"
  seed_kind_lines MatchingPairsFuzzer HH ""
  seed_kind_lines OrderingFuzzer DV ""
  seed_kind_lines ColumnsFuzzer DD ""
  seed_kind_lines DefinitionsFuzzer DF ""
  seed_files GapTextFuzzer "$d"/Wpisywania/*.fcs
  if [ -f "$d/St_a.txt" ]; then
    { grep -a '<' "$d/St_a.txt" || true; } | head -n 40 |
      split -l 1 -d -a 3 - "$SEEDS_DIR/MarkupFuzzer/line."
  fi
  seed_text MarkupFuzzer tags.txt '<B>Uwaga:</B> <i>posłuchaj</i> <BR> nagrania  i odpowiedz'
  seed_text UserFileFuzzer usr.t '1=Anna\r\n2=Piotr Nowak\r\n7=Zo\xbfia\r\n'
  seed_text ClassroomRequestFuzzer log.txt 'LOG:a#b#c#\r\n'
  seed_text ClassroomRequestFuzzer gil.txt 'GIL:a#b#c#\r\n'
  seed_text ClassroomRequestFuzzer chp.txt 'CHP:a#b#nowe#\r\n'
  seed_text ClassroomRequestFuzzer rcw.txt 'RCW:a#b#c#tek_1#Tytu\xb3 = T = T = #40#2#1#2026-01-02#80#3#1#grupa#\r\n'
  seed_text ClassroomRequestFuzzer pcw.txt 'PCW:a#b#c#\r\nrecords follow'
  # Two results records as the course writes them: name, title, kind, item, level, date,
  # score, attempts, finished, group.
  python3 - "$SEEDS_DIR/ResultsFileFuzzer/tsa2_2003" <<'PY'
import struct, sys
def record(name, title, kind, item, date, score, attempts, group):
    b = bytearray(204)
    b[0] = len(name); b[1:1 + len(name)] = name
    b[26] = len(title); b[27:27 + len(title)] = title
    b[167], b[168], b[169] = kind, item, 2
    b[172:180] = struct.pack('<d', date)
    b[180] = score
    b[184:188] = struct.pack('<i', attempts)
    b[188] = 1
    b[189] = len(group); b[190:190 + len(group)] = group
    return bytes(b)
open(sys.argv[1], 'wb').write(
    record(b'tek_1', b'Dom = Home = Haus = ', 40, 1, 45231.5, 80, 2, b'dom') +
    record(b'dia_3', b'Rozmowa = Talk = Gespraech = ', 71, 0, 0.0, 0, 0, b'sklep'))
PY
  if [ -d "$d/Htm_r" ]; then
    local page
    for page in "$d"/Htm_r/*.html; do
      { grep -oh 'href="[^"]*"' "$page" | sed 's/^href="//; s/"$//'; echo "<"; } \
        >"$SEEDS_DIR/HelpHistoryFuzzer/$(basename "$page").links"
    done
  fi
  if [ -f "$d/ts50.ini" ]; then
    { cat "$d/ts50.ini"; printf '\0'; cat "$d/tess_50_slow.txt"; printf '\0'
      cat "$d"/db/*/tess_r.txt 2>/dev/null | head -c 4096 || true; } >"$SEEDS_DIR/DictionaryConfigFuzzer/install"
  fi
  if [ -f "$d/sba_s.txt" ]; then
    # Pieces of the word list and the sentence list side by side, and a search text.
    local work="$FUZZ_DIR/tmp/lists"
    rm -rf "$work" && mkdir -p "$work"
    head -c 81920 "$d/sba_s.txt" | split -C 4096 -d -a 3 - "$work/words."
    head -c 81920 "$d/zda.txt" | split -C 4096 -d -a 3 - "$work/sentences."
    local words i=0 sentences=("$work"/sentences.*)
    for words in "$work"/words.*; do
      { cat "$words"; printf '\0'; cat "${sentences[$((i % ${#sentences[@]}))]}"
        printf '\0dom'; } >"$SEEDS_DIR/EntryTableFuzzer/lists.$i"
      i=$((i + 1))
    done
    # Translations with word-class tags, after the byte that picks language and width.
    i=0
    while IFS= read -r line; do
      line="${line#*=}"
      printf '\x01%s' "${line%%=*}" >"$SEEDS_DIR/ListLayoutFuzzer/entry.$i"
      i=$((i + 1))
    done < <(grep -a '\[[0-9]\]' "$d/sba_s.txt" | head -n 40)
  fi
  seed_files SearchOptionsFuzzer "$d/ustaw_s.txt"
  seed_text LearningListFuzzer full.txt 'Tessaron 5.0\r\nS\xb3\xf3wka ze s\xb3ownika...\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n12\r\n'
  seed_text LearningListFuzzer cut.txt 'Tessaron 5.0\r\n\r\n12\r\n40'
  # Binary files whole, the small ones only.
  local file
  mkdir -p "$SEEDS_DIR/AviStripFuzzer"
  while IFS= read -r file; do
    cp "$file" "$SEEDS_DIR/AviStripFuzzer/$(echo "$file" | tr / _)"
  done < <(find "$d" -iname '*.avi' -size -64k 2>/dev/null)
  while IFS= read -r file; do
    cp "$file" "$SEEDS_DIR/JpegFuzzer/$(echo "$file" | tr / _)"
  done < <(find "$d" -iname '*.jpg' -size -64k 2>/dev/null)
  # Only the header of a BMP is read, so the seeds are the first bytes of a few pictures.
  mkdir -p "$SEEDS_DIR/BmpHeaderFuzzer"
  while IFS= read -r file; do
    head -c 256 "$file" > "$SEEDS_DIR/BmpHeaderFuzzer/$(echo "$file" | tr / _)"
  done < <(find "$d" -iname '*.bmp' 2>/dev/null | head -n 20)
}

# The files the targets write go to memory where it can be had: the savers flush every file
# to disk, which would otherwise take most of each run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  RUN_TMP="/dev/shm/tess-fuzz-$$"
else
  RUN_TMP="$FUZZ_DIR/tmp/runs"
fi
trap 'rm -rf "$RUN_TMP"' EXIT

run_target() {  # target
  local target="$1"
  local tmp="$RUN_TMP/$target"
  rm -rf "$tmp" && mkdir -p "$tmp" "$CRASH_DIR/$target"
  # A slow unit or a runaway allocation counts as a finding like a crash.
  local rc=0
  TMPDIR="$tmp" ASAN_OPTIONS="detect_leaks=1:abort_on_error=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "$BIN_DIR/$target" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$CRASH_DIR/$target/" \
    "$CORPUS_DIR/$target" "$SEEDS_DIR/$target" >"$LOG_DIR/$target.log" 2>&1 || rc=$?
  echo "$rc" >"$LOG_DIR/$target.rc"
  rm -rf "$tmp"
}

report_target() {  # target; returns non-zero for a crash
  local target="$1"
  local rc runs
  rc="$(cat "$LOG_DIR/$target.rc" 2>/dev/null || echo 1)"
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$LOG_DIR/$target.log" | tail -n 1)"
  if [ "$rc" -eq 0 ]; then
    printf '%-30s %10s runs  ok\n' "$target" "${runs:-?}"
    return 0
  fi
  printf '%-30s %10s runs  CRASH (exit %s)\n' "$target" "${runs:-?}" "$rc"
  # What went wrong and the top of its stack.
  grep -E '==ERROR|runtime error|check failed|deadly signal|^ +#[0-4] ' "$LOG_DIR/$target.log" |
    head -n 6 | cut -c 1-200 | sed 's/^/    /'
  local artifact
  artifact="$(sed -n 's/.*Test unit written to //p' "$LOG_DIR/$target.log" | tail -n 1)"
  echo "    input: ${artifact:-see $LOG_DIR/$target.log}"
  return 1
}

configure_and_build_fuzzers
mapfile -t TARGETS < <(cd "$BIN_DIR" && find . -maxdepth 1 -type f -name '*Fuzzer' -printf '%f\n' | sort)
if [ ${#TARGETS[@]} -eq 0 ]; then
  echo "No fuzz targets were built in $BIN_DIR." >&2
  exit 1
fi
make_seeds
rm -rf "$LOG_DIR" && mkdir -p "$LOG_DIR"

echo "Fuzzing ${#TARGETS[@]} targets for ${SECONDS_PER_TARGET} s each, $JOBS at a time."
for target in "${TARGETS[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$JOBS" ]; do wait -n || true; done
  run_target "$target" &
done
wait

failed=0
for target in "${TARGETS[@]}"; do report_target "$target" || failed=1; done
if [ "$failed" -ne 0 ]; then
  echo "Fuzzing found crashes; the inputs are under $CRASH_DIR, the logs under $LOG_DIR." >&2
fi
exit "$failed"
