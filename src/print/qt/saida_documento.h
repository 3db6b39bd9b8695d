#pragma once
// What the documents printed outside the print dialog (the name study, the forecasts, the harmony)
// share on their way to the printer: the context of their sheets and the print button's steps.

#include <QString>
#include <functional>
#include <string>

#include "layout/paginacao.h"
#include "print/qt/trabalho_impressao.h"

class QPrinter;
class QWidget;

namespace oraculandia {

struct Programa;

// The header and footer of the sheets with the margins of margens.dat as the print dialog takes
// them (a margin no sheet could take becomes the default; the file is only read, never written),
// and the person of the header: `nomeCp1252` and `data` (dd/mm/yyyy), either may be empty.
ContextoPagina ContextoDocumento(const Programa& programa, const std::string& nomeCp1252,
                                 const std::string& data, double larguraImprimivel, double alturaImprimivel);

// The print button: the printer chosen in the system's print dialog, or, without any printer, the
// offer to save a PDF instead (`salvarPdf`). `imprimir` prints on the printer, given the page's
// printable width and height in millimetres. `oque` names the document in messages ("o estudo").
void ImprimirNaImpressora(QWidget* janela, Programa& programa, const QString& oque,
                          const std::function<ResultadoImpressao(QPrinter&, double, double)>& imprimir,
                          const std::function<void()>& salvarPdf);

} // namespace oraculandia
