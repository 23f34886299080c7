#!/usr/bin/env bash
# Runs amorix under valgrind memcheck: a definite leak ends it with status 42.
here=$(dirname "$0")
exec valgrind --quiet --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --error-exitcode=42 --child-silent-after-fork=yes --suppressions="$here/system_libraries.supp" --num-callers=30 "$AMORIX_BINARY" "$@"
