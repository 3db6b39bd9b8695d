#include "print/qt/trabalho_impressao.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <map>
#include <QPrinter>
#include <exception>

#include "app/qt/programa.h"
#include "layout/paginacao.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"

namespace oraculandia {

namespace {

// Black-and-white printing: the PDF writer turns plain colours to grey but leaves gradients
// in colour, and a printer driver may do the same. Pictures are therefore drawn as grey images
// (at 300 dpi, sharp on paper); everything else goes to the real surface unchanged.
class SuperficieCinza final : public SuperficieDesenho {
public:
    explicit SuperficieCinza(SuperficieQt& base) : b_(base) {}
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
    void DefinirCor(uint32_t rgb) override { b_.DefinirCor(rgb); }
    double LarguraTexto(std::string_view texto) override { return b_.LarguraTexto(texto); }
    double AlturaTexto(std::string_view texto) override { return b_.AlturaTexto(texto); }
    void Imprimir(std::string_view texto) override { b_.Imprimir(texto); }
    void ImprimirLinha(std::string_view texto) override { b_.ImprimirLinha(texto); }
    void Retangulo(double x1, double y1, double x2, double y2, uint32_t rgb) override {
        b_.Retangulo(x1, y1, x2, y2, rgb);
    }
    double LarguraEscala() const override { return b_.LarguraEscala(); }
    double AlturaEscala() const override { return b_.AlturaEscala(); }

    void Figura(std::string_view nome, double x, double y, double largura, double altura) override {
        if (!(largura > 0 && altura > 0) || largura > 10000 || altura > 10000) {
            return;
        }
        constexpr double kPixelsPorMm = 300.0 / 25.4;
        const QSize tamanho(std::max(1, static_cast<int>(std::lround(largura * kPixelsPorMm))),
                            std::max(1, static_cast<int>(std::lround(altura * kPixelsPorMm))));
        const QString chave = QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())) +
                              u'@' + QString::number(tamanho.width()) + u'x' +
                              QString::number(tamanho.height());
        auto it = cache_.find(chave);
        if (it == cache_.end()) {
            QSvgRenderer desenho(QStringLiteral(":/imagens/%1.svg").arg(
                QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size()))));
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
                    const int g = qGray(qRed(c), qGreen(c), qBlue(c));  // premultiplied stays so
                    destino[xx] = qRgba(g, g, g, qAlpha(c));
                }
            }
            it = cache_.emplace(chave, std::move(cinza)).first;
        }
        b_.Pintor().drawImage(QRectF(x * 100.0, y * 100.0, largura * 100.0, altura * 100.0), it->second);
    }

private:
    SuperficieQt& b_;
    std::map<QString, QImage> cache_;
};

// The printer as a page target: one painter for the whole document, a new sheet per page.
class AlvoImpressora final : public AlvoPaginas {
public:
    AlvoImpressora(QPrinter& impressora, SuperficieDesenho& superficie)
        : impressora_(impressora), superficie_(superficie) {}
    SuperficieDesenho& Superficie() override { return superficie_; }
    void NovaFolha() override {
        if (!impressora_.newPage()) {
            falhou = true;
        }
    }
    bool falhou = false;

private:
    QPrinter& impressora_;
    SuperficieDesenho& superficie_;
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
        SuperficieCinza superficieCinza(superficieQt);
        SuperficieDesenho& superficie = Ligado(programa.Configuracao.PretoEmBranco)
                                            ? static_cast<SuperficieDesenho&>(superficieCinza)
                                            : superficieQt;
        const Margens margens = programa.MargensImpressao;
        if (folhaRosto) {
            DesenhaFolhaRosto(superficie, margens);
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
        resultado.paginas = ImprimirSecoes(alvo, paginacao, geometria, programa.Secoes,
                                           programa.Configuracao, programa.Fontes);
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
