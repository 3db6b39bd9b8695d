#pragma once
// The checks that a client's name and birth date pass before they enter the register or a
// report: the entry dialog's own rules (src/engine/entrada.h), in the same order and with the
// same messages, so that a person the entry dialog refuses is refused here too.

#include <QDate>
#include <QString>
#include <optional>
#include <string>

#include "engine/datas.h"

namespace oraculandia {

// The most characters a name or a note may hold: what the boxes of the windows take, and what a
// file may bring in.
inline constexpr int kMaximoNomeCliente = 32767;
inline constexpr int kMaximoObservacoes = 20000;

enum class Recusa {
    Nenhuma,
    DataInvalida,         // not a date by the entry's rules
    NomeVazio,            // nothing typed
    NomeComInvalidos,     // characters Windows-1252 cannot hold
    NomeComControle,      // line breaks, tabs, codes without a character
    NomeCurto,            // fewer than 5 characters, or blanks only
    NomeLongo,            // more than kMaximoNomeCliente characters
    ObservacoesInvalidas, // control characters other than tab and line breaks
    ObservacoesLongas,    // more than kMaximoObservacoes characters
};

struct VerificacaoCliente {
    Recusa recusa = Recusa::Nenhuma;
    QString detalhe;          // the refused characters, or the refused date as given
    QString nome;             // the name as it will be shown: blanks around it removed, accents composed
    std::string nomeAnalise;  // the name of the analysis: Windows-1252, upper case, accents folded
    std::string nomeDigitado; // `nome` in Windows-1252, accents kept: what the pages show
    QString chave;            // the same as UTF-8 text: what searches and the register compare
    Data nascimento;          // the accepted birth date
    QString observacoes;      // line breaks as "\n"

    bool ok() const { return recusa == Recusa::Nenhuma; }
    // The message the entry dialog shows for this refusal (for message boxes and the command line).
    QString Mensagem() const;
    // A short reason, for lists of refused rows.
    QString Motivo() const;
};

// Checks a client: the date first, then the name, as the entry dialog does, then the notes.
// `hoje` completes a date typed without a year. With `aparar` the blanks around the name are
// removed first (the register and spreadsheet files); without it the name is taken as given, as
// the entry dialog takes it.
VerificacaoCliente VerificarCliente(const QString& nome, const QString& data, const Data& hoje,
                                    const QString& observacoes = {}, bool aparar = true);

// The name checks alone, in the entry dialog's order and with its messages: the engine's rule
// (VerificarNomeUtf8, engine/entrada.h) with the limit of the boxes, for a spelling of a name that
// goes with a date already checked (the name study). On success `nome`, `nomeAnalise`,
// `nomeDigitado` and `chave` are filled; `nascimento` and `observacoes` are left empty.
VerificacaoCliente VerificarNome(const QString& nome, bool aparar = true);

// The checks of a spelling of the name study other than the birth name (a nickname, a stage name:
// "Zé", "Bia"): as VerificarNome, except that at least one letter is enough.
VerificacaoCliente VerificarGrafia(const QString& nome, bool aparar = true);
// True when the Windows-1252 name holds a letter that the analyses count (A to Z, accents folded).
bool TemLetra(const std::string& nomeCp1252);
// The name study's message for a refusal: of the birth name (`nascimento`) or of another spelling.
QString MensagemEstudo(const VerificacaoCliente& v, bool nascimento);

// The form a text takes for searching and for recognising the same person: upper case with the
// accents folded by the letter table of the analyses (so "Conceição" and "CONCEICAO" meet).
// Characters Windows-1252 cannot hold are kept, upper-cased.
QString ChaveDeBusca(const QString& texto);

// Dates as the register keeps them (yyyy-mm-dd, which sorts) and as the program shows them.
QString DataIso(const Data& d);
std::optional<Data> LerDataIso(QStringView texto);
QString DataExibida(const Data& d); // dd/mm/yyyy
Data DataDe(const QDate& d);

} // namespace oraculandia
