#include "consulta/qt/impressao_consulta.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "layout/qt/superficie_qt.h"
#include "print/qt/folhas_documento.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/servicos_impressao.h"

namespace oraculandia {

namespace {

constexpr uint32_t kFundoDestaque = 0xD9D9D9; // the grey behind a marked cell
constexpr double kFolga = 1.0;                // space around the text of a table cell, millimetres

// Draws the pages of one document. Texts are drawn as Unicode through the surface's painter and
// font, as the name study does.
class PaginasConsulta : public FolhasDocumento {
public:
    PaginasConsulta(QPrinter& impressora, SuperficieQt& s, const FolhasConsulta& folhas)
        : FolhasDocumento(impressora, s, folhas.contexto), folhas_(folhas) {}

    void Imprimir(const DocumentoConsulta& doc) {
        Comecar();
        for (const BlocoConsulta& b : doc.blocos) {
            switch (b.tipo) {
            case BlocoConsulta::Tipo::Titulo:
                Fonte(folhas_.fontes.FonteTitulo, false);
                Texto(b.texto);
                y_ += 2;
                break;
            case BlocoConsulta::Tipo::Subtitulo:
                y_ += 3;
                Fonte(folhas_.fontes.FonteDescricao, true);
                Garantir(4 * Altura()); // a heading stays with what follows it
                Texto(b.texto);
                y_ += 1;
                break;
            case BlocoConsulta::Tipo::Paragrafo:
                Fonte(folhas_.fontes.FonteCorpo, false);
                Texto(b.texto);
                y_ += 1.5;
                break;
            case BlocoConsulta::Tipo::Tabela:
                Fonte(folhas_.fontes.FonteDescricao, false);
                Tabela(b);
                y_ += 2;
                break;
            }
        }
    }

private:
    // Lines no wider than `largura`, broken between words; a word wider than the whole width is
    // broken between its characters. Nothing is left out.
    void Texto(const QString& texto) {
        for (const QString& l : Quebrar(texto, direita_ - esquerda_)) {
            Garantir(Altura());
            Escrever(esquerda_, y_, l);
            y_ += Altura();
        }
    }

    // Column edges: each column as wide as its widest word (heading or cell) needs, the rest of
    // the width shared in proportion to the longest text of each column.
    std::vector<double> Colunas(const BlocoConsulta& b) {
        const std::size_t n = static_cast<std::size_t>(b.colunas.size());
        std::vector<double> minimo(n, 0), desejo(n, 0);
        auto medir = [&](std::size_t c, const QString& t, bool negrito) {
            s_.DefinirNegrito(negrito);
            for (const QString& palavra : t.split(u' '))
                minimo[c] = std::max(minimo[c], Largura(palavra) + 2 * kFolga + 0.5);
            desejo[c] = std::max(desejo[c], Largura(t) + 2 * kFolga + 0.5);
        };
        for (std::size_t c = 0; c < n; ++c)
            medir(c, b.colunas[static_cast<qsizetype>(c)], true);
        for (const QStringList& l : b.linhas)
            for (std::size_t c = 0; c < n && c < static_cast<std::size_t>(l.size()); ++c)
                medir(c, l[static_cast<qsizetype>(c)], false);
        s_.DefinirNegrito(false);
        const double total = direita_ - esquerda_;
        double somaMin = 0, somaDesejo = 0;
        for (std::size_t c = 0; c < n; ++c) {
            somaMin += minimo[c];
            somaDesejo += desejo[c];
        }
        std::vector<double> largura(n);
        for (std::size_t c = 0; c < n; ++c) {
            if (somaDesejo <= total)
                largura[c] = desejo[c] + (total - somaDesejo) / static_cast<double>(n);
            else if (somaMin <= total)
                largura[c] = minimo[c] + (total - somaMin) * (desejo[c] - minimo[c]) /
                                             std::max(1e-9, somaDesejo - somaMin);
            else
                largura[c] = total / static_cast<double>(n);
        }
        std::vector<double> x{esquerda_};
        for (double l : largura)
            x.push_back(x.back() + l);
        return x;
    }

    void Linha(const std::vector<double>& x, const QStringList& celulas, const std::vector<bool>& destaque,
               bool cabecalho, const BlocoConsulta& b) {
        std::vector<QStringList> linhas;
        int maximo = 1;
        for (std::size_t c = 0; c + 1 < x.size(); ++c) {
            const bool d = c < destaque.size() && destaque[c];
            s_.DefinirNegrito(cabecalho || d);
            const QString t =
                c < static_cast<std::size_t>(celulas.size()) ? celulas[static_cast<qsizetype>(c)] : QString();
            linhas.push_back(Quebrar(t, x[c + 1] - x[c] - 2 * kFolga));
            maximo = std::max(maximo, static_cast<int>(linhas.back().size()));
        }
        const double altura = maximo * Altura() + 2 * kFolga;
        if (Garantir(altura) && !cabecalho) {
            Linha(x, b.colunas, {}, true, b);
        }
        s_.Retangulo(x.front(), y_, x.back(), y_ + 0.2, kCorPreta);
        for (std::size_t c = 0; c + 1 < x.size(); ++c) {
            const bool d = c < destaque.size() && destaque[c];
            if (d)
                s_.Retangulo(x[c] + 0.1, y_ + 0.2, x[c + 1] - 0.1, y_ + altura, kFundoDestaque);
            s_.DefinirNegrito(cabecalho || d);
            double yl = y_ + kFolga;
            for (const QString& l : linhas[c]) {
                Escrever(x[c] + kFolga, yl, l);
                yl += Altura();
            }
        }
        for (double xc : x)
            s_.Retangulo(xc - 0.1, y_, xc + 0.1, y_ + altura, kCorPreta);
        y_ += altura;
        s_.Retangulo(x.front(), y_, x.back(), y_ + 0.2, kCorPreta);
        s_.DefinirNegrito(false);
    }

    void Tabela(const BlocoConsulta& b) {
        const std::vector<double> x = Colunas(b);
        Linha(x, b.colunas, {}, true, b);
        for (std::size_t i = 0; i < b.linhas.size(); ++i)
            Linha(x, b.linhas[i], i < b.destaques.size() ? b.destaques[i] : std::vector<bool>{}, false, b);
    }

    const FolhasConsulta& folhas_;
};

} // namespace

ResultadoImpressao ImprimirConsulta(const DocumentoConsulta& doc, const FolhasConsulta& folhas,
                                    QPrinter& impressora) {
    return ImprimirDocumento(impressora, folhas.contexto.MargensImpressao,
                             [&](QPrinter& p, SuperficieQt& superficie) {
                                 PaginasConsulta paginas(p, superficie, folhas);
                                 paginas.Imprimir(doc);
                                 return !paginas.falhou;
                             });
}

ResultadoQt<void> GravarPdfConsulta(const DocumentoConsulta& doc, const FolhasConsulta& folhas,
                                    const QPageLayout& pagina, const QString& destino) {
    return GravarPdfDocumento(pagina, doc.titulo, destino,
                              [&](QPrinter& pdf) { return ImprimirConsulta(doc, folhas, pdf); });
}

} // namespace oraculandia
