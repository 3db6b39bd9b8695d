#!/usr/bin/env bash
# Installs, with apt-get and without questions, every package needed to build, run and test
# Oraculandia on Debian 12. Only the packages that are missing are installed, so running it
# again costs nothing.
set -euo pipefail

PACOTES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n
  libqt6svg6 qt6-qpa-plugins libgl-dev libqt6sql6-sqlite
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  hunspell hunspell-pt-br
  poppler-utils xvfb xauth
  lintian desktop-file-utils appstream
  g++-mingw-w64-x86-64-posix wine64
)

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
