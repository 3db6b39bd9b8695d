#include "estudo/qt/impressao_estudo.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>

#include "layout/qt/cp1252_qt.h"
#include "layout/qt/superficie_qt.h"
#include "print/qt/folhas_documento.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/servicos_impressao.h"

namespace oraculandia {

namespace {

constexpr uint32_t kFundoDiferente = 0xD9D9D9; // the grey behind a number that differs
constexpr double kFolga = 1.0;                 // space around the text of a table cell, millimetres

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Draws the pages of one study. Texts are drawn as Unicode through the surface's painter and
// font: the working holds arrows that Windows-1252 (the surface's own texts) has no room for.
class PaginasEstudo : public FolhasDocumento {
public:
    PaginasEstudo(QPrinter& impressora, SuperficieQt& s, const FolhasEstudo& folhas)
        : FolhasDocumento(impressora, s, folhas.contexto), folhas_(folhas) {}

    void Imprimir(const EstudoNome& estudo) {
        Comecar();
        Fonte(folhas_.fontes.FonteTitulo, false);
        Linha(QStringLiteral("Estudo do Nome"), esquerda_);
        y_ += 1;
        Fonte(folhas_.fontes.FonteCorpo, false);
        Linha(QStringLiteral("Data de nascimento: %1 (Caminho da Vida %2)")
                  .arg(Q(FormatarData(estudo.nascimento)))
                  .arg(estudo.caminhoVida),
              esquerda_);
        y_ += 4;
        Tabela(estudo);
        for (std::size_t i = 0; i < estudo.grafias.size(); ++i) {
            y_ += 5;
            Trabalho(estudo, i);
        }
    }

private:
    void Linha(const QString& t, double x) {
        Garantir(Altura());
        Escrever(x, y_, t);
        y_ += Altura();
    }

    // The text in lines no wider than `largura`, broken between words; a word wider than the
    // whole width is broken between its characters. Nothing is left out.
    // Column edges of a table: each number column at least as wide as the longest word of its
    // heading, and at least `fracao` of the width; the spelling takes the rest.
    void MedirColunas(const std::vector<const char*>& cabecalhos, double fracao) {
        const double total = direita_ - esquerda_;
        std::vector<double> larguras;
        double numeros = 0;
        s_.DefinirNegrito(true);
        for (const char* coluna : cabecalhos) {
            double largura = total * fracao;
            for (const QString& palavra : QString::fromUtf8(coluna).split(u' '))
                largura = std::max(largura, Largura(palavra) + 2 * kFolga + 0.5);
            larguras.push_back(largura);
            numeros += largura;
        }
        s_.DefinirNegrito(false);
        colunas_ = {esquerda_, esquerda_ + std::max(total - numeros, total / 5)};
        for (double largura : larguras)
            colunas_.push_back(colunas_.back() + largura);
        // Should the headings need more than the page gives, the number columns share what is left.
        if (colunas_.back() > direita_ + 0.01) {
            const int n = static_cast<int>(cabecalhos.size());
            const double passo = (direita_ - colunas_[1]) / n;
            for (int c = 2; c <= n + 1; ++c)
                colunas_[static_cast<std::size_t>(c)] = colunas_[1] + passo * (c - 1);
        }
    }
    const std::vector<double>& Colunas() const { return colunas_; }

    struct Celula {
        QString texto;
        bool destaque = false;
    };

    // One row of the table. A row moves to a new sheet as a whole, under the headings again.
    void LinhaTabela(const std::vector<Celula>& celulas, bool cabecalho) {
        const std::vector<double> x = Colunas();
        std::vector<QStringList> linhas;
        int maximo = 1;
        for (std::size_t c = 0; c < celulas.size(); ++c) {
            s_.DefinirNegrito(cabecalho || celulas[c].destaque);
            linhas.push_back(Quebrar(celulas[c].texto, x[c + 1] - x[c] - 2 * kFolga));
            maximo = std::max(maximo, static_cast<int>(linhas.back().size()));
        }
        const double altura = maximo * Altura() + 2 * kFolga;
        if (Garantir(altura) && !cabecalho) {
            LinhaTabela(titulos_, true);
            s_.DefinirNegrito(false);
        }
        s_.Retangulo(x.front(), y_, x.back(), y_ + 0.2, kCorPreta);
        for (std::size_t c = 0; c < celulas.size(); ++c) {
            if (celulas[c].destaque)
                s_.Retangulo(x[c] + 0.1, y_ + 0.2, x[c + 1] - 0.1, y_ + altura, kFundoDiferente);
            s_.DefinirNegrito(cabecalho || celulas[c].destaque);
            double yl = y_ + kFolga;
            for (const QString& l : linhas[c]) {
                // Numbers are centred under their heading; spellings start at the left.
                const double xl = c == 0 ? x[c] + kFolga : (x[c] + x[c + 1] - Largura(l)) / 2;
                Escrever(xl, yl, l);
                yl += Altura();
            }
        }
        for (double xc : x)
            s_.Retangulo(xc - 0.1, y_, xc + 0.1, y_ + altura, kCorPreta);
        y_ += altura;
        s_.Retangulo(x.front(), y_, x.back(), y_ + 0.2, kCorPreta);
        s_.DefinirNegrito(false);
    }

    void Tabela(const EstudoNome& estudo) {
        Fonte(folhas_.fontes.FonteDescricao, false);
        MedirColunas(std::vector<const char*>(std::begin(kColunasEstudo), std::end(kColunasEstudo)), 1.0 / 9);
        titulos_ = {{QStringLiteral("Grafia"), false}};
        for (const char* coluna : kColunasEstudo)
            titulos_.push_back({QString::fromUtf8(coluna), false});
        LinhaTabela(titulos_, true);
        for (std::size_t i = 0; i < estudo.grafias.size(); ++i) {
            const EstudoGrafia& g = estudo.grafias[i];
            const DiferencasGrafia d = CompararComNascimento(estudo, i);
            const bool difere[6] = {d.expressao,     d.alma,           d.silencioso,
                                    d.primeiraVogal, d.caracteristica, d.realidade};
            std::vector<Celula> linha{{Cp1252ParaQStringSemControles(g.digitado), false}};
            const std::vector<std::string> numeros = CelulasGrafia(g);
            for (std::size_t c = 0; c < numeros.size(); ++c)
                linha.push_back({Q(numeros[c]) + (difere[c] ? QStringLiteral("*") : QString()), difere[c]});
            LinhaTabela(linha, false);
        }
        TabelaCarmica(estudo);
        if (estudo.grafias.size() > 1) {
            y_ += 1;
            s_.DefinirItalico(true);
            Linha(QStringLiteral("* difere do nome de nascimento"), esquerda_);
            s_.DefinirItalico(folhas_.fontes.FonteDescricao.Italico != 0);
        }
    }

    // The karmic lessons, debts and master numbers of each spelling, in a table of their own
    // below the six numbers, marked the same way.
    void TabelaCarmica(const EstudoNome& estudo) {
        y_ += 2;
        MedirColunas(std::vector<const char*>(std::begin(kColunasCarmicas), std::end(kColunasCarmicas)),
                     1.0 / 6);
        titulos_ = {{QStringLiteral("Grafia"), false}};
        for (const char* coluna : kColunasCarmicas)
            titulos_.push_back({QString::fromUtf8(coluna), false});
        LinhaTabela(titulos_, true);
        for (std::size_t i = 0; i < estudo.grafias.size(); ++i) {
            const EstudoGrafia& g = estudo.grafias[i];
            const DiferencasGrafia d = CompararComNascimento(estudo, i);
            const bool difere[3] = {d.licoes, d.dividas, d.mestres};
            std::vector<Celula> linha{{Cp1252ParaQStringSemControles(g.digitado), false}};
            const std::vector<std::string> celulas = CelulasCarmicas(g);
            for (std::size_t c = 0; c < celulas.size(); ++c)
                linha.push_back({Q(celulas[c]) + (difere[c] ? QStringLiteral("*") : QString()), difere[c]});
            LinhaTabela(linha, false);
        }
    }

    void Trabalho(const EstudoNome& estudo, std::size_t i) {
        const std::vector<std::string> linhas = LinhasTrabalho(estudo.grafias[i], estudo.caminhoVida);
        Fonte(folhas_.fontes.FonteCorpo, true);
        // The heading stays with the first lines of its working.
        Garantir(4 * Altura());
        Linha(i == 0 ? QStringLiteral("Nome de nascimento") : QStringLiteral("Grafia %1").arg(i + 1),
              esquerda_);
        Fonte(folhas_.fontes.FonteCorpo, false);
        const double recuo = Largura(QStringLiteral("    "));
        for (const std::string& linha : linhas) {
            const QString texto = Q(linha);
            // The working's own indentation is kept; lines broken for width go on further in.
            int espacos = 0;
            while (espacos < texto.size() && texto[espacos] == u' ')
                ++espacos;
            const double x = esquerda_ + Largura(texto.left(espacos));
            const QStringList partes = Quebrar(texto.mid(espacos), direita_ - x - recuo);
            for (int k = 0; k < partes.size(); ++k)
                Linha(partes[k], k == 0 ? x : x + recuo);
        }
    }

    const FolhasEstudo& folhas_;
    std::vector<double> colunas_; // the table's column edges, millimetres
    std::vector<Celula> titulos_; // the table's headings, drawn again on every sheet it runs over
};

} // namespace

ResultadoImpressao ImprimirEstudo(const EstudoNome& estudo, const FolhasEstudo& folhas,
                                  QPrinter& impressora) {
    return ImprimirDocumento(impressora, folhas.contexto.MargensImpressao,
                             [&](QPrinter& p, SuperficieQt& superficie) {
                                 PaginasEstudo paginas(p, superficie, folhas);
                                 paginas.Imprimir(estudo);
                                 return !paginas.falhou;
                             });
}

ResultadoQt<void> GravarPdfEstudo(const EstudoNome& estudo, const FolhasEstudo& folhas,
                                  const QPageLayout& pagina, const QString& destino) {
    return GravarPdfDocumento(pagina,
                              QStringLiteral("Estudo do Nome - %1")
                                  .arg(Cp1252ParaQStringSemControles(folhas.contexto.NomeCompleto)),
                              destino, [&](QPrinter& pdf) { return ImprimirEstudo(estudo, folhas, pdf); });
}

} // namespace oraculandia
