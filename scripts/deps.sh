#!/usr/bin/env bash
# Installs what building, testing and running need (Debian 12, as root).
set -euo pipefail
pkgs=(build-essential cmake ccache qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev libsqlite3-dev
      libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core poppler-utils)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
