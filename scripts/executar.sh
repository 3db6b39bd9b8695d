#!/usr/bin/env bash
# Installs what the program needs (not the tests' tools), builds the program alone (Release) and
# starts Oraculandia.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh" programa
mkdir -p "$raiz/build"
lancador=()
if command -v ccache >/dev/null 2>&1; then lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=Release -DORACULANDIA_TESTES=OFF \
  "${lancador[@]}" > "$raiz/build.configure.log" 2>&1 \
  || { cat "$raiz/build.configure.log"; exit 1; }
cmake --build "$raiz/build" -j"$(nproc)" --target oraculandia
exec "$raiz/build/bin/oraculandia" "$@"
