#!/usr/bin/env bash
# Compiles the Qt-free core and oraculandia-cli for Windows with MinGW-w64, as a check that only
# the marked platform files (src/dados/*_posix.cpp and *_windows.cpp) depend on the system.
# Installs the cross compiler when it is missing. The result, oraculandia-cli.exe, is left in
# the folder given (default: build-windows); scripts/testar-wine.sh runs it under Wine.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
pasta="${1:-$raiz/build-windows}"
compilador=x86_64-w64-mingw32-g++-posix
if ! command -v "$compilador" >/dev/null 2>&1; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq g++-mingw-w64-x86-64-posix >/dev/null
fi
mkdir -p "$pasta/gerado"
versao="$(sed -n 's/^project(Oraculandia VERSION \([0-9.]*\).*/\1/p' "$raiz/CMakeLists.txt")"
sed "s/@PROJECT_VERSION@/$versao/" "$raiz/src/versao.h.in" > "$pasta/gerado/versao.h"
# Every Qt-free folder of the core, and the command line; two compilers at a time (a compile
# check: no optimisation needed).
fontes=()
for fonte in "$raiz"/src/{engine,dados,analysis,layout,print,estudo,consulta}/*.cpp "$raiz"/src/cli/*.cpp; do
  case "$fonte" in *_posix.cpp) continue ;; esac
  fontes+=("$fonte")
done
export compilador raiz pasta
printf '%s\n' "${fontes[@]}" | xargs -P 2 -I{} sh -c '
  fonte="$1"; objeto="$pasta/$(basename "${fonte%.cpp}").o"
  "$compilador" -std=c++20 -O0 -Wall -Wextra -Wpedantic -Wold-style-cast -Wno-restrict -Werror \
    -I"$raiz/src" -I"$pasta/gerado" -c "$fonte" -o "$objeto"' _ {}
objetos=()
for fonte in "${fontes[@]}"; do objetos+=("$pasta/$(basename "${fonte%.cpp}").o"); done
"$compilador" -static -o "$pasta/oraculandia-cli.exe" "${objetos[@]}" -lole32 -lshell32 -luuid
echo "verificar-windows: $pasta/oraculandia-cli.exe compilado."
