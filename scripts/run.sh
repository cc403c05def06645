#!/usr/bin/env bash
# Installs, builds and starts the program. On the first start the installation step
# creates the data folder (an existing one is left as it is).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
./build/tools/zorvik-install "$@"
exec ./build/app/zorvik
