#!/usr/bin/env bash
# Configures and builds one build folder. Usage: compilar.sh PASTA [cmake options...]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
pasta="$1"; shift
cmake -S "$raiz" -B "$pasta" -DCMAKE_BUILD_TYPE=Release "$@" > "$pasta.configure.log" 2>&1 \
  || { cat "$pasta.configure.log"; exit 1; }
cmake --build "$pasta" -j2
