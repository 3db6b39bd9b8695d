#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts Oraculandia.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"
mkdir -p "$raiz/build"
bash "$raiz/scripts/compilar.sh" "$raiz/build"
if [ -x "$raiz/build/bin/oraculandia" ]; then
  exec "$raiz/build/bin/oraculandia" "$@"
fi
# Without the windowed program, show the command line program on an example and its usage.
"$raiz/build/bin/oraculandia-cli" --nome "Maria da Conceição" --data 15/03/1970
"$raiz/build/bin/oraculandia-cli" --ajuda
