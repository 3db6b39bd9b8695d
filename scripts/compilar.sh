#!/usr/bin/env bash
# Configures and builds one build folder. Usage: compilar.sh PASTA [cmake options...]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
pasta="$1"; shift
# ccache, when the machine has it, makes rebuilds of several build folders cheap.
lancador=()
if command -v ccache >/dev/null 2>&1; then lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$raiz" -B "$pasta" -DCMAKE_BUILD_TYPE=Release "${lancador[@]}" "$@" > "$pasta.configure.log" 2>&1 \
  || { cat "$pasta.configure.log"; exit 1; }
cmake --build "$pasta" -j2
