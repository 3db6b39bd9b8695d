#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, runs every test with ctest,
# headless, and tests the Debian package; builds the command line for Windows and compares it,
# run under Wine, with the Linux one. Then builds the core tests with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them too.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh" testes
# The layout of the code, as .clang-format says.
bash "$raiz/scripts/verificar-formato.sh"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$raiz/build" "$raiz/build-sanitizadores"
bash "$raiz/scripts/compilar.sh" "$raiz/build" -DORACULANDIA_WERROR=ON -DORACULANDIA_TESTES=ON
(cd "$raiz/build" && ctest --output-on-failure -j2)
# The Debian package: built, checked, installed, used by an ordinary user, removed (as root only).
bash "$raiz/scripts/testar-pacote.sh" "$raiz/build"
# The Qt-free core and the command line compile for Windows: nothing Linux-only outside the
# platform files.
bash "$raiz/scripts/verificar-windows.sh" "$raiz/build-windows"
# ...and, run under Wine, write exactly what the Linux build writes.
bash "$raiz/scripts/testar-wine.sh" "$raiz/build" "$raiz/build-windows"
bash "$raiz/scripts/compilar.sh" "$raiz/build-sanitizadores" -DORACULANDIA_WERROR=ON \
  -DORACULANDIA_SOMENTE_NUCLEO=ON -DORACULANDIA_SANITIZERS=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$raiz/build-sanitizadores" && ctest --output-on-failure -j2)
