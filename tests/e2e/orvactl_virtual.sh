#!/usr/bin/env bash
# orvactl on a virtual mouse file: the output, the trace, the exit statuses
# and the memory file it keeps.
set -u
orvactl=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS DESCRIPTION -- ARGS...: runs orvactl, keeps stdout/stderr.
expect() {
  local want=$1 what=$2
  shift 3
  "$orvactl" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "$what: exit $got, wanted $want ($(head -c 300 "$work/err"))"
}
has() { grep -qF -- "$2" "$work/$1" || fail "$3: '$2' missing from $1"; }

mem=$work/mouse.bin
expect 0 "info on a new virtual mouse" -- --virtual "$mem" --trace info
has out "accepted:   yes" "info"
has out "identity:   255 255" "info"
has out "chip code:  53 (model 144)" "info"
has err "> 04 01 00 00 00 00 00 00" "trace of BeginCmd"
has err "> 04 04 36 00 02 00 00 00" "trace of the identity read"
has err "< 04 FF FF 00 00 00 00 CC" "trace of the identity answer"
has err "> 04 02 00 00 00 00 00 00" "trace of EndCmd"
[ "$(stat -c %s "$mem" 2>/dev/null)" = 2048 ] || fail "memory file not kept as 2048 bytes"

expect 0 "devices" -- --virtual "$mem" devices
has out "virtual:$mem  1bcf:08a0  release 0104  feature 8" "devices"

# A mouse with another identity: the bytes at 54 and 55 of its memory.
printf '\x01\x02' | dd of="$mem" bs=1 seek=54 conv=notrunc status=none
expect 1 "identity mismatch" -- --virtual "$mem" info
has out "identity:   1 2" "mismatch"
has out "accepted:   no" "mismatch"
has err "manufacturer or product id" "mismatch message"

expect 1 "mouse not ready" -- --virtual "$mem" --virtual-faults status=3 info
has err "not ready" "not ready message"
expect 1 "no parameter access" -- --virtual "$mem" --virtual-faults noaccess info
expect 1 "mouse never answers" -- --virtual "$mem" --virtual-faults noack info
has err "did not answer" "no answer message"

expect 2 "unknown fault" -- --virtual "$mem" --virtual-faults wobble info
has err "unknown fault 'wobble'" "unknown fault message"
expect 2 "faults without a virtual mouse" -- --virtual-faults noack info
expect 2 "unknown command" -- --virtual "$mem" frobnicate
expect 2 "no command" --
head -c 100 /dev/zero >"$work/short.bin"
expect 2 "memory file of the wrong size" -- --virtual "$work/short.bin" info
has err "2048" "wrong size message"
[ "$(stat -c %s "$work/short.bin")" = 100 ] || fail "a refused memory file was changed"
expect 0 "help" -- --help
has out "usage: orvactl" "help"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "orvactl end-to-end: all checks passed"
