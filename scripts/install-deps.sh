#!/usr/bin/env bash
# Installs the Debian packages Kervale builds with, when any is missing.
set -euo pipefail

# fonts-liberation2: the sans face whose widths the screens are laid out for.
packages=(cmake g++ make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "error: run as root (or with sudo) to install ${missing[*]}" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
