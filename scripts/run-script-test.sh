#!/usr/bin/env bash
# Runs one end-to-end script in a fresh program directory of its own:
#   run-script-test.sh QUILLO SCRIPT.qs BUILD_PROGRAM_DIR
# The files the build stages beside the executable (settings, templates, help) are copied in,
# the executables are not, so every run starts from the shipped state and leaves nothing behind.
set -uo pipefail
if [ $# -ne 3 ]; then
    echo "usage: $0 QUILLO SCRIPT.qs BUILD_PROGRAM_DIR" >&2
    exit 2
fi
quillo=$1
script=$2
build_dir=$3

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quillo-script.XXXXXX") || exit 2
trap 'rm -rf "$tmp"' EXIT

shopt -s dotglob nullglob
for f in "$build_dir"/*; do
    if [ -f "$f" ] && [ -x "$f" ]; then continue; fi
    cp -R "$f" "$tmp"/ || exit 2
done

"$quillo" --script "$script" --program-dir "$tmp"
