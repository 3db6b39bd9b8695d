// The viewer on screens of different pixel density: two offscreen screens side by side, the
// first of device pixel ratio 1, the second of ratio 2. The page image shown follows the ratio of
// the window, when the page is shown and when the window goes to the other screen.
#include <QDir>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>

#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "layout/paginacao.h"
#include "viewer/qt/armazem_paginas.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

QScreen* Tela(qreal razao) {
    for (QScreen* tela : QGuiApplication::screens())
        if (tela->devicePixelRatio() == razao)
            return tela;
    return nullptr;
}

// A viewer of three pages of text, as a top-level window on `tela`.
std::unique_ptr<frmExibeRelatorio> Visualizador(AmbienteTeste& a, QScreen* tela) {
    auto v = std::make_unique<frmExibeRelatorio>(*a.programa);
    for (int n = 0; n < 3; ++n) {
        v->PreparaPictureBox(n);
        SuperficieDesenho& s = v->picFolha(n);
        s.DefinirNomeFonte("Times New Roman");
        s.DefinirTamanhoFonte(12);
        std::string texto = "P\xE1gina " + std::to_string(n + 1) +
                            ": o caminho da vida mostra a dire\xE7\xE3o geral da exist\xEAncia e os talentos "
                            "que a pessoa traz consigo para realizar o seu prop\xF3sito.";
        ImprimeTexto(s, 20, 12, 120, 272, texto);
    }
    v->setGeometry(QRect(tela->geometry().topLeft() + QPoint(20, 20), QSize(500, 400)));
    v->show();
    v->GravaDados(3, 1, "20/08/1978", "ANA SILVA");
    return v;
}

} // namespace

class TesteVisualizadorDensidade : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(Tela(1));
        QVERIFY(Tela(2));
    }

    void imagemNaRazaoDaJanela() {
        AmbienteTeste a;
        auto v = Visualizador(a, Tela(2));
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        QCOMPARE(v->devicePixelRatioF(), 2.0);
        QCOMPARE(v->RazaoPixels(), 2.0);
        v->ExibePagina(1);
        const QImage& img = v->ImagemExibida();
        QCOMPARE(img.devicePixelRatio(), 2.0);
        QCOMPARE(img.size(), v->Armazem().TamanhoLogico() * 2);
        // Turning pages keeps the ratio; the page beside is drawn ahead at that ratio too.
        QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(v->PaginaExibida(), 2);
        QCOMPARE(v->ImagemExibida().devicePixelRatio(), 2.0);
        QTRY_VERIFY_WITH_TIMEOUT(v->Armazem().Guardada(3, 2), 5000);
        // On the screen, one pixel of the page image is one device pixel.
        const QImage tela = teste::Filho<QWidget>(*v, "picExibe")->grab(QRect(0, 0, 300, 120)).toImage();
        QCOMPARE(tela.devicePixelRatio(), 2.0);
        QCOMPARE(tela.size(), QSize(600, 240));
        QCOMPARE(tela.convertToFormat(QImage::Format_RGB32), v->ImagemExibida().copy(0, 0, 600, 240));
    }

    void paraOutraTelaAPaginaEDesenhadaDeNovo() {
        AmbienteTeste a;
        auto v = Visualizador(a, Tela(1));
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        QCOMPARE(v->ImagemExibida().devicePixelRatio(), 1.0);
        QCOMPARE(v->ImagemExibida().size(), v->Armazem().TamanhoLogico());
        v->ExibePagina(2);
        // The window goes to the screen of ratio 2: the page shown is drawn again for it.
        v->windowHandle()->setScreen(Tela(2));
        v->move(Tela(2)->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE_WITH_TIMEOUT(v->RazaoPixels(), 2.0, 5000);
        teste::Filho<QWidget>(*v, "picExibe")->update();
        QTRY_COMPARE_WITH_TIMEOUT(v->ImagemExibida().devicePixelRatio(), 2.0, 5000);
        QCOMPARE(v->ImagemExibida().size(), v->Armazem().TamanhoLogico() * 2);
        QCOMPARE(v->PaginaExibida(), 2);
        QCOMPARE(v->TextoStatus(), QStringLiteral("Navegando: Página 2 de 3"));
        // And back.
        v->windowHandle()->setScreen(Tela(1));
        v->move(Tela(1)->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE_WITH_TIMEOUT(v->RazaoPixels(), 1.0, 5000);
        teste::Filho<QWidget>(*v, "picExibe")->update();
        QTRY_COMPARE_WITH_TIMEOUT(v->ImagemExibida().devicePixelRatio(), 1.0, 5000);
        QVERIFY(v->Armazem().ImagensGuardadas() <= ArmazemPaginas::kImagensGuardadas);
    }
};

int main(int argc, char** argv) {
    // Two offscreen screens, 800 x 600 logical pixels each: ratio 1 at the left, 2 at the right.
    QTemporaryFile configuracao(QDir::tempPath() + QStringLiteral("/telas-XXXXXX.json"));
    if (!configuracao.open())
        return 1;
    configuracao.write(R"({"screens": [)"
                       R"({"name": "um", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96,)"
                       R"( "logicalBaseDpi": 96, "dpr": 1},)"
                       R"({"name": "dois", "x": 800, "y": 0, "width": 800, "height": 600, "logicalDpi": 96,)"
                       R"( "logicalBaseDpi": 96, "dpr": 2}]})");
    configuracao.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(configuracao.fileName()));
    QApplication app(argc, argv);
    TesteVisualizadorDensidade teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "teste_visualizador_densidade.moc"
