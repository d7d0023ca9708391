#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Set-up of TELVO on Debian 12: installs the missing packages, builds, then
#   tools/telvo.sh ejecutar   starts the program
#   tools/telvo.sh pruebas    runs the whole test suite through ctest
set -euo pipefail

mode="${1:-}"
case "$mode" in
  ejecutar|pruebas) ;;
  *) echo "Uso: $0 ejecutar|pruebas" >&2; exit 2 ;;
esac

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TELVO_BUILD_DIR:-$root/build}"

packages=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl1-mesa-dev
  libxml2-dev zlib1g-dev libminizip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core poppler-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TELVO_CMAKE_ARGS:-}
cmake --build "$build" --parallel "$(nproc)"

if [[ $mode == ejecutar ]]; then
  exec "$build/app/telvo"
fi
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 600
