#pragma once
// How an analysis is set up as a PDF document, shared by the print dialog's "Salvar em PDF" and
// the reports made without the window, so that both write the same file.

#include <QPageLayout>
#include <QString>

class QPrinter;

namespace oraculandia {

// A high-resolution PDF printer with the page of `pagina` (the default printer's, or A4 with the
// PDF writer's printable area), the program as creator and `titulo` (the subject's name) as the
// document's title. The output file is set by the caller.
void PrepararPdf(QPrinter& pdf, const QPageLayout& pagina, const QString& titulo);

} // namespace oraculandia
