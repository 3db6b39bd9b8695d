#pragma once
// The consultation tools on paper: a printer or a PDF file, with the program's header and footer
// lines (rodape.dat) and page numbers drawn by the page machinery of the analysis, inside the print
// margins (margens.dat) and with the report fonts (fontes.dat): the title font for the title, the
// description font for the headings and tables, the body font for the texts.
//
// A document is a list of blocks (headings, paragraphs, tables) that the windows build from what
// they show; the pages are filled in order, a table row never split over two sheets.

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <vector>

#include "dados/fontes.h"
#include "layout/paginacao.h"
#include "print/qt/trabalho_impressao.h"

class QPrinter;

namespace oraculandia {

struct BlocoConsulta {
    enum class Tipo { Titulo, Subtitulo, Paragrafo, Tabela };
    Tipo tipo = Tipo::Paragrafo;
    QString texto;                            // Titulo, Subtitulo, Paragrafo
    QStringList colunas;                      // Tabela: the headings
    std::vector<QStringList> linhas;          // Tabela: the cells
    std::vector<std::vector<bool>> destaques; // Tabela: cells in bold on grey (may be empty)
};

struct DocumentoConsulta {
    QString titulo; // the PDF's title
    std::vector<BlocoConsulta> blocos;
    // Adds a block; the texts of paragraphs may hold several lines ("\n").
    void Titulo(const QString& t) { blocos.push_back({BlocoConsulta::Tipo::Titulo, t, {}, {}, {}}); }
    void Subtitulo(const QString& t) { blocos.push_back({BlocoConsulta::Tipo::Subtitulo, t, {}, {}, {}}); }
    void Paragrafo(const QString& t) { blocos.push_back({BlocoConsulta::Tipo::Paragrafo, t, {}, {}, {}}); }
    void Tabela(const QStringList& colunas, std::vector<QStringList> linhas,
                std::vector<std::vector<bool>> destaques = {}) {
        blocos.push_back({BlocoConsulta::Tipo::Tabela, {}, colunas, std::move(linhas), std::move(destaques)});
    }
};

struct FolhasConsulta {
    ContextoPagina contexto;
    FontesAnalise fontes;
};

// Prints on the printer or PDF printer as it is set up. Margins no sheet can take are refused
// before anything is printed.
ResultadoImpressao ImprimirConsulta(const DocumentoConsulta& doc, const FolhasConsulta& folhas,
                                    QPrinter& impressora);

// Writes the document as a PDF file: under a temporary name in the target's folder, given the name
// `destino` only when complete. The reason instead when nothing was written.
ResultadoQt<void> GravarPdfConsulta(const DocumentoConsulta& doc, const FolhasConsulta& folhas,
                                    const QPageLayout& pagina, const QString& destino);

} // namespace oraculandia
