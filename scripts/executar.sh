#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts Oraculandia.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"
mkdir -p "$raiz/build"
bash "$raiz/scripts/compilar.sh" "$raiz/build"
exec "$raiz/build/bin/oraculandia" "$@"
