#!/usr/bin/env bash
# Sets up a fresh machine, builds a release build and runs orvactl with the
# given arguments, e.g.  ./run.sh --virtual /tmp/m.bin --trace info
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh >&2

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVA_BUILD_TESTS=OFF >&2
cmake --build "$build" --target orvactl >&2
exec "$build/src/cli/orvactl" "$@"
