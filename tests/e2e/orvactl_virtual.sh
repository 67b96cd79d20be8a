#!/usr/bin/env bash
# orvactl on a virtual mouse file: the output, the trace, the exit statuses
# and the memory file it keeps.
set -u
orvactl=$1
resources=$2
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

# byte FILE ADDRESS: the decimal value of one byte of a file.
byte() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }
# patch FILE ADDRESS VALUE...: overwrite bytes of a file in place.
patch() {
  local file=$1 at=$2
  shift 2
  for v in "$@"; do
    printf "\\$(printf %o "$v")" | dd of="$file" bs=1 seek="$at" conv=notrunc status=none
    at=$((at + 1))
  done
}

# Reads: the whole memory byte for byte; parameters only leaves 255.. at 0xFF.
mem=$work/read-mouse.bin
cp "$resources/ORVA31XData_Cfg1.bin" "$mem"
patch "$mem" 300 1 2 3
expect 0 "read --full" -- --virtual "$mem" read --full "$work/full.bin"
cmp -s "$mem" "$work/full.bin" || fail "read --full differs from the virtual memory"
expect 0 "read" -- --virtual "$mem" read "$work/params.bin"
cmp -s -n 255 "$mem" "$work/params.bin" || fail "read differs in bytes 0..254"
[ "$(byte "$work/params.bin" 300)" = 255 ] || fail "a parameters-only read must leave byte 300 at 0xFF"
[ "$(stat -c %s "$work/params.bin")" = 2048 ] || fail "read OUT must be a 2048-byte image"
expect 1 "read into a missing folder" -- --virtual "$mem" read "$work/no/such/out.bin"
expect 2 "read without OUT" -- --virtual "$mem" read

# Show: default image 1 decoded, and a corrupt image repaired.
expect 0 "show --json of default image 1" -- show --json "$resources/ORVA31XData_Cfg1.bin"
has out '"repaired": []' "show"
has out '"identity": [255, 255]' "show"
has out '"key_mode": 1' "show"
has out '"dpi": {"count": 6, "current": 2' "show"
has out '{"index": 1, "dpi": 800, "color": [0, 255, 0]}' "show"
has out '"led": {"type": "MCULED", "off": false, "mode": 4, "step": 2, "count": 10, "full_brightness": true' "show"
has out '"fire_key": {"continuous": false, "count_index": 2, "interval": 6}' "show"
has out '{"code": "010100", "name": "Left Click"}' "show"
cp "$resources/ORVA31XData_Cfg1.bin" "$work/bad.bin"
patch "$work/bad.bin" 47 0
expect 0 "show of a corrupt image" -- show --json "$work/bad.bin"
has out '"repaired": ["ParameterA"]' "show of a corrupt image"
has out '"dpi": {"count": 4' "show of a corrupt image"
expect 0 "show of the virtual mouse" -- --virtual "$mem" show
has out "DPI levels:         6 in use, level 2 active" "show as text"
expect 2 "show of a missing file" -- show "$work/none.bin"

# Apply writes bytes 0..254 only; write puts the whole image and verifies it.
cp "$resources/ORVA31XData_Cfg1.bin" "$work/apply.bin"
patch "$work/apply.bin" 48 3 252
patch "$work/apply.bin" 400 9
expect 0 "apply" -- --virtual "$mem" apply "$work/apply.bin"
[ "$(byte "$mem" 48)" = 3 ] || fail "apply did not write the current DPI level"
[ "$(byte "$mem" 400)" != 9 ] || fail "apply must not write past byte 254"
expect 1 "apply to a mouse that is not ready" -- --virtual "$mem" --virtual-faults status=3 apply "$work/apply.bin"
expect 0 "write" -- --virtual "$mem" write "$resources/ORVA31XData_Cfg3.bin"
cmp -s "$mem" "$resources/ORVA31XData_Cfg3.bin" || fail "write did not put the whole image"
cp "$resources/ORVA31XData_Cfg3.bin" "$work/stuck.bin"
patch "$work/stuck.bin" 1500 7
expect 1 "write to a stuck byte" -- --virtual "$mem" --virtual-faults stuck=1500 write "$work/stuck.bin"
has err "Fail" "stuck byte"
has err "address 1500" "stuck byte"

# Button names and macro slots: slot 1 holds "Burst" (left click, 24 ms,
# release, five passes, stops on release) and button 2 of profile 1 plays it.
cp "$resources/ORVA31XData_Cfg1.bin" "$work/macro.bin"
patch "$work/macro.bin" 256 0 66 0 117 0 114 0 115 0 116
patch "$work/macro.bin" 288 1 8 253 4 161 254 3 33 252 146
patch "$work/macro.bin" 67 14 1 33
patch "$work/macro.bin" 118 221
expect 0 "show of macro slots" -- show --json "$work/macro.bin"
has out '{"code": "0E0121", "name": "Burst"}' "button named after its macro"
has out '{"code": "0600F0", "name": "Fire Key"}' "fire key name"
has out '{"slot": 1, "name": "Burst", "stop_mode": 1, "repeat": 5, "lines": ["1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021"]}' "macro slot"

# The macro library.
lib=$work/Macro.bin
expect 0 "macros list of a new library" -- macros --library "$lib" list
[ "$(stat -c %s "$lib")" = 25600 ] || fail "a new library must be 100 empty records"
expect 0 "macros new" -- macros --library "$lib" new "One"
expect 1 "macros new with a taken name" -- macros --library "$lib" new "One"
has err "This macro already exists" "duplicate name"
expect 0 "macros rename" -- macros --library "$lib" rename 1 "Один"
expect 0 "macros export" -- macros --library "$lib" export 1 "$work/one.bin"
[ "$(stat -c %s "$work/one.bin")" = 256 ] || fail "an exported macro is one 256-byte record"
expect 0 "macros delete" -- macros --library "$lib" delete 1
expect 0 "macros import" -- macros --library "$lib" import "$work/one.bin"
expect 0 "macros list" -- macros --library "$lib" list
has out "1  Один" "list after import"
expect 0 "macros show" -- macros --library "$lib" show 1
has out "events:    none" "show of an empty macro"
expect 2 "macros show of a missing number" -- macros --library "$lib" show 7
expect 2 "macros without a subcommand" -- macros --library "$lib"
expect 0 "macros export-all" -- macros --library "$lib" export-all "$work/all.bin"
[ "$(stat -c %s "$work/all.bin")" = 25600 ] || fail "export-all writes the library's layout"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "orvactl end-to-end: all checks passed"
