#pragma once
// The print job proper: the analysis of the current subject, composed again, laid out on a
// printer (a real one or a PDF file) by the same section walker as the screen, with the print
// margins, the colour mode and the optional cover sheet.

#include <QString>
#include <functional>

#include "programa/qt/falhas.h"

class QPainter;
class QPrinter;

namespace oraculandia {

struct Margens;
struct Programa;
class SuperficieQt;

// A finished job: the sheets of the analysis, the cover not counted (0 for the other
// documents); or what failed, in Portuguese.
using ResultadoImpressao = ResultadoQt<int>;

// Uses programa.MargensImpressao, the settings (PretoEmBranco for the colour mode, the selection
// and the print options), the report fonts and the header and footer lines. Recomposes
// programa.Secoes for programa's subject with today's date. The printer's page layout is used
// as it is set.
// A job whose margins no sheet can take (see limites_margens.h) is refused before anything is
// printed: the failure says which margin and its limits, and no document is started.
ResultadoImpressao ImprimirAnalise(Programa& programa, QPrinter& impressora, bool folhaRosto);

// Starts a document on the printer (or PDF file); when it could not start, the reason in
// Portuguese (a file that could not be created, a printer that refused the job).
ResultadoQt<void> ComecarDocumento(QPainter& pintor, QPrinter& impressora);
// The reason given for a document that failed after it started.
QString FalhaDoDocumento(const QPrinter& impressora);

// Why a job refuses the margins on a page of the given printable size (millimetres), as a phrase
// in Portuguese ("a margem superior (-1e+30 mm) está fora ..."); empty when it takes them.
QString MotivoMargensRecusadas(const Margens& margens, double largura, double altura);

// One document on the printer (or PDF file) drawn by `desenhar` on a surface over the printer's
// painter: the margins are checked against the page first (refused: nothing started, the failure
// says why), the document is started, drawn and ended. `desenhar` returns false when a page
// could not be started; that or a printer in error makes the result a failure with
// FalhaDoDocumento as the reason, an exception while drawing one that tells it as such.
ResultadoImpressao ImprimirDocumento(QPrinter& impressora, const Margens& margens,
                                     const std::function<bool(QPrinter&, SuperficieQt&)>& desenhar);

} // namespace oraculandia
