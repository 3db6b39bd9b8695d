#include "print/qt/pdf_analise.h"

#include <QPrinter>

namespace oraculandia {

void PrepararPdf(QPrinter& pdf, const QPageLayout& pagina, const QString& titulo) {
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(pagina);
    pdf.setCreator(QStringLiteral("Oraculandia"));
    pdf.setDocName(titulo);
}

} // namespace oraculandia
