#!/usr/bin/env bash
# Checks that every C++ file of the repository is laid out as .clang-format says; names the files
# that are not (fix them with clang-format -i).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
fora=()
while IFS= read -r arquivo; do
  clang-format --dry-run --Werror "$arquivo" >/dev/null 2>&1 || fora+=("$arquivo")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#fora[@]} -gt 0 ]; then
  echo "verificar-formato: fora do .clang-format (use clang-format -i):" >&2
  printf '  %s\n' "${fora[@]}" >&2
  exit 1
fi
echo "verificar-formato: todos os arquivos C++ seguem o .clang-format."
