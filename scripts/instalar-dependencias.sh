#!/usr/bin/env bash
# Installs, with apt-get and without questions, the Debian 12 packages that Oraculandia needs.
# Usage: instalar-dependencias.sh [programa|testes]
#   programa  what building and running the program needs (scripts/executar.sh)
#   testes    that and everything the tests need (scripts/testar.sh); the default
# Only the packages that are missing are installed, so running it again costs nothing.
set -euo pipefail

# Building and running the program.
PROGRAMA=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n
  libqt6svg6 qt6-qpa-plugins libgl-dev libqt6sql6-sqlite
  fonts-liberation2 fonts-dejavu-core
)

# The tests only: test frameworks, the text checks, PDF reading, the package checks, the
# Windows build of the command line.
TESTES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  hunspell hunspell-pt-br
  poppler-utils xvfb xauth
  lintian desktop-file-utils appstream
  g++-mingw-w64-x86-64-posix wine64
  clang-format git
)

case "${1:-testes}" in
  programa) PACOTES=("${PROGRAMA[@]}") ;;
  testes) PACOTES=("${PROGRAMA[@]}" "${TESTES[@]}") ;;
  *) echo "Uso: $0 [programa|testes]" >&2; exit 2 ;;
esac

faltando=()
for p in "${PACOTES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltando+=("$p")
  fi
done

if [ ${#faltando[@]} -eq 0 ]; then
  echo "Dependências já instaladas."
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Instalando: ${faltando[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${faltando[@]}"
