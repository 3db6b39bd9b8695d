#pragma once
// The name study on paper: a printer or a PDF file. The pages carry the program's header and
// footer lines (rodape.dat) and page numbers, drawn by the same page machinery as the analysis,
// inside the print margins (margens.dat), with the report fonts (fontes.dat): the title font for
// the title, the description font for the table, the body font for the working.
//
// The printed study: the title, the birth date with its Life Path, the table of the spellings
// (numbers that differ from the birth name's in bold, on a grey background, with an asterisk),
// then the working of every spelling, over as many pages as it needs.

#include <QPageLayout>
#include <QString>

#include "dados/fontes.h"
#include "estudo/estudo_nome.h"
#include "layout/paginacao.h"
#include "print/qt/trabalho_impressao.h"

class QPrinter;

namespace oraculandia {

// What a study is printed with, besides the study itself.
struct FolhasEstudo {
    ContextoPagina contexto; // header and footer lines, margins, the birth name and date
    FontesAnalise fontes;
};

// Prints on the printer or PDF printer as it is set up (page, output file). Margins no sheet can
// take are refused before anything is printed.
ResultadoImpressao ImprimirEstudo(const EstudoNome& estudo, const FolhasEstudo& folhas, QPrinter& impressora);

// Writes the study as a PDF file on `pagina`: under a temporary name in the target's folder, given
// the name `destino` (replacing a file there) only when complete. The reason instead
// (Portuguese, to follow "Não foi possível salvar o estudo no arquivo PDF X: "), when nothing was
// written.
ResultadoQt<void> GravarPdfEstudo(const EstudoNome& estudo, const FolhasEstudo& folhas,
                                  const QPageLayout& pagina, const QString& destino);

} // namespace oraculandia
