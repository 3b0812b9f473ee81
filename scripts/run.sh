#!/usr/bin/env bash
# Sets up, builds and starts the editor on the example document.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build=${QUILLO_BUILD_DIR:-$root/build}
doc=${1:-$root/examples/welcome.txt}
exec "$build/bin/quillo" "$doc"
