#!/usr/bin/env bash
# Builds Kervale and starts it in a real window, from the game folder game/
# (the world's files are copied there; saved games land there too).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" --target kervale -j"$(nproc)"

game="$top/game"
mkdir -p "$game"
# Refresh the world's files but keep what the player made: saves and pic.dat.
for f in "$top"/world/*; do
  name=$(basename "$f")
  if [ "$name" = "pic.dat" ] && [ -e "$game/pic.dat" ]; then continue; fi
  cp -p "$f" "$game/$name"
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: Kervale needs a graphical desktop. Start it from a desktop session." >&2
  exit 1
fi
cd "$game"
exec "$top/build/kervale"
