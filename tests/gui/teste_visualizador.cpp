// The viewer window on its own: a page store larger than 21 pages, page display and status
// line, the per-page scroll memory, the keys and their limits, the resize rules, the sounds,
// the subject copy and the status on closing.
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "apoio/duplos.h"
#include "app/qt/frmPrincipal.h"
#include "viewer/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

QRgb CorDaPagina(int n) {
    return QColor::fromHsv((n * 37) % 360, 200, 200).rgb();
}

// A viewer with `paginas` pages, each filled with its own colour, shown at `tamanho`.
std::unique_ptr<frmExibeRelatorio> Visualizador(AmbienteTeste& a, int paginas,
                                                QSize tamanho = QSize(500, 400)) {
    auto v = std::make_unique<frmExibeRelatorio>(*a.programa);
    for (int n = 0; n < paginas; ++n) {
        v->PreparaPictureBox(n);
        v->picFolha(n).fill(CorDaPagina(n + 1));
    }
    v->resize(tamanho);
    v->show();
    v->GravaDados(paginas, 1, "20/08/1978", "ANA SILVA");
    return v;
}

QRgb CorExibida(const frmExibeRelatorio& v) {
    return v.ImagemExibida().pixel(5, 5);
}

void Tecla(frmExibeRelatorio& v, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(v.picExibe, tecla, mod);
}

} // namespace

class TesteVisualizador : public QObject {
    Q_OBJECT

private slots:
    void paginasAlemDeVinteEUmaEStatus() {
        AmbienteTeste a;
        auto v = std::make_unique<frmExibeRelatorio>(*a.programa);
        QSignalSpy status(v.get(), &frmExibeRelatorio::StatusNavegacao);
        for (int n = 0; n < 30; ++n) {
            v->PreparaPictureBox(n);
            v->picFolha(n).fill(CorDaPagina(n + 1));
        }
        QCOMPARE(v->PaginasNaMemoria(), 30);
        const double ppm = frmExibeRelatorio::PixelsPorMm();
        QCOMPARE(v->picFolha(0).height(), qRound(297 * ppm));
        QCOMPARE(v->picFolha(0).width(), qRound(v->GetLarguraEmMm() * ppm));
        QCOMPARE(v->picFolha(0).dotsPerMeterX(), 3780);
        QCOMPARE(v->GetLarguraEmMm(), static_cast<float>(frmExibeRelatorio::LarguraTelaMm() * 0.9));

        v->GravaDados(30, 1, "20/08/1978", "ANA SILVA");
        QCOMPARE(v->windowTitle(), QStringLiteral("Relatório de Análise Numerológica"));
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
        QVERIFY(v->vScroll->maximum() > 100);
        v->ExibePagina(3);
        v->vScroll->setValue(100);
        v->ExibePagina(4);
        QCOMPARE(v->vScroll->value(), 0); // first display: top left
        v->vScroll->setValue(7);
        v->ExibePagina(3);
        QCOMPARE(v->vScroll->value(), 100);
        QCOMPARE(CorExibida(*v), CorDaPagina(3));
        v->ExibePagina(4);
        QCOMPARE(v->vScroll->value(), 7);
        // The memory grows with the store: page 25 remembers too.
        v->ExibePagina(25);
        v->vScroll->setValue(55);
        v->ExibePagina(1);
        v->ExibePagina(25);
        QCOMPARE(v->vScroll->value(), 55);
        QCOMPARE(v->PosicaoGuardada(3).second, 100.0f);
    }

    void teclasELimites() {
        AmbienteTeste a;
        auto v = Visualizador(a, 3);
        QScrollBar* vs = v->vScroll;
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

        QVERIFY(v->hScroll->isVisible());
        Tecla(*v, Qt::Key_Right);
        QCOMPARE(v->hScroll->value(), std::min(v->hScroll->pageStep(), v->hScroll->maximum()));
        Tecla(*v, Qt::Key_Left);
        Tecla(*v, Qt::Key_Left);
        QCOMPARE(v->hScroll->value(), 0);
        Tecla(*v, Qt::Key_End);
        QCOMPARE(vs->value(), vs->maximum());
        QCOMPARE(v->hScroll->value(), v->hScroll->maximum());
        // The page follows the bars.
        QCOMPARE(v->picExibe->y(),
                 qRound((v->MargemPagina - vs->value()) * frmExibeRelatorio::PixelsPorMm()));
        Tecla(*v, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(vs->value(), 0);
        QCOMPARE(v->hScroll->value(), 0);
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
        v->hScroll->setValue(v->hScroll->maximum());
        const double ppm = frmExibeRelatorio::PixelsPorMm();
        const int largura = qRound(frmExibeRelatorio::LarguraTelaMm() * 0.95 * ppm) + 20;
        const int altura = qRound((297 + 2 * v->MargemPagina) * ppm) + 50;
        v->resize(largura, altura);
        QVERIFY(!v->hScroll->isVisible());
        QCOMPARE(v->hScroll->value(), 0);
        QCOMPARE(v->hScroll->maximum(), 0);
        // Taller than the page and its margins: nothing to scroll, the page stays in view.
        QCOMPARE(v->vScroll->maximum(), 0);
        QVERIFY(v->vScroll->isVisible());
        Tecla(*v, Qt::Key_End);
        QCOMPARE(v->vScroll->value(), 0);
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
        QTest::mouseMove(v->picExibe, QPoint(10, 10));
        QMouseEvent movimento(QEvent::MouseMove, QPointF(3, 3),
                              QPointF(v->picExibe->mapToGlobal(QPoint(3, 3))), Qt::NoButton, Qt::NoButton,
                              Qt::NoModifier);
        QApplication::sendEvent(v->picExibe, &movimento);
        QVERIFY(mouse.count() >= 1);
        QVERIFY(v->close()); // never refused
        QCOMPARE(status.last().at(0).toString(), frmPrincipal::TextoStatusInicial());
        QCOMPARE(frmPrincipal::TextoStatusInicial(),
                 QStringLiteral("Para obter a sua análise clique no primeiro botão !"));
    }
};

QTEST_MAIN(TesteVisualizador)
#include "teste_visualizador.moc"
