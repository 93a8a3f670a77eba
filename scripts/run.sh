#!/usr/bin/env bash
# Installs what is missing, builds and starts the ZOVREK window. Arguments go to the
# program: a tape to open, such as `scripts/run.sh receipts.cal`.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target zovrek
exec build/dev/app/zovrek "$@"
