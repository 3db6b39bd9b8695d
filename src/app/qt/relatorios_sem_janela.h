#pragma once
// Reports without the window, from the command line of the windowed program:
//
//   oraculandia --nome NOME --data DATA --pdf ARQUIVO.pdf [--hoje DD/MM/AAAA] [--diretorio DIR]
//               [--substituir]
//   oraculandia --lote ARQUIVO.csv --pasta-pdf PASTA [--substituir] [--hoje DD/MM/AAAA]
//               [--diretorio DIR]
//
// No window is shown and no display is needed: without a platform chosen by the user
// (QT_QPA_PLATFORM), the offscreen one is used. Name and date are refused as the entry dialog
// refuses them, with its message on standard error. Exit status: 0 when everything was written,
// 1 when a report (or a row of the batch) failed, 2 for a wrong command line or a refused person.

#include <QString>
#include <cstdio>

#include "engine/datas.h"

namespace oraculandia {

class GeradorPdf;
struct OpcoesLinhaDeComando;

// Written on standard error after reports were written while the footer still carries the
// placeholder for the numerologist's contacts (UTF-8).
inline constexpr const char* kAvisoRodape =
    "Aviso: o rodapé das páginas ainda diz “Seu numerólogo: informe aqui o seu telefone e o seu e-mail”. "
    "Informe o seu nome e os seus contatos no programa, em Arquivo, Configurar Cabeçalho e Rodapé.\n";
// The window program's exit statuses, the same as the command line's.
inline constexpr int kSaidaSucesso = 0;
inline constexpr int kSaidaFalha = 1;               // a report could not be made
inline constexpr int kSaidaArgumentosInvalidos = 2; // a refused option, or no program folder

// Creates the application object itself (with the offscreen platform when none is chosen), runs
// the reports the command line asks for (`opcoes`, read from `argv` by LerLinhaDeComando, its
// `relatorios` set) and returns the exit status.
int ExecutarRelatoriosSemJanela(int argc, char* argv[], const OpcoesLinhaDeComando& opcoes);

// The batch: one PDF per row of the CSV file in `pasta`, progress and the final list on `saida`.
// Returns the exit status (0, 1 when a row failed, 2 when the file cannot be read).
int ExecutarLote(GeradorPdf& gerador, const QString& arquivoCsv, const QString& pasta, bool substituir,
                 const Data& hoje, std::FILE* saida);

// The file name of a person's report: the name as typed and the birth date, without the
// characters that file systems refuse ("Maria da Conceição 15-03-1970.pdf").
QString NomeArquivoRelatorio(const QString& nome, const Data& nascimento);

} // namespace oraculandia
