#!/usr/bin/env bash
# Installs what is missing, builds Orbet and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target orbet
exec ./build/app/orbet
