#!/usr/bin/env bash
# Installs what is missing, builds, assembles the demo installations and starts coursebook in
# one of them: English by default, or the course language given (en, de or fr).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
language=${1:-en}
case $language in
  en) course_dir=$INSTALL_DIR ;;
  de | fr) course_dir=$INSTALL_DIR-$language ;;
  *)
    echo "usage: scripts/run.sh [en|de|fr]" >&2
    exit 2
    ;;
esac
install_packages
configure_and_build
exec "$course_dir/coursebook"
