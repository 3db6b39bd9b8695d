// The page store over real fonts: a recorded page drawn at device pixel ratio 1 is, pixel for
// pixel, the page the layout paints directly into a page image (as the viewer did before pages
// were recorded); at ratio 2 it is the same page, twice as fine.
#include <QTest>
#include <deque>
#include <memory>

#include "apoio/duplos.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"
#include "viewer/qt/armazem_paginas.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

constexpr float kLargura = 190.5f; // the page of an 800-pixel screen

// Every page painted directly into a page image of its own.
class AlvoImagens : public AlvoPaginas {
public:
    explicit AlvoImagens(QSize tamanho) : tamanho_(tamanho) { NovaFolha(); }
    SuperficieDesenho& Superficie() override { return *superficie_; }
    void NovaFolha() override {
        superficie_.reset();
        QImage pagina(tamanho_, QImage::Format_RGB32);
        pagina.setDotsPerMeterX(3780);
        pagina.setDotsPerMeterY(3780);
        pagina.fill(Qt::white);
        paginas.push_back(pagina);
        superficie_ = std::make_unique<SuperficieQt>(&paginas.back());
    }
    void Terminar() { superficie_.reset(); }
    std::deque<QImage> paginas;

private:
    QSize tamanho_;
    std::unique_ptr<SuperficieQt> superficie_;
};

// The store as a page target, as the monitor rendering fills it.
class AlvoArmazem : public AlvoPaginas {
public:
    explicit AlvoArmazem(ArmazemPaginas& armazem) : armazem_(armazem) { armazem_.GravarPagina(0); }
    SuperficieDesenho& Superficie() override { return *armazem_.PaginaEmGravacao(indice_); }
    void NovaFolha() override { armazem_.GravarPagina(++indice_); }

private:
    ArmazemPaginas& armazem_;
    int indice_ = 0;
};

// A real analysis (the interpretation files of the build), with introductions and the header
// on every page.
struct Analise {
    AmbienteTeste ambiente{true};
    Programa& p = *ambiente.programa;
    Analise() {
        p.NomeCompleto = "MARIA DA CONCEICAO";
        p.DataNascimento = "15/03/1970";
        p.Configuracao.ImprimirDescricao = kLigado;
        p.Configuracao.ImprimirCabecalho = kLigado;
        p.ComporAnalise();
    }
    int Desenhar(AlvoPaginas& alvo) {
        Paginacao paginacao(p.ContextoPaginas(Margens{10, 5, 10, 5}));
        return ImprimirSecoes(alvo, paginacao, GeometriaPagina{kLargura, 297, 272}, p.Secoes, p.Configuracao,
                              p.Fontes)
            .value();
    }
};

// Darkness of each row of an image (255 - grey, summed).
std::vector<double> PerfilDasLinhas(const QImage& img) {
    std::vector<double> perfil(static_cast<std::size_t>(img.height()), 0.0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            perfil[static_cast<std::size_t>(y)] += 255 - qGray(img.pixel(x, y));
    return perfil;
}

// Among the pixels with ink, the share of grey ones (neither near white nor near black): the
// soft edges of text.
double ParteCinza(const QImage& img) {
    long tinta = 0, cinza = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int g = qGray(img.pixel(x, y));
            if (g < 224) {
                ++tinta;
                cinza += g > 32;
            }
        }
    return tinta ? static_cast<double>(cinza) / static_cast<double>(tinta) : 1.0;
}

} // namespace

class TesteArmazemPaginas : public QObject {
    Q_OBJECT

private slots:
    void desenhoIgualAoDaPaginaPintadaDiretamente() {
        Analise a;
        ArmazemPaginas armazem(kLargura, 297, frmExibeRelatorio::PixelsPorMm());
        AlvoImagens direto(armazem.TamanhoLogico());
        const int paginas = a.Desenhar(direto);
        direto.Terminar();
        {
            AlvoArmazem alvo(armazem);
            QCOMPARE(a.Desenhar(alvo), paginas);
            armazem.TerminarGravacao();
        }
        QVERIFY(paginas >= 10);
        QCOMPARE(armazem.Paginas(), paginas);
        for (int n = 1; n <= paginas; ++n) {
            const QImage gravada = armazem.Imagem(n, 1).value();
            const QImage& pintada = direto.paginas[static_cast<std::size_t>(n - 1)];
            QCOMPARE(gravada.size(), pintada.size());
            QCOMPARE(gravada.devicePixelRatio(), 1.0);
            QVERIFY2(gravada == pintada, qPrintable(QStringLiteral("page %1").arg(n)));
        }
        QCOMPARE(armazem.ImagensGuardadas(), ArmazemPaginas::kImagensGuardadas);
        // The recorded pages hold the text, not the pixels: far less than one page image.
        QVERIFY2(armazem.BytesListas() < static_cast<std::size_t>(direto.paginas[0].sizeInBytes()),
                 qPrintable(QString::number(armazem.BytesListas())));
    }

    void razaoDoisMesmaPaginaMaisNitida() {
        Analise a;
        ArmazemPaginas armazem(kLargura, 297, frmExibeRelatorio::PixelsPorMm());
        {
            AlvoArmazem alvo(armazem);
            a.Desenhar(alvo);
            armazem.TerminarGravacao();
        }
        const QImage um = armazem.Imagem(2, 1).value();
        const QImage dois = armazem.Imagem(2, 2).value();
        QCOMPARE(dois.devicePixelRatio(), 2.0);
        QCOMPARE(dois.size(), um.size() * 2);
        QCOMPARE(dois.deviceIndependentSize(), QSizeF(um.size()));
        QCOMPARE(dois.dotsPerMeterX(), 3780);
        // The same page: brought down to ratio 1, its rows of text lie where they lie at ratio 1.
        QImage reduzida = dois.scaled(um.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const std::vector<double> p1 = PerfilDasLinhas(um), p2 = PerfilDasLinhas(reduzida);
        // Relative difference of the two profiles, the second moved down by `deslocamento` rows.
        auto diferenca = [&](int deslocamento) {
            double soma = 0, dif = 0;
            for (std::size_t y = 8; y + 8 < p1.size(); ++y) {
                soma += p1[y];
                dif += std::abs(p1[y] - p2[static_cast<std::size_t>(static_cast<int>(y) - deslocamento)]);
            }
            return dif / soma;
        };
        // (About 0.13 here; a page one row lower or higher differs by 0.4 or more.)
        const double alinhada = diferenca(0);
        QVERIFY2(alinhada < 0.2, qPrintable(QString::number(alinhada)));
        QVERIFY(alinhada < 0.5 * std::min(diferenca(1), diferenca(-1)));
        // And twice as fine: fewer of its ink pixels are the grey of soft edges.
        const double cinzaUm = ParteCinza(um), cinzaDois = ParteCinza(dois);
        QVERIFY2(cinzaDois < cinzaUm * 0.8, qPrintable(QStringLiteral("%1 %2").arg(cinzaUm).arg(cinzaDois)));
        // Both ratios kept side by side.
        QVERIFY(armazem.Guardada(2, 1));
        QVERIFY(armazem.Guardada(2, 2));
    }

    void paginasInexistentesERegravacao() {
        ArmazemPaginas armazem(100, 297, frmExibeRelatorio::PixelsPorMm());
        const ResultadoQt<QImage> inexistente = armazem.Imagem(1, 1);
        QVERIFY(!inexistente.has_value());
        QCOMPARE(inexistente.error(), QStringLiteral("a página 1 não existe nesta análise"));
        armazem.GravarPagina(0).Retangulo(0, 0, 100, 297, 0xFF0000);
        armazem.TerminarGravacao();
        QCOMPARE(armazem.Imagem(1, 1).value().pixel(10, 10), qRgb(255, 0, 0));
        // Recording the page again drops its kept image.
        armazem.GravarPagina(0).Retangulo(0, 0, 100, 297, 0x0000FF);
        armazem.TerminarGravacao();
        QVERIFY(!armazem.Guardada(1, 1));
        QCOMPARE(armazem.Imagem(1, 1).value().pixel(10, 10), qRgb(0, 0, 255));
        QVERIFY(armazem.PaginaEmGravacao(0) == nullptr);
        armazem.Limpar();
        QCOMPARE(armazem.Paginas(), 0);
        QCOMPARE(armazem.ImagensGuardadas(), 0);
    }
};

QTEST_MAIN(TesteArmazemPaginas)
#include "teste_armazem_paginas.moc"
