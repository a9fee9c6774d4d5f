#!/usr/bin/env bash
# Formats every C++ file of the tree with the project's .clang-format.
# With --check, changes nothing and fails on the first file that differs.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
