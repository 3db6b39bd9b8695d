#pragma once
// Client lists as Brazilian spreadsheets write them: text with ";" between the columns nome,
// nascimento and observacoes, a field in double quotes when it holds ";", quotes (doubled) or
// line breaks; UTF-8 with or without the byte order mark. A field that a spreadsheet would run as
// a formula (one starting with "=", "+", "-", "@", a tab or CR) is written with an apostrophe in
// front, the mark spreadsheets take for "this is text", and the reader takes that apostrophe away
// again (as it does before an apostrophe so written), so that export and import give back the
// same text. A line that is not valid UTF-8 is read
// as Windows-1252, which is what older spreadsheets save as "CSV", and the reader says so.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "clientes/qt/cadastro_clientes.h"
#include "clientes/qt/regras_cliente.h"

namespace oraculandia {

// Larger files are refused whole rather than read in part.
inline constexpr qint64 kMaximoArquivoCsv = 32LL * 1024 * 1024;

// One record of the file, with the line where it starts (1 for the first line).
struct RegistroCsv {
    int linha = 0;
    QStringList campos;
    bool aspasAbertas = false; // a quoted field ran to the end of the file without closing
};

// Splits the text into records. Never fails: a quote inside an unquoted field is kept as a
// character, text after a closing quote is kept, and a quote never closed ends the file with a
// record marked aspasAbertas. Blank lines are skipped.
std::vector<RegistroCsv> DividirCsv(QStringView texto);

// The text of a CSV file.
struct TextoCsv {
    QString texto;
    QString aviso; // which encoding was used for which lines (Portuguese); empty when all UTF-8
};

// Reads a CSV file whole. The file is opened without blocking and must be a regular file (a
// named pipe or a device under its name is refused, never waited on) of at most
// kMaximoArquivoCsv bytes. The reason otherwise.
ResultadoQt<TextoCsv> LerArquivoCsv(const QString& caminho);
// The text of a file's bytes: UTF-8 (the mark removed), each line that is not UTF-8 read as
// Windows-1252, told in the notice. The reason instead for UTF-16 files and files with null bytes
// (not text).
ResultadoQt<TextoCsv> DecodificarCsv(const QByteArray& bytes);

struct LinhaRecusada {
    int linha = 0;
    QString motivo;
};

// The clients of a file, each checked by the entry's rules.
struct ClientesCsv {
    std::vector<VerificacaoCliente> validos;
    std::vector<int> linhas; // line of each valid client
    std::vector<LinhaRecusada> recusadas;
};

// True for a header line: "nome;nascimento;..." (any case, with or without accents).
bool EhCabecalhoCsv(const RegistroCsv& registro);
// Checks one record (its columns, then the client by the entry's rules). The reason instead for a
// refused record.
ResultadoQt<VerificacaoCliente> VerificarRegistroCsv(const RegistroCsv& registro, const Data& hoje);

// Checks every record: a first line "nome;nascimento;..." is taken as the header and skipped;
// extra columns must be empty. `hoje` completes dates typed without a year.
ClientesCsv VerificarCsv(const std::vector<RegistroCsv>& registros, const Data& hoje);

// The register as a file: the mark, the header line, one line per client (CR LF at the end of
// each), fields quoted where needed.
QByteArray EscreverCsv(const std::vector<Cliente>& clientes);
QString CampoCsv(const QString& campo);

// Writes the bytes under a temporary name and renames it when complete: a failure leaves any
// earlier file as it was.
ResultadoQt<void> GravarArquivo(const QString& caminho, const QByteArray& bytes);

} // namespace oraculandia
