#!/usr/bin/env bash
# Renders the built-in demo signal through the plug-in into demo/.
set -euo pipefail
build=${1:-build}
mkdir -p demo
if [ -x "$build/bin/tovane-render" ]; then
  "$build/bin/tovane-render" --demo demo/demo.wav --plot demo/demo.png
  echo "Wrote demo/demo.wav and demo/demo.png"
else
  "$build/bin/tovane-demo"
fi
