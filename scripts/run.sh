#!/usr/bin/env bash
# Installs what is missing, builds, assembles the demo installation and starts coursebook in it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
configure_and_build
exec "$INSTALL_DIR/coursebook"
