#!/usr/bin/env bash
# Fails when a file of the core folders includes a Qt header.
set -u
src=${1:?source folder}
core="base document expression numerics render richtext reports exchange units settings acquisition explorer"
found=0
for d in $core; do
  [ -d "$src/$d" ] || continue
  if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt[a-z])' "$src/$d"; then found=1; fi
done
if [ $found -ne 0 ]; then
  echo "a core folder includes a Qt header" >&2
  exit 1
fi
echo "core folders are free of Qt"
