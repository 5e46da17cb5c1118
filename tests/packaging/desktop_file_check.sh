#!/usr/bin/env bash
# Validates the desktop entry with desktop-file-validate; exit 77 (skipped) where
# desktop-file-utils is not installed.
set -euo pipefail
desktop=$1
if ! command -v desktop-file-validate > /dev/null; then
  echo "desktop-file-validate not installed: skipped"
  exit 77
fi
# Hints are advice, errors and warnings fail the check.
out=$(desktop-file-validate "$desktop" 2>&1 || true)
echo "$out"
if echo "$out" | grep -E "error:|warning:" > /dev/null; then
  exit 1
fi
