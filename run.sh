#!/usr/bin/env bash
# Sets up a fresh machine, builds a release build of orva-config and orvactl
# and starts orva-config with the given arguments, e.g.
#   ./run.sh --virtual-mouse /tmp/m.bin
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh >&2

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVA_BUILD_TESTS=OFF >&2
cmake --build "$build" --target orva-config orvactl >&2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  args=""
  [ $# -gt 0 ] && args=" $*"
  cat >&2 <<EOF
run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so orva-config,
a desktop program, cannot open its window here. Built:
  $build/src/gui/orva-config
  $build/src/cli/orvactl
To run orva-config anyway, on a virtual X display:
  xvfb-run -a ./run.sh${args:- --virtual-mouse /tmp/m.bin}
The command-line companion needs no display, e.g.:
  $build/src/cli/orvactl --virtual /tmp/m.bin info
EOF
  exit 1
fi
exec "$build/src/gui/orva-config" "$@"
