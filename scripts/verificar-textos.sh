#!/usr/bin/env bash
# Checks the interpretation texts of data/textos quickly, without building the rest of the program.
#
# Usage: bash scripts/verificar-textos.sh [BUILD_FOLDER] [gtest options...]
#   BUILD_FOLDER  the build folder to use (default: build-verificar-textos at the repository root);
#                 give each person or job its own folder when several run at the same time.
#   gtest options passed to the test program, e.g. --gtest_filter='TextosDeInterpretacao.Ortografia'
#
# It configures the Qt-free build (-DORACULANDIA_SOMENTE_NUCLEO=ON), builds only the packer, the
# 23 .DAT files and the text test program, then runs the text checks: packing, generated files
# against their sources, spelling (hunspell pt_BR, accepted words in data/palavras-aceitas*.txt),
# sentences shared between texts, lengths, missing records, endings. Each failure lists the file
# and record concerned.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
pasta="${1:-build-verificar-textos}"
[ $# -gt 0 ] && shift
case "$pasta" in /*) ;; *) pasta="$raiz/$pasta" ;; esac

mkdir -p "$pasta"
cmake -S "$raiz" -B "$pasta" -DCMAKE_BUILD_TYPE=Release -DORACULANDIA_WERROR=ON \
  -DORACULANDIA_SOMENTE_NUCLEO=ON > "$pasta/configure.log" 2>&1 \
  || { cat "$pasta/configure.log"; exit 1; }
cmake --build "$pasta" -j2 --target testes_textos
"$pasta/tests/nucleo/testes_textos" "$@"
