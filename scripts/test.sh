#!/usr/bin/env bash
# Sets everything up, builds everything with warnings as errors (the configuration the
# example uses, so its programs are not built again), and runs every test; then builds
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests there.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh build
(cd build && ctest --output-on-failure -j"$(nproc)")

# The same tests once more under a locale whose decimal separator is a comma.
(cd build && LC_ALL=de_DE.UTF-8 ctest --output-on-failure -j"$(nproc)" -L core)

if [ "${VELLUM_SKIP_SANITIZERS:-0}" != 1 ]; then
  scripts/setup.sh build-asan -DVELLUM_WERROR=ON -DVELLUM_SANITIZE=ON -DVELLUM_BUILD_APP=OFF -DVELLUM_BUILD_BENCH=OFF
  # Mesa's drivers keep allocations until exit; only our own leaks matter in the core tests.
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$(nproc)" -L core)
  (cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j"$(nproc)" -L gl)
fi
