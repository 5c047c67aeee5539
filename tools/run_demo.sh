#!/usr/bin/env bash
# Renders the built-in demo signal through the plug-in into demo/: the
# rendered audio and a picture of input and output. The settings sweep the
# mix from dry to wet so the effect can be heard growing in, while both
# LFOs sweep the window lengths.
set -euo pipefail
build=${1:-build}
tool="$build/bin/tovane-render"
if [ ! -x "$tool" ]; then
  echo "run_demo.sh: $tool is missing; build first (make build)" >&2
  exit 1
fi
mkdir -p demo
# The demo's settings, shared by the render and the editor picture.
settings=(
  --set "Buffer size=24" --set "Right Buffer Size=40"
  --set "Left Buffer Mod=ON" --set "Right Buffer Mod=ON"
  --set "Left LFO Dest=size" --set "Right LFO Dest=size"
  --set "LFO rate=0.5" --set "LFO rate right=0.7" --set "LFO Waveform Right=tri"
)
"$tool" --demo demo/demo.wav --plot demo/demo.png "${settings[@]}" \
  --automate "Mix=0@0s,100@6s"
echo "Demo render: $(pwd)/demo/demo.wav"
echo "Demo plot:   $(pwd)/demo/demo.png"
# The editor as the plug-in shows it with the demo's settings, drawn from the
# bundle's Kestrix.uidesc.
if [ -x "$build/bin/tovane-snapshot" ]; then
  "$build/bin/tovane-snapshot" --out demo/editor.png "${settings[@]}" --set "Mix=60"
  echo "Demo editor: $(pwd)/demo/editor.png"
fi
