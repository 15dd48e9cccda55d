#!/usr/bin/env bash
# Installs what is missing, builds everything the run command builds, and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# A private PulseAudio server gives the sound, film and recording tests real devices: a null
# sink to play into and a clocked null source to record from. Where it cannot start, those
# tests skip and say why; nothing here may hang, so every call is bounded.
SOUND_SERVER_STARTED=""
start_sound_server() {
  export XDG_RUNTIME_DIR="$BUILD_DIR/sound-runtime"
  export PULSE_STATE_PATH="$XDG_RUNTIME_DIR/state"
  export PULSE_COOKIE="$XDG_RUNTIME_DIR/cookie"
  mkdir -p "$XDG_RUNTIME_DIR" "$PULSE_STATE_PATH"
  chmod 700 "$XDG_RUNTIME_DIR"
  if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
    echo "Sound tests will skip: PulseAudio is not installed."
    return 0
  fi
  if timeout 5 pactl info >/dev/null 2>&1; then
    return 0  # still running from an earlier test run
  fi
  # A stale pid file of a server that died would stop the new one.
  rm -f "$XDG_RUNTIME_DIR/pulse/pid"
  if ! timeout 15 pulseaudio --daemonize=yes --exit-idle-time=-1 -n --log-target=stderr \
      --load="module-null-sink sink_name=null" \
      --load="module-null-source source_name=mic max_latency_msec=20" \
      --load=module-native-protocol-unix \
      </dev/null >"$XDG_RUNTIME_DIR/pulseaudio.log" 2>&1; then
    echo "Sound tests will skip: PulseAudio did not start (see $XDG_RUNTIME_DIR/pulseaudio.log)."
    return 0
  fi
  SOUND_SERVER_STARTED=yes
  for _ in $(seq 1 40); do
    timeout 2 pactl info >/dev/null 2>&1 && break
    sleep 0.25
  done
  if ! timeout 5 pactl set-default-sink null >/dev/null 2>&1 ||
     ! timeout 5 pactl set-default-source mic >/dev/null 2>&1; then
    echo "Sound tests will skip: PulseAudio does not answer."
  fi
}

stop_sound_server() {
  if [ -n "$SOUND_SERVER_STARTED" ]; then
    timeout 5 pulseaudio --kill >/dev/null 2>&1 || true
  fi
}

# Runs one step, times it and notes its failure without stopping the others, so every
# failure of a run is reported, the normal suite's first.
STEP_REPORT=()
FAILED=0
step() {  # name command...
  local name="$1" start=$SECONDS rc=0
  shift
  echo "=== $name"
  "$@" || rc=$?
  STEP_REPORT+=("$(printf '%-28s %5d s  %s' "$name" $((SECONDS - start)) \
    "$([ $rc -eq 0 ] && echo ok || echo "FAILED (exit $rc)")")")
  [ $rc -eq 0 ] || FAILED=1
}

install_packages
configure_and_build
start_sound_server
trap stop_sound_server EXIT
# A test that fails is run once more, so that one slow moment of a loaded machine does not
# fail the whole run; the summary names every test that failed, also once before passing,
# since a long run's output is often read from its end only. A fault of ours fails twice.
logged() {  # log file, command...
  local log="$1"
  shift
  "$@" 2>&1 | tee "$log"
  return "${PIPESTATUS[0]}"
}
failures_in() {  # ctest output, step name
  [ -f "$1" ] || return 0
  sed -nE 's/.*Test +#[0-9]+: ([^ ]+) .*\*\*\*(Failed|Timeout|Exception).*/\1/p' "$1" |
    sort | uniq -c | while read -r count name; do
      echo "  $2: $name failed$([ "$count" -gt 1 ] && echo " $count times")"
    done
}
TEST_LOG="$BUILD_DIR/test-suite.log"
ASAN_LOG="$BUILD_DIR/sanitizer-suite.log"
rm -f "$TEST_LOG" "$ASAN_LOG"
step "test suite" logged "$TEST_LOG" \
  bash -c 'cd "$1" && ctest --output-on-failure --timeout 120 -j2 --repeat until-pass:2' _ \
  "$BUILD_DIR"
# A few seconds of every fuzz target; scripts/fuzz.sh 600 for a real run.
step "fuzzing (3 s per target)" "$REPO_DIR/scripts/fuzz.sh" 3
step "sanitizer test suite" logged "$ASAN_LOG" "$REPO_DIR/scripts/asan.sh"

echo "=== Summary"
printf '%s\n' "${STEP_REPORT[@]}"
failures_in "$TEST_LOG" "test suite"
failures_in "$ASAN_LOG" "sanitizer test suite"
exit "$FAILED"
