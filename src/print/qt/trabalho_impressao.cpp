#include "print/qt/trabalho_impressao.h"

#include <QFile>
#include <QGlyphRun>
#include <QPainter>
#include <QPrinter>
#include <QRawFont>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <unordered_map>

#include "layout/paginacao.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"
#include "print/limites_margens.h"
#include "print/qt/servicos_impressao.h"
#include "print/qt/valor_margem.h"
#include "programa/qt/falhas.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

// The printer's surface: SuperficieQt with two changes for paper.
//   * Words are drawn from glyph runs shaped once per font and word. On a printer or PDF
//     device Qt shapes every drawn text again (its cached static text only helps on screen),
//     and an analysis draws its words one by one for justification, so shaping would be most
//     of the cost of a print job.
//   * In black and white, pictures are drawn from grey versions of their drawings (every colour
//     of the SVG turned to its grey): the PDF writer turns plain colours to grey but leaves
//     gradients in colour, and a printer driver may do the same.
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
        // The surface hands out long-lived fonts, so a font at the same address as the last one is
        // the same font; only a different one is looked up (comparing fonts costs more than the
        // rest of drawing a word).
        if (&fonte != ultimaFonte_) {
            if (palavras_ == nullptr || !(fonte == fontePalavras_)) {
                // The words of a font, by the font's description and the device's resolution
                // (the shaped positions depend on both).
                const QPaintDevice* d = b_.Pintor().device();
                const QString chave =
                    fonte.key() + QStringLiteral("|%1x%2").arg(d->logicalDpiX()).arg(d->logicalDpiY());
                palavras_ = &Glifos()[chave];
                fontePalavras_ = fonte;
            }
            ultimaFonte_ = &fonte;
        }
        auto& palavras = *palavras_;
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
        if (!(largura > 0 && altura > 0)) {
            return;
        }
        if (QSvgRenderer* desenho = FiguraCinza(nome)) {
            desenho->setAspectRatioMode(Qt::IgnoreAspectRatio);
            desenho->render(&b_.Pintor(), QRectF(x * 100.0, y * 100.0, largura * 100.0, altura * 100.0));
        }
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view t) const noexcept { return std::hash<std::string_view>{}(t); }
    };
    using Palavras = std::unordered_map<std::string, QList<QGlyphRun>, Hash, std::equal_to<>>;
    struct Pendente {
        QRawFont face;
        QList<quint32> glifos;
        QList<QPointF> posicoes;
    };
    SuperficieQt& b_;
    bool cinza_;
    std::vector<Pendente> pendentes_;
    QFont fontePalavras_;
    const QFont* ultimaFonte_ = nullptr;
    Palavras* palavras_ = nullptr;
    double yPendente_ = 0;
    QColor corPendente_;
    QColor cor_ = Qt::black;

    // The grey version of a picture: the SVG with each "#rrggbb", "#rgb" and "rgb(r, g, b)"
    // colour replaced by its grey, kept for the whole run. nullptr for a picture that is missing.
    static QSvgRenderer* FiguraCinza(std::string_view nome) {
        static auto& cache = *new std::map<std::string, std::unique_ptr<QSvgRenderer>, std::less<>>;
        auto it = cache.find(nome);
        if (it == cache.end()) {
            QFile arquivo(QStringLiteral(":/imagens/%1.svg")
                              .arg(QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size()))));
            std::unique_ptr<QSvgRenderer> desenho;
            if (arquivo.open(QIODevice::ReadOnly)) {
                desenho = std::make_unique<QSvgRenderer>(SvgEmCinza(arquivo.readAll()));
                if (!desenho->isValid()) {
                    desenho.reset();
                }
            }
            it = cache.emplace(std::string(nome), std::move(desenho)).first;
        }
        return it->second.get();
    }

    static QByteArray SvgEmCinza(const QByteArray& svg) {
        static const QRegularExpression cor(
            QStringLiteral("#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})(?![0-9a-zA-Z_-])|"
                           "rgb\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*\\)"));
        const QString texto = QString::fromUtf8(svg);
        QString resultado;
        qsizetype ultimo = 0;
        auto it = cor.globalMatch(texto);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            // "#e" in "url(#e)" is a reference, not a colour: three or six hex digits only, and
            // only where a colour can stand (after '"', ':', ',', '(' or a blank).
            const QChar antes = m.capturedStart() > 0 ? texto[m.capturedStart() - 1] : QChar(u' ');
            if (m.captured(0).startsWith(u'#') && antes == u'(') {
                continue;
            }
            QColor c;
            if (m.captured(0).startsWith(u'#')) {
                c = QColor::fromString(m.captured(0));
            } else {
                c = QColor(std::min(255, m.captured(2).toInt()), std::min(255, m.captured(3).toInt()),
                           std::min(255, m.captured(4).toInt()));
            }
            if (!c.isValid()) {
                continue;
            }
            const int g = qGray(c.rgb());
            resultado += QStringView(texto).mid(ultimo, m.capturedStart() - ultimo);
            resultado += QColor(g, g, g).name();
            ultimo = m.capturedEnd();
        }
        resultado += QStringView(texto).mid(ultimo);
        return resultado.toUtf8();
    }

    // Shaped words by font, kept for the whole run of the program as the screen surface keeps
    // its own: the fonts (one per face, size and resolution) live as long as the program, and
    // an analysis repeats the same few thousand words.
    static std::map<QString, Palavras>& Glifos() {
        // Never destroyed: glyph runs must not outlive the font database at exit.
        static auto& glifos = *new std::map<QString, Palavras>;
        return glifos;
    }
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

QString MotivoMargensRecusadas(const Margens& margens, double largura, double altura) {
    const int lado = MargemRecusada(margens, largura, altura);
    if (lado < 0) {
        return {};
    }
    static const char* const kNomes[] = {"esquerda", "superior", "direita", "inferior"};
    const float valores[] = {margens.Esquerda, margens.Superior, margens.Direita, margens.Inferior};
    const double base = lado == 0 || lado == 2 ? largura : altura;
    const QString nome = QString::fromLatin1(kNomes[lado]);
    if (!std::isfinite(valores[lado])) {
        return QStringLiteral("a margem %1 não tem um valor que possa ser usado").arg(nome);
    }
    return QStringLiteral("a margem %1 (%2 mm) está fora do que esta folha permite, de %3 a %4 mm")
        .arg(nome, TextoMargem(valores[lado]), QString::number(std::ceil(-base)),
             QString::number(std::floor(LimiteMargem(base))));
}

ResultadoQt<void> ComecarDocumento(QPainter& pintor, QPrinter& impressora) {
    if (pintor.begin(&impressora)) {
        return {};
    }
    return Falha(impressora.outputFormat() == QPrinter::PdfFormat
                     ? QStringLiteral("o arquivo não pôde ser criado")
                     : QStringLiteral("a impressora não aceitou o documento"));
}

QString FalhaDoDocumento(const QPrinter& impressora) {
    return impressora.outputFormat() == QPrinter::PdfFormat
               ? QStringLiteral("o arquivo não pôde ser gravado por completo")
               : QStringLiteral("a impressora informou um erro durante a impressão");
}

ResultadoImpressao ImprimirDocumento(QPrinter& impressora, const Margens& margens,
                                     const std::function<bool(QPrinter&, SuperficieQt&)>& desenhar) {
    const QPageLayout pagina = impressora.pageLayout();
    const QString recusa =
        MotivoMargensRecusadas(margens, LarguraImprimivel(pagina), AlturaImprimivel(pagina));
    if (!recusa.isEmpty()) {
        return Falha(recusa);
    }
    QPainter pintor;
    if (const ResultadoQt<void> comecou = ComecarDocumento(pintor, impressora); !comecou) {
        return Falha(comecou.error());
    }
    bool falhou = false;
    QString erro;
    try {
        // The surface lives inside this block: it gives the painter back before the document ends.
        SuperficieQt superficie(pintor, &impressora);
        falhou = !desenhar(impressora, superficie);
    } catch (const std::exception&) {
        falhou = true;
        erro = FalhaAtual(QStringLiteral("faltou memória para montar as páginas"),
                          QStringLiteral("um erro inesperado interrompeu a montagem das páginas"));
    }
    const bool terminou = pintor.end();
    if (falhou || !terminou || impressora.printerState() == QPrinter::Error) {
        return Falha(erro.isEmpty() ? FalhaDoDocumento(impressora) : erro);
    }
    return 0;
}

ResultadoImpressao ImprimirAnalise(Programa& programa, QPrinter& impressora, bool folhaRosto) {
    // Checked before the document starts: no sheet, and no file, for margins no sheet can take.
    const QPageLayout pagina = impressora.pageLayout();
    const QString recusa = MotivoMargensRecusadas(programa.MargensImpressao, LarguraImprimivel(pagina),
                                                  AlturaImprimivel(pagina));
    if (!recusa.isEmpty()) {
        return Falha(recusa);
    }
    impressora.setColorMode(Ligado(programa.Configuracao.PretoEmBranco) ? QPrinter::GrayScale
                                                                        : QPrinter::Color);
    QPainter pintor;
    if (const ResultadoQt<void> comecou = ComecarDocumento(pintor, impressora); !comecou) {
        return Falha(comecou.error());
    }

    int paginas = 0;
    bool falhou = false;
    QString erro;
    try {
        // The surface lives inside this block: it gives the painter back before the document ends.
        SuperficieQt superficieQt(pintor, &impressora);
        SuperficieImpressora superficie(superficieQt, Ligado(programa.Configuracao.PretoEmBranco));
        const Margens margens = programa.MargensImpressao;
        if (folhaRosto) {
            const DadosFolhaRosto dados =
                FolhaRostoDe(programa.ContextoPaginas(margens), FormatarData(programa.Hoje()));
            DesenhaFolhaRostoComAmpulheta(superficie, margens, &dados);
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

        Paginacao paginacao(programa.ContextoPaginas(margens));

        AlvoImpressora alvo(impressora, superficie);
        const std::optional<SeusNumeros> seus = programa.SeusNumerosDoRelatorio(programa.Referencia());
        paginas = ImprimirSecoes(alvo, paginacao, geometria, programa.SecoesDasPaginas(programa.Referencia()),
                                 programa.ComplementosDoRelatorio(), programa.Configuracao, programa.Fontes,
                                 seus ? &*seus : nullptr)
                      .value(); // the printer takes every page
        superficie.Descarregar();
        falhou = falhou || alvo.falhou;
    } catch (const std::exception&) {
        falhou = true;
        erro = FalhaAtual(QStringLiteral("faltou memória para montar as páginas"),
                          QStringLiteral("um erro inesperado interrompeu a montagem das páginas"));
    }
    const bool terminou = pintor.end();
    if (falhou || !terminou || impressora.printerState() == QPrinter::Error) {
        return Falha(erro.isEmpty() ? FalhaDoDocumento(impressora) : erro);
    }
    return paginas;
}

} // namespace oraculandia
