#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it (lintian, desktop-file-validate,
# appstreamcli), installs it, uses it as an ordinary user with a fresh home folder, and removes
# it again. Needs root (CI runs as root); elsewhere it says so and does nothing.
#
# Usage: bash scripts/testar-pacote.sh PASTA_DE_COMPILACAO
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?informe a pasta de compilação}" && pwd)"

if [ "$(id -u)" -ne 0 ]; then
  echo "testar-pacote: pulado (instalar o pacote exige root)."
  exit 0
fi

falhou() { echo "testar-pacote: FALHOU: $*" >&2; exit 1; }
etapa() { echo "== $*"; }

trabalho="$(mktemp -d /tmp/oraculandia-pacote.XXXXXX)"
usuario="oracteste$$"
limpar() {
  userdel -r "$usuario" >/dev/null 2>&1 || true
  if dpkg-query -W -f='${Status}' oraculandia 2>/dev/null | grep -q "install ok installed"; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq oraculandia >/dev/null 2>&1 || true
  fi
  rm -rf "$trabalho"
}
trap limpar EXIT

etapa "Montando o pacote"
rm -f "$build"/oraculandia_*.deb
cmake --build "$build" --target pacote -j2 >"$trabalho/cpack.log" 2>&1 \
  || { cat "$trabalho/cpack.log"; falhou "cpack"; }
pacote="$(ls "$build"/oraculandia_*.deb)"
echo "$pacote"

etapa "lintian"
# initial-upload-closes-no-bugs: the package is not uploaded to Debian, so its first changelog
# entry closes no "intent to package" bug.
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$pacote" 2>&1 \
  | grep -v "running with root privileges" || true
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$pacote" \
  >/dev/null 2>&1 || falhou "lintian"

etapa "Entrada de menu e metadados"
mkdir -p "$trabalho/conteudo"
dpkg-deb -x "$pacote" "$trabalho/conteudo"
# No compiler notes left in the programs (lintian's binary-has-unneeded-section).
for programa in oraculandia oraculandia-cli; do
  if readelf -S "$trabalho/conteudo/usr/bin/$programa" | grep -q '\.comment'; then
    falhou "seção .comment em $programa"
  fi
done
# The synopsis of the manual pages never splits an option name with a hyphen, at any width.
for pagina in oraculandia oraculandia-cli; do
  for largura in 40 50 60 70 80 90 100; do
    if MANWIDTH=$largura man -l "$trabalho/conteudo/usr/share/man/man1/$pagina.1.gz" 2>/dev/null | col -b \
      | sed -n '/^SINOPSE/,/^DESCRI/p' | grep -q '‐$'; then
      falhou "palavra hifenizada na SINOPSE de $pagina.1 (largura $largura)"
    fi
  done
done
desktop-file-validate "$trabalho/conteudo/usr/share/applications/oraculandia.desktop" \
  || falhou "desktop-file-validate"
appstreamcli validate --no-net \
  "$trabalho/conteudo/usr/share/metainfo/br.com.oraculandia.Oraculandia.metainfo.xml" \
  || falhou "appstreamcli"

etapa "Instalando"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "$pacote" >"$trabalho/apt.log" 2>&1 \
  || { cat "$trabalho/apt.log"; falhou "apt-get install"; }
[ -x /usr/bin/oraculandia ] && [ -x /usr/bin/oraculandia-cli ] || falhou "programas ausentes"
[ "$(oraculandia --version)" = "oraculandia $(oraculandia-cli --version | awk '{print $2}')" ] \
  || falhou "--version"

etapa "Usuário comum com uma pasta pessoal nova"
casa="$trabalho/casa"
useradd --home-dir "$casa" --create-home --shell /bin/sh "$usuario"
chmod 755 "$trabalho"
como_usuario() {
  runuser -u "$usuario" -- env -i HOME="$casa" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen "$@"
}
marca="$trabalho/marca"
touch "$marca"
sleep 1

# The command line program from /usr/bin writes what the build folder's writes.
pasta_build="$trabalho/build-bin"
mkdir -p "$pasta_build"
cp "$build"/bin/*.DAT "$pasta_build"/
args=(--nome "MARIA DA CONCEIÇÃO SOUZA" --data 21/07/1985 --hoje 08/12/2026)
"$build/bin/oraculandia-cli" "${args[@]}" --diretorio "$pasta_build" >"$trabalho/esperado.txt"
como_usuario /usr/bin/oraculandia-cli "${args[@]}" >"$trabalho/instalado.txt" \
  || falhou "oraculandia-cli instalado"
cmp -s "$trabalho/esperado.txt" "$trabalho/instalado.txt" \
  || { diff "$trabalho/esperado.txt" "$trabalho/instalado.txt" | head; falhou "saídas diferentes"; }
[ ! -e "$casa/.local/share/Oraculandia" ] || falhou "a linha de comando criou a pasta do usuário"

# The window program creates and fills the user's folder.
dados="$casa/.local/share/Oraculandia"
como_usuario /usr/bin/oraculandia --sem-abertura --fechar-apos 300 >"$trabalho/gui1.log" 2>&1 \
  || { cat "$trabalho/gui1.log"; falhou "primeira execução"; }
for a in "$build"/bin/*.DAT welcomeb.wav aguarda.wav virafolh.wav oraculandia.dat; do
  [ -f "$dados/$(basename "$a")" ] || falhou "falta $(basename "$a") na pasta do usuário"
done
cmp -s "$dados/CVIDA.DAT" /usr/share/oraculandia/CVIDA.DAT || falhou "cópia de CVIDA.DAT"

# Settings written there survive a second start: turn "numbers beside headings" on (offset 2).
printf '\xff\xff' | dd of="$dados/oraculandia.dat" bs=1 seek=2 conv=notrunc status=none
como_usuario /usr/bin/oraculandia --sem-abertura --fechar-apos 300 >"$trabalho/gui2.log" 2>&1 \
  || { cat "$trabalho/gui2.log"; falhou "segunda execução"; }
[ "$(od -An -tx1 -j2 -N2 "$dados/oraculandia.dat" | tr -d ' ')" = "ffff" ] \
  || falhou "a configuração não sobreviveu à segunda execução"

# Nothing was written under /usr by the user's runs.
novos="$(find /usr -newer "$marca" -print 2>/dev/null | head -5)"
[ -z "$novos" ] || falhou "arquivos alterados em /usr: $novos"
dpkg --verify oraculandia || falhou "arquivos do pacote alterados"

etapa "Um texto editado sobrevive a uma nova instalação"
printf 'TEXTO EDITADO PELO USUARIO' | dd of="$dados/CVIDA.DAT" bs=1 conv=notrunc status=none
apt-get install -y -qq --no-install-recommends --reinstall "$pacote" >"$trabalho/apt2.log" 2>&1 \
  || { cat "$trabalho/apt2.log"; falhou "reinstalação"; }
como_usuario /usr/bin/oraculandia --sem-abertura --fechar-apos 300 >"$trabalho/gui3.log" 2>&1 \
  || { cat "$trabalho/gui3.log"; falhou "execução após reinstalar"; }
head -c 26 "$dados/CVIDA.DAT" | grep -q "TEXTO EDITADO PELO USUARIO" || falhou "o texto editado se perdeu"

etapa "Removendo"
apt-get purge -y -qq oraculandia >/dev/null 2>&1 || falhou "remoção"
[ ! -e /usr/bin/oraculandia ] && [ ! -e /usr/share/oraculandia ] || falhou "restos da remoção"
echo "testar-pacote: tudo certo."
