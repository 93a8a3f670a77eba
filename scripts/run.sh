#!/usr/bin/env bash
# Installs what is missing, builds and starts the ZOVREK window. Arguments go to the
# program: a tape to open, such as `scripts/run.sh receipts.cal`. The program runs in the
# caller's folder, so a relative file name means what the caller meant.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

(
  cd "$root"
  scripts/deps.sh
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target zovrek
)
exec "$root/build/dev/app/zovrek" "$@"
