#!/usr/bin/env bash
# Installs every Debian package the build and the tests need (skipping apt-get when all
# are present), makes the locales the tests use, then configures and builds.
# Usage: scripts/setup.sh [--programs] [BUILD_DIR] [extra cmake arguments...]
#   --programs  builds only the two programs, not the tests and benchmarks
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libgl-dev libglu1-mesa-dev libegl-dev libegl-mesa0 libgl1-mesa-dri
  libpng-dev libjpeg62-turbo-dev libwebp-dev libgif-dev libfreetype-dev libfontconfig-dev
  fonts-ipafont-gothic libsimpleini-dev
  qt6-base-dev libqt6opengl6-dev libxkbcommon-dev
  xvfb xauth xdotool imagemagick x11-utils xclip
  locales qt6-translations-l10n qt6-l10n-tools slurm-wlm munge python3-pil
  libcairo2-dev poppler-utils librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale whose decimal separator is a comma: files must not change under it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# One configuration for the example and the tests, so that the tests build on what the
# example built instead of starting again with other flags.
targets=()
if [ "${1:-}" = --programs ]; then
  targets=(--target vellumplot-batch vellumplot)
  shift
fi
build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUM_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
