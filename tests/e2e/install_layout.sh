#!/usr/bin/env bash
# `cmake --install` into a private prefix: every file lands where the desktop
# and udev look for it, nothing else is installed, and the installed pieces
# work (the desktop entry validates and names the installed program and icon).
set -u
cmake=$1
build=$2
source=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! out=$("$cmake" --install "$build" --prefix "$prefix" 2>&1); then
  echo "$out"
  echo "FAIL: cmake --install"
  exit 1
fi

expected="bin/orva-config
bin/orvactl
lib/udev/rules.d/70-orva-mouse.rules
share/applications/orva-config.desktop
share/icons/hicolor/256x256/apps/orva-config.png"
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ: $(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | tr '\n' ' ')"

for program in orva-config orvactl; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
"$prefix/bin/orvactl" --help >/dev/null 2>&1 || fail "the installed orvactl does not run"

cmp -s "$source/packaging/70-orva-mouse.rules" "$prefix/lib/udev/rules.d/70-orva-mouse.rules" ||
  fail "the installed udev rule differs from packaging/70-orva-mouse.rules"

desktop=$prefix/share/applications/orva-config.desktop
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
else
  fail "desktop-file-validate is missing (scripts/install-deps.sh installs desktop-file-utils)"
fi
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "ORVA310B Gaming Mouse" ] || fail "desktop entry Name is '$(entry Name)'"
exec_program=$(entry Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_program" ] || fail "desktop entry Exec '$exec_program' is not an installed program"
icon=$prefix/share/icons/hicolor/256x256/apps/$(entry Icon).png
[ -f "$icon" ] || fail "desktop entry Icon '$(entry Icon)' is not the installed icon"
grep -qx 'Categories=Settings;HardwareSettings;' "$desktop" || fail "desktop entry categories"

size=$(identify -format '%wx%h' "$icon" 2>/dev/null)
[ "$size" = 256x256 ] || fail "the icon is '$size', not 256x256"

if [ "$failures" -eq 0 ]; then
  echo "install layout: all checks passed"
  exit 0
fi
echo "install layout: $failures failure(s)"
exit 1
