#!/usr/bin/env bash
# Checks that every C++ source file is formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "check-format: every source file is formatted"
