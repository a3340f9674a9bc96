#!/bin/sh
# Lists the C++ sources that the checked-in .clang-format would change; fails when any
# would. Run from the source root (make format-check).
set -e
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null 2>&1 || ./cmake/install-deps.sh clang-format
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
