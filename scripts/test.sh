#!/usr/bin/env bash
# Installs what is missing, builds everything the run command builds, and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
configure_and_build
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 120 -j2
