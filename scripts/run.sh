#!/usr/bin/env bash
# Installs what is missing, builds and starts ZOVREK. Arguments go to zovrek-tape keys;
# without any, it works an example: 12.5 x 4 =, C, square root of 7.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target zovrek-tape
if (($#)); then
  exec build/dev/cli/zovrek-tape keys "$@"
fi
exec build/dev/cli/zovrek-tape keys "12.5*4=" C 7 SQRT
