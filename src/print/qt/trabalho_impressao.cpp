#include "print/qt/trabalho_impressao.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRawFont>
#include <QSvgRenderer>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <unordered_map>

#include "app/qt/programa.h"
#include "layout/paginacao.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"

namespace oraculandia {

namespace {

// The printer's surface: SuperficieQt with two changes for paper.
//   * Words are drawn from glyph runs shaped once per font and word. On a printer or PDF
//     device Qt shapes every drawn text again (its cached static text only helps on screen),
//     and an analysis draws its words one by one for justification, so shaping would be most
//     of the cost of a print job.
//   * In black and white, pictures are drawn as grey images (at 300 dpi, sharp on paper): the
//     PDF writer turns plain colours to grey but leaves gradients in colour, and a printer
//     driver may do the same.
// Everything else goes to the real surface unchanged.
class SuperficieImpressora final : public SuperficieDesenho {
public:
    SuperficieImpressora(SuperficieQt& base, bool cinza) : b_(base), cinza_(cinza) {}
    void EscalaMilimetros() override { b_.EscalaMilimetros(); }
    double X() const override { return b_.X(); }
    double Y() const override { return b_.Y(); }
    void DefinirX(double x) override { b_.DefinirX(x); }
    void DefinirY(double y) override { b_.DefinirY(y); }
    std::string NomeFonte() const override { return b_.NomeFonte(); }
    double TamanhoFonte() const override { return b_.TamanhoFonte(); }
    bool Negrito() const override { return b_.Negrito(); }
    bool Italico() const override { return b_.Italico(); }
    void DefinirNomeFonte(const std::string& nome) override { b_.DefinirNomeFonte(nome); }
    void DefinirTamanhoFonte(double pontos) override { b_.DefinirTamanhoFonte(pontos); }
    void DefinirNegrito(bool negrito) override { b_.DefinirNegrito(negrito); }
    void DefinirItalico(bool italico) override { b_.DefinirItalico(italico); }
    void DefinirCor(uint32_t rgb) override {
        b_.DefinirCor(rgb);
        cor_ = QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u));
    }
    double LarguraTexto(std::string_view texto) override { return b_.LarguraTexto(texto); }
    double AlturaTexto(std::string_view texto) override { return b_.AlturaTexto(texto); }
    void Retangulo(double x1, double y1, double x2, double y2, uint32_t rgb) override {
        Descarregar();
        b_.Retangulo(x1, y1, x2, y2, rgb);
    }
    double LarguraEscala() const override { return b_.LarguraEscala(); }
    double AlturaEscala() const override { return b_.AlturaEscala(); }

    void Imprimir(std::string_view texto) override {
        if (texto.empty()) {
            return;
        }
        const QFont& fonte = b_.FonteQt();
        auto& palavras = glifos_[&fonte];
        auto it = palavras.find(texto);
        if (it == palavras.end()) {
            QTextLayout layout(SuperficieQt::Texto(texto), fonte, b_.Pintor().device());
            QTextOption opcao;
            opcao.setWrapMode(QTextOption::NoWrap);
            layout.setTextOption(opcao);
            layout.beginLayout();
            QTextLine linha = layout.createLine();
            if (linha.isValid()) {
                linha.setPosition(QPointF(0, 0));
            }
            layout.endLayout();
            it = palavras.emplace(std::string(texto), layout.glyphRuns()).first;
        }
        // The words of one line are gathered and drawn as one run per face: the printer gets one
        // text object per line instead of one per word.
        if (!pendentes_.empty() && (b_.Y() != yPendente_ || cor_ != corPendente_)) {
            Descarregar();
        }
        yPendente_ = b_.Y();
        corPendente_ = cor_;
        const QPointF origem(b_.X() * 100.0, b_.Y() * 100.0);
        for (const QGlyphRun& run : it->second) {
            const QRawFont face = run.rawFont();
            auto pendente = std::find_if(pendentes_.begin(), pendentes_.end(),
                                         [&face](const Pendente& p) { return p.face == face; });
            if (pendente == pendentes_.end()) {
                pendentes_.push_back(Pendente{face, {}, {}});
                pendente = std::prev(pendentes_.end());
            }
            pendente->glifos += run.glyphIndexes();
            for (const QPointF& posicao : run.positions()) {
                pendente->posicoes.append(posicao + origem);
            }
        }
    }

    // Draws the words gathered for the current line.
    void Descarregar() {
        if (pendentes_.empty()) {
            return;
        }
        QPainter& p = b_.Pintor();
        p.setPen(corPendente_);
        for (const Pendente& pendente : pendentes_) {
            QGlyphRun run;
            run.setRawFont(pendente.face);
            run.setGlyphIndexes(pendente.glifos);
            run.setPositions(pendente.posicoes);
            p.drawGlyphRun(QPointF(0, 0), run);
        }
        pendentes_.clear();
    }

    void ImprimirLinha(std::string_view texto) override {
        Imprimir(texto);
        b_.DefinirX(0);
        b_.DefinirY(b_.Y() + b_.AlturaTexto(texto));
    }

    void Figura(std::string_view nome, double x, double y, double largura, double altura) override {
        Descarregar();
        if (!cinza_) {
            b_.Figura(nome, x, y, largura, altura);
            return;
        }
        if (!(largura > 0 && altura > 0) || largura > 10000 || altura > 10000) {
            return;
        }
        // 300 dpi, but a picture as large as the page (the cover's border) is limited to about
        // two million pixels, which still gives 150 dpi on A4.
        double pixelsPorMm = 300.0 / 25.4;
        constexpr double kMaximoPixels = 2.0e6;
        const double pixels = largura * altura * pixelsPorMm * pixelsPorMm;
        if (pixels > kMaximoPixels) {
            pixelsPorMm *= std::sqrt(kMaximoPixels / pixels);
        }
        const QSize tamanho(std::max(1, static_cast<int>(std::lround(largura * pixelsPorMm))),
                            std::max(1, static_cast<int>(std::lround(altura * pixelsPorMm))));
        const QString chave = QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())) + u'@' +
                              QString::number(tamanho.width()) + u'x' + QString::number(tamanho.height());
        auto it = figuras_.find(chave);
        if (it == figuras_.end()) {
            QSvgRenderer desenho(
                QStringLiteral(":/imagens/%1.svg")
                    .arg(QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size()))));
            if (!desenho.isValid()) {
                return;
            }
            desenho.setAspectRatioMode(Qt::IgnoreAspectRatio);
            QImage cor(tamanho, QImage::Format_ARGB32_Premultiplied);
            cor.fill(Qt::transparent);
            {
                QPainter p(&cor);
                p.setRenderHint(QPainter::Antialiasing);
                desenho.render(&p, QRectF(QPointF(0, 0), QSizeF(tamanho)));
            }
            // Grey with the transparency kept, so the paper shows through around the picture.
            QImage cinza(tamanho, QImage::Format_ARGB32_Premultiplied);
            for (int yy = 0; yy < tamanho.height(); ++yy) {
                const QRgb* origem = reinterpret_cast<const QRgb*>(cor.constScanLine(yy));
                QRgb* destino = reinterpret_cast<QRgb*>(cinza.scanLine(yy));
                for (int xx = 0; xx < tamanho.width(); ++xx) {
                    const QRgb c = origem[xx];
                    const int g = qGray(qRed(c), qGreen(c), qBlue(c)); // premultiplied stays so
                    destino[xx] = qRgba(g, g, g, qAlpha(c));
                }
            }
            it = figuras_.emplace(chave, std::move(cinza)).first;
        }
        b_.Pintor().drawImage(QRectF(x * 100.0, y * 100.0, largura * 100.0, altura * 100.0), it->second);
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view t) const noexcept { return std::hash<std::string_view>{}(t); }
    };
    struct Pendente {
        QRawFont face;
        QList<quint32> glifos;
        QList<QPointF> posicoes;
    };
    SuperficieQt& b_;
    bool cinza_;
    std::vector<Pendente> pendentes_;
    double yPendente_ = 0;
    QColor corPendente_;
    QColor cor_ = Qt::black;
    std::map<QString, QImage> figuras_;
    std::unordered_map<const QFont*, std::unordered_map<std::string, QList<QGlyphRun>, Hash, std::equal_to<>>>
        glifos_;
};

// The printer as a page target: one painter for the whole document, a new sheet per page.
class AlvoImpressora final : public AlvoPaginas {
public:
    AlvoImpressora(QPrinter& impressora, SuperficieImpressora& superficie)
        : impressora_(impressora), superficie_(superficie) {}
    SuperficieDesenho& Superficie() override { return superficie_; }
    void NovaFolha() override {
        superficie_.Descarregar();
        if (!impressora_.newPage()) {
            falhou = true;
        }
    }
    bool falhou = false;

private:
    QPrinter& impressora_;
    SuperficieImpressora& superficie_;
};

} // namespace

ResultadoImpressao ImprimirAnalise(Programa& programa, QPrinter& impressora, bool folhaRosto) {
    ResultadoImpressao resultado;
    impressora.setColorMode(Ligado(programa.Configuracao.PretoEmBranco) ? QPrinter::GrayScale
                                                                        : QPrinter::Color);
    QPainter pintor;
    if (!pintor.begin(&impressora)) {
        resultado.erro = impressora.outputFormat() == QPrinter::PdfFormat
                             ? QStringLiteral("o arquivo não pôde ser criado")
                             : QStringLiteral("a impressora não aceitou o documento");
        return resultado;
    }

    bool falhou = false;
    QString erro;
    try {
        // The surface lives inside this block: it gives the painter back before the document ends.
        SuperficieQt superficieQt(pintor, &impressora);
        SuperficieImpressora superficie(superficieQt, Ligado(programa.Configuracao.PretoEmBranco));
        const Margens margens = programa.MargensImpressao;
        if (folhaRosto) {
            DesenhaFolhaRosto(superficie, margens);
            superficie.Descarregar();
            if (!impressora.newPage()) {
                falhou = true;
            }
        }
        GeometriaPagina geometria;
        geometria.LarguraPagina = static_cast<float>(superficie.LarguraEscala());
        geometria.AlturaPagina = static_cast<float>(superficie.AlturaEscala());
        geometria.LimiteTexto = geometria.AlturaPagina - margens.Inferior - 20;

        // Composed again: the numbers of the day are those of the day of printing.
        programa.ComporAnalise();

        ContextoPagina contexto;
        contexto.MargensImpressao = margens;
        contexto.CabecalhoLinhaUm = programa.Rodape.CabecalhoLinhaUm;
        contexto.RodapeLinhaUm = programa.Rodape.RodapeLinhaUm;
        contexto.RodapeLinhaDois = programa.Rodape.RodapeLinhaDois;
        contexto.NomeCompleto = programa.NomeCompleto;
        contexto.DataNascimento = programa.DataNascimento;
        contexto.ImprimirCabecalho = Ligado(programa.Configuracao.ImprimirCabecalho);
        Paginacao paginacao(std::move(contexto));

        AlvoImpressora alvo(impressora, superficie);
        resultado.paginas = ImprimirSecoes(alvo, paginacao, geometria, programa.Secoes, programa.Configuracao,
                                           programa.Fontes);
        superficie.Descarregar();
        falhou = falhou || alvo.falhou;
    } catch (const std::exception&) {
        falhou = true;
        erro = QStringLiteral("faltou memória para montar as páginas");
    }
    const bool terminou = pintor.end();
    if (falhou || !terminou || impressora.printerState() == QPrinter::Error) {
        if (erro.isEmpty()) {
            erro = impressora.outputFormat() == QPrinter::PdfFormat
                       ? QStringLiteral("o arquivo não pôde ser gravado por completo")
                       : QStringLiteral("a impressora informou um erro durante a impressão");
        }
        resultado.erro = erro;
        return resultado;
    }
    resultado.ok = true;
    return resultado;
}

} // namespace oraculandia
