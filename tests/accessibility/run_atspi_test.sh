#!/bin/bash
# Starts a private D-Bus session bus (the AT-SPI bus and registry are started on it by D-Bus
# activation) and drives the course program through it. Skips with 77 where something it
# needs is missing here.
set -u
installation=${1:?usage: run_atspi_test.sh INSTALLATION_FOLDER}
here=$(cd "$(dirname "$0")" && pwd)
# Debian's own Python: pyatspi is a Debian package, not one of another interpreter on PATH.
python=/usr/bin/python3

skip() {
  echo "SKIP: $*"
  exit 77
}
command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing (package dbus)"
command -v Xvfb >/dev/null || skip "Xvfb is missing (package xvfb)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus launcher is missing (package at-spi2-core)"
[ -x "$python" ] || skip "$python is missing"
"$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi is missing (package python3-pyatspi)"
if [ ! -x "$installation/coursebook" ]; then
  echo "FAILED: no course program in $installation (the build assembles it there)"
  exit 1
fi

# The whole run is bounded; the driver bounds each of its own waits too.
exec timeout -k 5 100 dbus-run-session -- "$python" "$here/drive_coursebook.py" "$installation"
