#pragma once
// Analyses written straight to PDF files, without any window: what the print dialog's "Salvar em
// PDF" writes for a person, with the same settings of the program folder (cover sheet, colour,
// margins, report fonts, header and footer lines) and the same page.
//
// Everything that does not depend on the person is done once, when the generator is made: the
// settings are read, the page is taken from the printer services and one PDF printer is set up;
// the print job keeps the shaped words and the pictures between reports. Each report is written
// under a temporary name in the target folder and takes its name only when complete.

#include <QPageLayout>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/datas.h"

class QPrinter;

namespace oraculandia {

struct Programa;

class GeradorPdf {
public:
    // `hoje` is the day whose universal and personal numbers the reports show.
    GeradorPdf(const std::filesystem::path& pastaPrograma, const Data& hoje);
    ~GeradorPdf();
    GeradorPdf(const GeradorPdf&) = delete;
    GeradorPdf& operator=(const GeradorPdf&) = delete;

    // Writes the analysis of `nome` (Windows-1252, as accepted by the entry: upper case, accents
    // folded) born on `nascimento` to `destino`. An existing file is replaced only with
    // `substituir`. False, with the reason in `erro` (Portuguese), when nothing was written.
    // `nomeDigitado` (Windows-1252, as typed) is what the pages and the document title show;
    // empty: `nome`.
    bool Gravar(const std::string& nome, const Data& nascimento, const QString& destino, bool substituir,
                QString* erro, const std::string& nomeDigitado = {});

    // Whether the footer of the reports is still the placeholder for the numerologist's contacts.
    bool RodapeProvisorio() const;

private:
    struct Servicos;
    std::unique_ptr<Servicos> servicos_;
    std::unique_ptr<Programa> programa_;
    std::unique_ptr<QPrinter> pdf_;
    QPageLayout pagina_;
};

} // namespace oraculandia
