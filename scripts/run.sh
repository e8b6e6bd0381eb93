#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from its folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/bin
if [ -x ./Varnel ]; then
  exec ./Varnel "$@"
fi
echo "The program is not built yet; the libraries and tests are in build/." >&2
exit 1
