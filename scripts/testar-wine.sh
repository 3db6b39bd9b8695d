#!/usr/bin/env bash
# Runs the Windows build of oraculandia-cli under Wine and compares what it writes, byte for byte,
# with the Linux build, over a few hundred generated cases: Brazilian names (accents, Ç,
# apostrophes, hyphens, particles, digits, decomposed letters), every accepted date form, settings
# files with calculations switched off, interpretation files cut short, lengthened, missing and
# empty, the refusals (same status, nothing on standard output), the name study in both formats
# and the help. The program folder of every case has accents in its path (Usuários/José).
#
#   testar-wine.sh BUILD_LINUX BUILD_WINDOWS
#
# BUILD_LINUX holds bin/oraculandia-cli and the interpretation files (bin/*.DAT); BUILD_WINDOWS
# holds oraculandia-cli.exe (scripts/verificar-windows.sh). Wine gets its own prefix in a
# temporary folder and one Wine server for the whole run. Where Wine cannot run, the test says so
# and fails. SEMENTE=n picks another set of generated cases (the default is fixed).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
linux="$(cd "$1" && pwd)"
windows="$(cd "$2" && pwd)"
semente="${SEMENTE:-19}"
inicio=$SECONDS

falhar() {
  echo "testar-wine: FALHOU: $*" >&2
  exit 1
}

[ -x "$linux/bin/oraculandia-cli" ] || falhar "não existe $linux/bin/oraculandia-cli"
[ -f "$windows/oraculandia-cli.exe" ] || falhar "não existe $windows/oraculandia-cli.exe"

# Debian's wine64 package keeps its programs in /usr/lib/wine.
export PATH="$PATH:/usr/lib/wine"
wine="$(command -v wine64 || true)"
[ -n "$wine" ] || falhar "o Wine (wine64) não está instalado; scripts/instalar-dependencias.sh o instala."
servidor="$(command -v wineserver || command -v wineserver64 || true)"
[ -n "$servidor" ] || falhar "o servidor do Wine (wineserver) não está instalado."

tmp="$(mktemp -d)"
export WINEPREFIX="$tmp/prefixo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
export HOME="${HOME:-$tmp}"
encerrar() {
  "$servidor" -k >/dev/null 2>&1 || true
  rm -rf "$tmp"
}
trap encerrar EXIT
mkdir -p "$WINEPREFIX"
# One server for every Wine process of the test; the first start creates the prefix.
"$servidor" -p || falhar "o servidor do Wine não pôde ser iniciado."
if ! "$wine" wineboot -i >"$tmp/wineboot.log" 2>&1; then
  cat "$tmp/wineboot.log" >&2
  falhar "o Wine não consegue executar programas nesta máquina (wineboot falhou)."
fi

# The batch runner: one Windows process starting every case, two at a time.
compilador=x86_64-w64-mingw32-g++-posix
"$compilador" -std=c++20 -O1 -Wall -Wextra -Wpedantic -Wold-style-cast -Werror -static \
  -o "$tmp/executar_lote.exe" "$raiz/tests/windows/executar_lote.cpp" -lshell32

# The program folders. Both programs live in the complete one, so that without --diretorio each
# finds it as its own folder.
casos="$tmp/casos"
completa="Usuários/José"
mkdir -p "$casos/$completa"
cp "$linux"/bin/*.DAT "$casos/$completa/"
cp "$linux/bin/oraculandia-cli" "$windows/oraculandia-cli.exe" "$casos/$completa/"
copia() { mkdir -p "$casos/$1" && cp "$linux"/bin/*.DAT "$casos/$1/"; }
# oraculandia.dat: 76 bytes; calculation c is the switch (two bytes, -1 on, 0 off) at 16 + 2c.
configuracao() {
  local destino="$casos/$1/oraculandia.dat"; shift
  head -c 76 /dev/zero | tr '\0' '\377' >"$destino"
  for c in "$@"; do printf '\0\0' | dd of="$destino" bs=1 seek=$((16 + 2 * c)) conv=notrunc status=none; done
}
copia "Configuração/alguns desligados"
configuracao "Configuração/alguns desligados" 1 2 5 8 13 21 28
copia "Configuração/todos desligados"
configuracao "Configuração/todos desligados" $(seq 1 28)
copia "Configuração/curta"
printf '\377\377\0\0\377\377' >"$casos/Configuração/curta/oraculandia.dat"
copia "Interpretação/curta"
for f in "$casos"/Interpretação/curta/*.DAT; do truncate -s $(($(stat -c %s "$f") / 3)) "$f"; done
copia "Interpretação/longa"
for f in "$casos"/Interpretação/longa/*.DAT; do head -c 40000 /dev/urandom >>"$f"; done
copia "Interpretação/sem um arquivo"
rm "$casos/Interpretação/sem um arquivo/INTVOG.DAT"
copia "Interpretação/vazia"
: >"$casos/Interpretação/vazia/CDATA.DAT"
# A folder whose letters the Windows-1252 code page does not have.
outraEscrita="Usuários/Łucja Ωμέγα 中"
copia "$outraEscrita"
pastas=("$completa" "$completa" "$outraEscrita" "Configuração/alguns desligados" "Configuração/todos desligados"
  "Configuração/curta" "Interpretação/curta" "Interpretação/longa" "Interpretação/sem um arquivo"
  "Interpretação/vazia")

# The generated cases: each argument ends with a zero byte, each case with the byte 0x1E.
RANDOM=$semente
lote="$tmp/casos.bin"
: >"$lote"
tipos=()
caso() { # TIPO ARGUMENTOS...: exato (every byte) or caminho (the same once paths are in one form)
  tipos+=("$1"); shift
  printf '%s\0' "$@" $'\x1e' >>"$lote"
}
# The generators leave their result in REPLY: a command substitution would run them in a subshell,
# whose random numbers are seeded anew, and the cases would change from run to run.
escolher() { local -n lista=$1; REPLY="${lista[RANDOM % ${#lista[@]}]}"; }

prenomes=(José João Maria Conceição Antônio Inês Lúcia Márcio Cecília Ângela Sebastião Luíza Ítalo
  Ênio Íris Úrsula Caetano Raí Tânia Débora Mônica Glória Lourenço Ivo Zoë Açucena Ana-Clara
  Jean-Pierre Maria-José Thaís Estêvão Joaquim Francisca Benedito Aurélio)
sobrenomes=(Gonçalves "D'Ávila" "Sant'Anna" Silva Souza Assunção Conceição Brandão Magalhães Simões
  Falcão Pereira-Lima "Dell'Orto" Câmara Peçanha Gusmão Müller Loureiro "O'Neill" Araújo Quitéria
  Bragança Guimarães Lemos Fonseca Calçada Monção Boaventura Nóbrega Xavier)
particulas=(da de dos das do e)
digitos=(2º 3ª 10 1 "II")

# Decomposed letters (e + combining acute accent, and so on), as some systems write them.
decompor() {
  local n="$1"
  n="${n//é/$'e\xcc\x81'}"; n="${n//ã/$'a\xcc\x83'}"; n="${n//ç/$'c\xcc\xa7'}"
  n="${n//ô/$'o\xcc\x82'}"; n="${n//Â/$'A\xcc\x82'}"; n="${n//í/$'i\xcc\x81'}"
  REPLY="$n"
}

nome() {
  local n partes=$((1 + RANDOM % 4)) p
  escolher prenomes; n="$REPLY"
  if ((RANDOM % 3 == 0)); then escolher prenomes; n+=" $REPLY"; fi
  for ((p = 0; p < partes; p++)); do
    if ((RANDOM % 3 == 0)); then escolher particulas; n+=" $REPLY"; fi
    escolher sobrenomes; n+=" $REPLY"
  done
  if ((RANDOM % 10 == 0)); then escolher digitos; n+=" $REPLY"; fi
  if ((RANDOM % 6 == 0)); then decompor "$n"; n="$REPLY"; fi
  if ((RANDOM % 12 == 0)); then n="  ${n,,}  "; fi
  REPLY="$n"
}

# Every accepted form of a date: one or two digits for day and month, the three separators,
# years of two, three and four digits, and day/month alone.
separadores=(/ - .)
data() {
  local d=$((1 + RANDOM % 28)) m=$((1 + RANDOM % 12)) a=$((1930 + RANDOM % 100)) s
  escolher separadores; s="$REPLY"
  case $((RANDOM % 7)) in
    0) printf -v REPLY '%02d%s%02d%s%04d' "$d" "$s" "$m" "$s" "$a" ;;
    1) printf -v REPLY '%d%s%d%s%d' "$d" "$s" "$m" "$s" "$a" ;;
    2) printf -v REPLY '%d%s%02d%s%02d' "$d" "$s" "$m" "$s" $((a % 100)) ;;
    3) printf -v REPLY '%02d%s%d%s%d' "$d" "$s" "$m" "$s" $((100 + RANDOM % 900)) ;;
    4) printf -v REPLY '%d%s%d' "$d" "$s" "$m" ;;
    5) REPLY=29/02/2000 ;;
    *) printf -v REPLY '%02d%s%02d%s%04d' $((29 + RANDOM % 3)) "$s" $((1 + RANDOM % 12)) "$s" "$a" ;;
  esac
}

# Analyses, each in both formats, in the folders above.
for ((i = 0; i < 110; i++)); do
  nome; n="$REPLY"; data; d="$REPLY"; data; h="$REPLY"; escolher pastas; p="$REPLY"
  tipo=exato; [ "$p" = "$completa" ] || tipo=caminho
  caso "$tipo" --nome "$n" --data "$d" --hoje "$h" --diretorio "$p"
  caso "$tipo" --nome="$n" --data="$d" --hoje="$h" --diretorio="$p" --formato json
done
# Without --diretorio: the executable's own folder, whose path has accents.
for ((i = 0; i < 10; i++)); do
  nome; n="$REPLY"; data; d="$REPLY"
  caso exato --nome "$n" --data "$d" --hoje 15/03/2026
  caso exato --formato json --nome "$n" --data "$d" --hoje 15/03/2026
done
# The name study: two to nine spellings, both formats.
for ((i = 0; i < 30; i++)); do
  data; args=(--estudo-nome --data "$REPLY")
  for ((g = 0, grafias = 2 + RANDOM % 8; g < grafias; g++)); do nome; args+=(--nome "$REPLY"); done
  caso exato "${args[@]}"
  caso exato "${args[@]}" --formato json
done
# Refusals: status and message equal, nothing on standard output.
recusados=("José" "Ana Maria 中文" "Maria 😀 Souza" "João #1 Silva" "Ana \"Nina\" Souza" 'C:\Ana Souza'
  "     " "Łukasz Nowak" $'Ana\tSouza')
for n in "${recusados[@]}"; do
  caso exato --nome "$n" --data 15/03/1970 --hoje 01/01/2026
  caso exato --estudo-nome --nome "José da Silva" --nome "$n" --data 15/03/1970
done
for d in 31/02/1990 00/01/2000 1/13/1990 29/02/1900 15/03 abc "" 15/03/19700 32.1.80 "15 03 1970"; do
  caso exato --nome "José da Silva" --data "$d" --hoje 01/01/2026
done
caso exato --nome "José da Silva" --data 15/03/1970 --hoje 30/02/2026
caso exato --nome "José da Silva" --data 15/03/1970 --formato xml
caso exato --nome "José da Silva" --data 15/03/1970 --opção-que-não-existe
caso exato --nome "José da Silva"
caso exato --data 15/03/1970
caso exato --nome "José da Silva" --nome "José Silva" --data 15/03/1970
caso exato --estudo-nome --data 15/03/1970 $(for g in $(seq 10); do printf -- '--nome Nome%02dSilva ' "$g"; done)
caso exato --nome "José da Silva" --data 15/03/1970 --diretorio "Usuários/Ninguém"
caso exato --nome "José da Silva" --data 15/03/1970 --diretorio=
caso exato --nome "José da Silva" --data 15/03/1970 --diretorio "Usuários/José/CDATA.DAT"
caso exato --nome
caso exato josé
# The help and the version.
caso caminho --ajuda
caso caminho --ajuda --diretorio "Interpretação/longa"
caso caminho --nome "José da Silva" --ajuda --diretorio "$completa"
caso exato --ajuda --opção-que-não-existe
caso caminho --ajuda --diretorio "Usuários/Ninguém"
caso exato --version
# The folder by its absolute path (with its drive letter on Windows).
caso caminho --nome "Conceição Araújo" --data 15/03/1970 --hoje 01/01/2026 --diretorio "@PASTA_ATUAL@/$completa"
caso caminho --nome "Conceição Araújo" --data 15/03/1970 --hoje 01/01/2026 --formato json \
  --diretorio="@PASTA_ATUAL@/Interpretação/vazia"
caso caminho --ajuda --diretorio "@PASTA_ATUAL@/Configuração/curta"
caso caminho --ajuda --diretorio "@PASTA_ATUAL@/$outraEscrita"
total=${#tipos[@]}

tempoPreparo=$((SECONDS - inicio))

# Linux: every case, from the cases folder.
mkdir -p "$tmp/linux" "$tmp/windows"
i=0; args=()
while IFS= read -r -d '' arg; do
  if [ "$arg" != $'\x1e' ]; then args+=("${arg/#@PASTA_ATUAL@/$casos}"); continue; fi
  i=$((i + 1))
  status=0
  (cd "$casos" && exec "./$completa/oraculandia-cli" "${args[@]}") >"$tmp/linux/$i.out" 2>"$tmp/linux/$i.err" </dev/null || status=$?
  echo "$status" >"$tmp/linux/$i.rc"
  args=()
done <"$lote"

tempoLinux=$((SECONDS - inicio - tempoPreparo))

# Windows: every case in one Wine process, from the same folder (Z: is the Linux root).
winpath() { local p="${1//\//\\}"; echo "Z:$p"; }
inicioWine=$SECONDS
(cd "$casos" && "$wine" "$tmp/executar_lote.exe" "$(winpath "$casos/$completa/oraculandia-cli.exe")" \
  "$(winpath "$lote")" "$(winpath "$tmp/windows")" 2) || falhar "o Wine não executou os casos."
tempoWine=$((SECONDS - inicioWine))

# A Windows console: the same few cases run in a terminal (script gives them one), where the
# console's letters must be the text's, whatever its code page. The console moves the cursor
# with escape sequences and spaces, so the comparison leaves those out.
inicioConsole=$SECONDS
limpar() { perl -0777 -pe 's/\e\[[0-9;?]*[A-Za-z]//g; s/\e\][^\a]*\a//g; s/\s+//g'; }
console=0
for args in "--estudo-nome --data 15/03/1970 --nome 'Jô Gonçalves' --nome 'João da Conceição'" \
  "--nome 'Zé' --data 15/03/1970" "--nome 'José' --data 31/02/1970 --diretorio 'Interpretação/vazia'"; do
  linuxConsole="$(cd "$casos" && eval "./$completa/oraculandia-cli $args" 2>&1 | limpar || true)"
  windowsConsole="$(cd "$casos" && script -qec "$(printf '%q ' "$wine" "$completa/oraculandia-cli.exe") $args" \
    /dev/null </dev/null | limpar || true)"
  if [ "$linuxConsole" != "$windowsConsole" ]; then
    echo "testar-wine: no console do Windows, $args escreveu: ${windowsConsole:0:300}" >&2
    console=$((console + 1))
  fi
done


# The user's data folder of a Windows user whose name has an accent (C:\users\José\AppData\
# Roaming\Oraculandia), found by a program whose own folder has no texts.
usuario=0
chave='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
"$wine" reg add "$chave" /v AppData /t REG_EXPAND_SZ /d 'C:\users\José\AppData\Roaming' /f >/dev/null 2>&1 ||
  falhar "o registro do Wine não aceitou a pasta de dados do usuário."
mkdir -p "$WINEPREFIX/drive_c/users/José/AppData/Roaming/Oraculandia" "$tmp/sem-dados"
cp "$linux"/bin/*.DAT "$WINEPREFIX/drive_c/users/José/AppData/Roaming/Oraculandia/"
cp "$windows/oraculandia-cli.exe" "$tmp/sem-dados/"
esperado='Pasta do programa em uso: C:\users\José\AppData\Roaming\Oraculandia'
obtido="$("$wine" "$tmp/sem-dados/oraculandia-cli.exe" --ajuda </dev/null | tail -n 1 || true)"
if [ "$obtido" != "$esperado" ]; then
  echo "testar-wine: a ajuda diz \"$obtido\" em vez de \"$esperado\"" >&2
  usuario=$((usuario + 1))
fi
for formato in texto json; do
  argumentos=(--nome "José da Conceição" --data 15/03/1970 --hoje 01/01/2026 --formato "$formato")
  if ! cmp -s <("$wine" "$tmp/sem-dados/oraculandia-cli.exe" "${argumentos[@]}" </dev/null 2>&1) \
    <("$casos/$completa/oraculandia-cli" "${argumentos[@]}" --diretorio "$casos/$completa" 2>&1); then
    echo "testar-wine: a análise em $formato, lida da pasta de dados do usuário, difere" >&2
    usuario=$((usuario + 1))
  fi
done
tempoConsole=$((SECONDS - inicioConsole))

# The comparison. In a message that names a folder, the Windows path (Z:\tmp\...\Usuários\José) is
# written in its Linux form before comparing; everything else must be the same bytes.
export BASE_WINDOWS="$(winpath "$casos")" BASE_LINUX="$casos"
normalizar() { perl -pe 's/\Q$ENV{BASE_WINDOWS}\E/$ENV{BASE_LINUX}/g; tr{\\}{/} if m{\Q$ENV{BASE_LINUX}\E}' "$1"; }
descrever() { # the arguments of case $1, for the report
  local n=0 a=() arg
  while IFS= read -r -d '' arg; do
    if [ "$arg" = $'\x1e' ]; then n=$((n + 1)); [ "$n" -eq "$1" ] && break; a=(); else a+=("$arg"); fi
  done <"$lote"
  printf '%q ' "${a[@]}"
}
diferentes=0; aceitos=0; recusas=0
for ((i = 1; i <= total; i++)); do
  tipo="${tipos[i - 1]}"; l="$tmp/linux/$i"; w="$tmp/windows/$i"; problema=""
  if [ ! -f "$w.rc" ]; then
    problema="não foi executado no Windows"
  elif [ "$(cat "$l.rc")" != "$(tr -d '\r' <"$w.rc")" ]; then
    problema="situação de saída $(cat "$l.rc") no Linux e $(tr -d '\r' <"$w.rc") no Windows"
  elif [ "$(cat "$l.rc")" != 0 ] && { [ -s "$l.out" ] || [ -s "$w.out" ]; }; then
    problema="recusado, e mesmo assim escreveu na saída padrão"
  else
    case "$tipo" in
      exato) cmp -s "$l.out" "$w.out" || problema="saída padrão diferente"
        cmp -s "$l.err" "$w.err" || problema+="${problema:+; }saída de erros diferente" ;;
      caminho) cmp -s "$l.out" <(normalizar "$w.out") || problema="saída padrão diferente"
        cmp -s "$l.err" <(normalizar "$w.err") || problema+="${problema:+; }saída de erros diferente" ;;
    esac
  fi
  if [ -n "$problema" ]; then
    diferentes=$((diferentes + 1))
    if [ "$diferentes" -le 10 ]; then
      echo "testar-wine: caso $i ($(descrever "$i")): $problema" >&2
      diff <(od -c "$l.out" | head -20) <(od -c "$w.out" | head -20) >&2 || true
      diff "$l.err" "$w.err" | head -6 >&2 || true
    fi
  elif [ "$(cat "$l.rc")" = 0 ]; then
    aceitos=$((aceitos + 1))
  else
    recusas=$((recusas + 1))
  fi
done

echo "testar-wine: $total casos (semente $semente): $aceitos escritos e $recusas recusados" \
  "igualmente no Linux e no Windows, $diferentes diferentes. Tempo: ${tempoPreparo}s para preparar" \
  "o Wine e os casos, ${tempoLinux}s no Linux, ${tempoWine}s no Wine, ${tempoConsole}s no console e na pasta do usuário;" \
  "tudo: $((SECONDS - inicio))s."
[ "$diferentes" -eq 0 ] || falhar "$diferentes casos diferem entre o Linux e o Windows."
[ "$console" -eq 0 ] || falhar "$console casos saem diferentes num console do Windows."
[ "$usuario" -eq 0 ] || falhar "a pasta de dados de um usuário com acento no nome não serve."
echo "testar-wine: os 3 casos escritos num console do Windows mostram as mesmas letras, e a pasta" \
  "de dados do usuário José (C:\\users\\José\\AppData\\Roaming\\Oraculandia) serve a análise."
