// The viewer window on its own: a page store larger than 21 pages, page display and status
// line, the per-page scroll memory, the keys and their limits, the resize rules, the sounds,
// the subject copy and the status on closing; the few page images kept, the pages beside the
// one shown drawn ahead, and a page that cannot be drawn.
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "app/qt/frmPrincipal.h"
#include "viewer/qt/armazem_paginas.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

QRgb CorDaPagina(int n) {
    return QColor::fromHsv((n * 37) % 360, 200, 200).rgb();
}

// Records page n (1-based) of the store as one rectangle of its own colour over the whole page.
void PintarPagina(frmExibeRelatorio& v, int n) {
    v.PreparaPictureBox(n - 1);
    v.picFolha(n - 1).Retangulo(0, 0, v.GetLarguraEmMm(), 297, CorDaPagina(n) & 0xFFFFFFu);
}

// A viewer with `paginas` pages, each filled with its own colour, shown at `tamanho`.
std::unique_ptr<frmExibeRelatorio> Visualizador(AmbienteTeste& a, int paginas,
                                                QSize tamanho = QSize(500, 400)) {
    auto v = std::make_unique<frmExibeRelatorio>(*a.programa);
    for (int n = 1; n <= paginas; ++n)
        PintarPagina(*v, n);
    v->resize(tamanho);
    v->show();
    v->GravaDados(paginas, 1, "20/08/1978", "ANA SILVA");
    return v;
}

QRgb CorExibida(const frmExibeRelatorio& v) {
    return v.ImagemExibida().pixel(5, 5);
}

void Tecla(frmExibeRelatorio& v, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(teste::Filho<QWidget>(v, "picExibe"), tecla, mod);
}

} // namespace

class TesteVisualizador : public QObject {
    Q_OBJECT

private slots:
    void paginasAlemDeVinteEUmaEStatus() {
        AmbienteTeste a;
        auto v = std::make_unique<frmExibeRelatorio>(*a.programa);
        QSignalSpy status(v.get(), &frmExibeRelatorio::StatusNavegacao);
        for (int n = 1; n <= 30; ++n)
            PintarPagina(*v, n);
        QCOMPARE(v->PaginasNaMemoria(), 30);
        // Only the page being recorded can be drawn on.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, v->picFolha(3));
        QCOMPARE(v->GetLarguraEmMm(), static_cast<float>(frmExibeRelatorio::LarguraTelaMm() * 0.9));

        v->GravaDados(30, 1, "20/08/1978", "ANA SILVA", " Ana  Silva ");
        // The page image: GetLarguraEmMm x 297 mm at 3.78 pixels per millimetre, times the
        // device pixel ratio of the page surface.
        const double ppm = frmExibeRelatorio::PixelsPorMm();
        const QImage& img = v->ImagemExibida();
        QCOMPARE(img.devicePixelRatio(), v->RazaoPixels());
        QCOMPARE(img.height(), qRound(qRound(297 * ppm) * v->RazaoPixels()));
        QCOMPARE(img.width(), qRound(qRound(v->GetLarguraEmMm() * ppm) * v->RazaoPixels()));
        QCOMPARE(img.dotsPerMeterX(), 3780);
        // The caption names the client as typed.
        QCOMPARE(v->windowTitle(), QStringLiteral("Ana Silva: 20/08/1978"));
        QCOMPARE(v->PaginaExibida(), 1);
        QCOMPARE(v->TotalDePaginas(), 30);
        QCOMPARE(status.last().at(0).toString(), QStringLiteral("Navegando: Página 1 de 30"));
        QCOMPARE(CorExibida(*v), CorDaPagina(1));

        v->ExibePagina(27);
        QCOMPARE(status.last().at(0).toString(), QStringLiteral("Navegando: Página 27 de 30"));
        QCOMPARE(CorExibida(*v), CorDaPagina(27));

        // A page without a buffer leaves the previous image while the status shows the number.
        v->ExibePagina(31);
        QCOMPARE(CorExibida(*v), CorDaPagina(27));
        QCOMPARE(v->TextoStatus(), QStringLiteral("Navegando: Página 31 de 30"));
    }

    void memoriaDeRolagemPorPagina() {
        AmbienteTeste a;
        auto v = Visualizador(a, 25);
        QVERIFY(teste::Filho<QScrollBar>(*v, "vScroll")->maximum() > 100);
        v->ExibePagina(3);
        teste::Filho<QScrollBar>(*v, "vScroll")->setValue(100);
        v->ExibePagina(4);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 0); // first display: top left
        teste::Filho<QScrollBar>(*v, "vScroll")->setValue(7);
        v->ExibePagina(3);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 100);
        QCOMPARE(CorExibida(*v), CorDaPagina(3));
        v->ExibePagina(4);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 7);
        // The memory grows with the store: page 25 remembers too.
        v->ExibePagina(25);
        teste::Filho<QScrollBar>(*v, "vScroll")->setValue(55);
        v->ExibePagina(1);
        v->ExibePagina(25);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 55);
        QCOMPARE(v->PosicaoGuardada(3).second, 100.0f);
    }

    void teclasELimites() {
        AmbienteTeste a;
        auto v = Visualizador(a, 3);
        QScrollBar* vs = teste::Filho<QScrollBar>(*v, "vScroll");
        const int grande = vs->pageStep();
        const int pequeno = vs->singleStep();
        const double H = v->height() / frmExibeRelatorio::PixelsPorMm();
        QCOMPARE(grande, qRound(H * 0.15));
        QCOMPARE(pequeno, qRound(H * 0.05));
        QCOMPARE(vs->maximum(), qRound(2 * v->MargemPagina + 297 - H));

        Tecla(*v, Qt::Key_PageDown);
        QCOMPARE(vs->value(), grande);
        Tecla(*v, Qt::Key_Down);
        QCOMPARE(vs->value(), grande + pequeno);
        Tecla(*v, Qt::Key_Up);
        QCOMPARE(vs->value(), grande);
        for (int i = 0; i < 100; ++i)
            Tecla(*v, Qt::Key_PageDown);
        QCOMPARE(vs->value(), vs->maximum());
        for (int i = 0; i < 100; ++i)
            Tecla(*v, Qt::Key_PageUp, Qt::ShiftModifier);
        QCOMPARE(vs->value(), 0);

        QVERIFY(teste::Filho<QScrollBar>(*v, "hScroll")->isVisible());
        Tecla(*v, Qt::Key_Right);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "hScroll")->value(),
                 std::min(teste::Filho<QScrollBar>(*v, "hScroll")->pageStep(),
                          teste::Filho<QScrollBar>(*v, "hScroll")->maximum()));
        Tecla(*v, Qt::Key_Left);
        Tecla(*v, Qt::Key_Left);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "hScroll")->value(), 0);
        Tecla(*v, Qt::Key_End);
        QCOMPARE(vs->value(), vs->maximum());
        QCOMPARE(teste::Filho<QScrollBar>(*v, "hScroll")->value(),
                 teste::Filho<QScrollBar>(*v, "hScroll")->maximum());
        // The page follows the bars.
        QCOMPARE(teste::Filho<QWidget>(*v, "picExibe")->y(),
                 qRound((v->MargemPagina - vs->value()) * frmExibeRelatorio::PixelsPorMm()));
        Tecla(*v, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(vs->value(), 0);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "hScroll")->value(), 0);
        QCOMPARE(v->PaginaExibida(), 1);

        // Ctrl+arrows turn pages, and do nothing at either end.
        a.sons.tocados.clear();
        Tecla(*v, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(v->PaginaExibida(), 1);
        QVERIFY(a.sons.tocados.isEmpty());
        Tecla(*v, Qt::Key_Right, Qt::ControlModifier);
        Tecla(*v, Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(v->PaginaExibida(), 3);
        QCOMPARE(a.sons.tocados.size(), 2);
        QVERIFY(a.sons.tocados[0].caminho.endsWith(QStringLiteral("virafolh.wav")));
        QVERIFY(!a.sons.tocados[0].repetir);
        Tecla(*v, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(v->PaginaExibida(), 3);
        QCOMPARE(a.sons.tocados.size(), 2);
        QCOMPARE(a.mensagens.bipes, 0);
    }

    void semSonsNenhumSom() {
        AmbienteTeste a;
        a.programa->Configuracao.EscutarSons = kDesligado;
        auto v = Visualizador(a, 2);
        v->ExibePagina(2);
        QVERIFY(a.sons.tocados.isEmpty());
    }

    void janelaLargaSemBarraHorizontal() {
        AmbienteTeste a;
        auto v = Visualizador(a, 1);
        teste::Filho<QScrollBar>(*v, "hScroll")->setValue(teste::Filho<QScrollBar>(*v, "hScroll")->maximum());
        const double ppm = frmExibeRelatorio::PixelsPorMm();
        const int largura = qRound(frmExibeRelatorio::LarguraTelaMm() * 0.95 * ppm) + 20;
        const int altura = qRound((297 + 2 * v->MargemPagina) * ppm) + 50;
        v->resize(largura, altura);
        QVERIFY(!teste::Filho<QScrollBar>(*v, "hScroll")->isVisible());
        QCOMPARE(teste::Filho<QScrollBar>(*v, "hScroll")->value(), 0);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "hScroll")->maximum(), 0);
        // Taller than the page and its margins: nothing to scroll, the page stays in view.
        QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->maximum(), 0);
        QVERIFY(teste::Filho<QScrollBar>(*v, "vScroll")->isVisible());
        Tecla(*v, Qt::Key_End);
        QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 0);
    }

    void dadosDaAnaliseEFechamento() {
        AmbienteTeste a;
        auto v = Visualizador(a, 2);
        QCOMPARE(QString::fromStdString(v->NomeAnalisado()), QStringLiteral("ANA SILVA"));
        a.programa->NomeCompleto = "OUTRA PESSOA";
        a.programa->DataNascimento = "01/01/2001";
        v->AjustaDadosNaMemoria();
        QCOMPARE(QString::fromStdString(a.programa->NomeCompleto), QStringLiteral("ANA SILVA"));
        QCOMPARE(QString::fromStdString(a.programa->DataNascimento), QStringLiteral("20/08/1978"));

        QSignalSpy status(v.get(), &frmExibeRelatorio::StatusNavegacao);
        QSignalSpy mouse(v.get(), &frmExibeRelatorio::MouseSobreJanela);
        QTest::mouseMove(teste::Filho<QWidget>(*v, "picExibe"), QPoint(10, 10));
        QMouseEvent movimento(QEvent::MouseMove, QPointF(3, 3),
                              QPointF(teste::Filho<QWidget>(*v, "picExibe")->mapToGlobal(QPoint(3, 3))),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(teste::Filho<QWidget>(*v, "picExibe"), &movimento);
        QVERIFY(mouse.count() >= 1);
        QVERIFY(v->close()); // never refused
        QCOMPARE(status.last().at(0).toString(), frmPrincipal::TextoStatusInicial());
        QCOMPARE(frmPrincipal::TextoStatusInicial(),
                 QStringLiteral("Para obter a sua análise clique no primeiro botão !"));
    }

    void poucasImagensEVizinhasPreparadas() {
        AmbienteTeste a;
        auto v = Visualizador(a, 30);
        ArmazemPaginas& armazem = v->Armazem();
        const double razao = v->RazaoPixels();
        // Right after a page is shown, the event loop draws the pages beside it.
        QVERIFY(armazem.Guardada(1, razao));
        QTRY_VERIFY_WITH_TIMEOUT(armazem.Guardada(2, razao), 5000);
        v->ExibePagina(10);
        QVERIFY(!armazem.Guardada(9, razao));
        QTRY_VERIFY_WITH_TIMEOUT(armazem.Guardada(9, razao) && armazem.Guardada(11, razao), 5000);
        // Turning to a page beside shows the kept image itself: no drawing on the way.
        const qint64 chave = armazem.Imagem(11, razao).value().cacheKey();
        Tecla(*v, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(v->PaginaExibida(), 11);
        QCOMPARE(v->ImagemExibida().cacheKey(), chave);
        QCOMPARE(CorExibida(*v), CorDaPagina(11));
        // However far the user pages, only a few images are kept.
        for (int pagina = 1; pagina <= 30; ++pagina) {
            v->ExibePagina(pagina);
            while (v->PrepararVizinhas()) {
            }
            QVERIFY(armazem.ImagensGuardadas() <= ArmazemPaginas::kImagensGuardadas);
            QCOMPARE(CorExibida(*v), CorDaPagina(pagina));
        }
        QCOMPARE(armazem.ImagensGuardadas(), ArmazemPaginas::kImagensGuardadas);
        QCOMPARE(armazem.BytesImagens(), static_cast<std::size_t>(ArmazemPaginas::kImagensGuardadas) *
                                             static_cast<std::size_t>(v->ImagemExibida().sizeInBytes()));
        // A jump far away draws the page then.
        v->ExibePagina(3);
        QCOMPARE(CorExibida(*v), CorDaPagina(3));
    }

    void paginaQueNaoPodeSerDesenhada() {
        AmbienteTeste a;
        auto v = Visualizador(a, 5);
        // No memory for page images from now on: every image asked for comes back empty.
        v->Armazem().DefinirAlocador([](QSize) { return QImage(); });
        v->ExibePagina(4);
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        const MensagemMostrada& m = a.mensagens.mostradas[0];
        QCOMPARE(m.titulo, QStringLiteral("Erro:"));
        QCOMPARE(m.icone, IconeMensagem::Critico);
        QVERIFY2(m.texto.startsWith(QStringLiteral("A página 4 não pôde ser desenhada: não há memória para "
                                                   "desenhar a página 4 (")),
                 qPrintable(m.texto));
        QCOMPARE(v->TextoStatus(), QStringLiteral("Navegando: Página 4 de 5"));
        QVERIFY(v->ImagemExibida().isNull());
        // The page surface says so too: not a blank page.
        const QImage tela = teste::Filho<QWidget>(*v, "picExibe")
                                ->grab(QRect(0, 0, teste::Filho<QWidget>(*v, "picExibe")->width(), 200))
                                .toImage();
        int escuros = 0;
        for (int y = 0; y < tela.height(); ++y)
            for (int x = 0; x < tela.width(); ++x)
                escuros += qGray(tela.pixel(x, y)) < 128;
        QVERIFY2(escuros > 50, qPrintable(QString::number(escuros)));
        // Drawing ahead fails quietly; the message comes when such a page is shown.
        QVERIFY(!v->PrepararVizinhas());
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        // With memory again the page is drawn.
        v->Armazem().DefinirAlocador([](QSize pixels) { return QImage(pixels, QImage::Format_RGB32); });
        v->ExibePagina(4);
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        QCOMPARE(CorExibida(*v), CorDaPagina(4));
    }
};

QTEST_MAIN(TesteVisualizador)
#include "teste_visualizador.moc"
