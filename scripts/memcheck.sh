#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the core tests under valgrind's memcheck: any memory error or definite
# leak fails. The random sequences are cut down to 2,000, valgrind being ~50
# times slower.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
cmake --build --preset "$preset" --target tessalo_core_tests
TESSALO_RANDOM_SEQUENCES=${TESSALO_RANDOM_SEQUENCES:-2000} \
  valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
  --errors-for-leak-kinds=definite --show-leak-kinds=definite --quiet \
  "build/$preset/tests/tessalo_core_tests" --gtest_brief=1
