#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing.
set -euo pipefail

# `--fuzz` adds clang with libFuzzer, needed only by `make fuzz`.
extras=()
for arg in "$@"; do
  if [ "$arg" = "--fuzz" ]; then
    extras+=(clang-14 libclang-rt-14-dev)
  else
    extras+=("$arg")
  fi
done

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libbenchmark-dev
  juce-modules-source-data
  libcairo2-dev libexpat1-dev libsndfile1-dev
  "${extras[@]}"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
