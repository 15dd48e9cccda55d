#!/bin/sh
# The dictionary reads its files from its own folder.
exec /usr/lib/tessaron/english/wordbook "$@"
