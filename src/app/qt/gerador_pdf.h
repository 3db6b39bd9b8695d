#pragma once
// Analyses written straight to PDF files, without any window: what the print dialog's "Salvar em
// PDF" writes for a person, with the same settings of the program folder (cover sheet, colour,
// margins, report fonts, header and footer lines) and the same page.
//
// Everything that does not depend on the person is done once, when the generator is made: the
// settings are read and the page is taken from the printer services; the print job keeps the
// shaped words and the pictures between reports. Each report gets a PDF printer of its own (one
// that failed once, on a full disk, goes on failing without a word), is written under a temporary
// name in the target folder and takes its name only when the file is complete: not empty, and
// ending as a PDF ends. An interrupted run (Ctrl+C, SIGTERM) removes the file it was writing; the
// next run removes the ones an earlier run could not (a killed process, a power cut).

#include <QDateTime>
#include <QPageLayout>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/datas.h"
#include "programa/qt/falhas.h"

namespace oraculandia {

struct Programa;
class ServicosImpressao;

class GeradorPdf {
public:
    // `hoje` is the day whose universal and personal numbers the reports show. The page is taken
    // from `impressao` (which keeps the orientation given to the default printer).
    GeradorPdf(const std::filesystem::path& pastaPrograma, const Data& hoje, ServicosImpressao& impressao);
    ~GeradorPdf();
    GeradorPdf(const GeradorPdf&) = delete;
    GeradorPdf& operator=(const GeradorPdf&) = delete;

    // Writes the analysis of `nome` (Windows-1252, as accepted by the entry: upper case, accents
    // folded) born on `nascimento` to `destino`. An existing file is replaced only with
    // `substituir`. The reason (Portuguese) instead when nothing was written.
    // `nomeDigitado` (Windows-1252, as typed) is what the pages and the document title show;
    // empty: `nome`.
    ResultadoQt<void> Gravar(const std::string& nome, const Data& nascimento, const QString& destino,
                             bool substituir, const std::string& nomeDigitado = {});

    // Whether the footer of the reports is still the placeholder for the numerologist's contacts.
    bool RodapeProvisorio() const;

    // Removes from `pasta` the temporary files that this program's reports left there before
    // this run began (named exactly as CriarTemporarioPdf names them, ordinary files, last
    // written more than ten minutes before `inicio`, so that a report another instance is
    // writing into the same folder is not taken from it). Returns how many were removed.
    static int RemoverTemporariosAntigos(const QString& pasta, const QDateTime& inicio);

private:
    struct Servicos;
    class GuardarArquivoEmCurso;
    std::unique_ptr<Servicos> servicos_;
    std::unique_ptr<Programa> programa_;
    QPageLayout pagina_;
};

} // namespace oraculandia
