// The main window's page buttons, status line and tips with real analyses open: paging the
// active viewer, the beep at either end, two viewers, and the status line after the last
// viewer closes.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/frmDicas.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

int SonsDePagina(const SonsDuplo& s) {
    int n = 0;
    for (const SomTocado& som : s.tocados)
        if (som.caminho.endsWith(QStringLiteral("virafolh.wav")))
            ++n;
    return n;
}

} // namespace

class TestePaginas : public QObject {
    Q_OBJECT

private slots:
    void avancarEVoltar();
    void bipeNasPontas();
    void agemSobreAJanelaAtiva();
    void statusVoltaAoInicialAoFecharAUltima();
    void mouseSobreAAnaliseFechaADica();
};

void TestePaginas::avancarEVoltar() {
    PrincipalTeste t(true, true);
    frmPrincipal& p = *t.janela;
    frmExibeRelatorio* v = CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970");
    QVERIFY(v);
    QVERIFY2(v->TotalDePaginas() >= 3, "an analysis of every calculation has several pages");
    QCOMPARE(v->PaginaExibida(), 1);

    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton);
    QCOMPARE(v->PaginaExibida(), 2);
    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton);
    QCOMPARE(v->PaginaExibida(), 3);
    QCOMPARE(p.Status(), v->TextoStatus());
    QTest::mouseClick(Filho<QToolButton>(p, "picVolta"), Qt::LeftButton);
    QCOMPARE(v->PaginaExibida(), 2);
    QCOMPARE(p.Status(), v->TextoStatus());
    QVERIFY(!p.Ocupado());
    QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
    QCOMPARE(t.ambiente.mensagens.bipes, 0);
}

void TestePaginas::bipeNasPontas() {
    PrincipalTeste t(true, true);
    frmPrincipal& p = *t.janela;
    frmExibeRelatorio* v = CriarAnalise(t, "JOSE DA SILVA", "01/01/1980");
    QVERIFY(v);
    const int sonsAntes = SonsDePagina(t.ambiente.sons);
    QTest::mouseClick(Filho<QToolButton>(p, "picVolta"), Qt::LeftButton); // on page 1
    QCOMPARE(t.ambiente.mensagens.bipes, 1);
    QCOMPARE(v->PaginaExibida(), 1);
    QCOMPARE(SonsDePagina(t.ambiente.sons), sonsAntes); // only the beep

    v->ExibePagina(v->TotalDePaginas());
    const int sonsNoFim = SonsDePagina(t.ambiente.sons);
    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton); // on the last page
    QCOMPARE(t.ambiente.mensagens.bipes, 2);
    QCOMPARE(v->PaginaExibida(), v->TotalDePaginas());
    QCOMPARE(SonsDePagina(t.ambiente.sons), sonsNoFim);
    QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
}

void TestePaginas::agemSobreAJanelaAtiva() {
    PrincipalTeste t(true, true);
    frmPrincipal& p = *t.janela;
    frmExibeRelatorio* primeira = CriarAnalise(t, "ANA PAULA", "10/10/1990");
    QMdiSubWindow* subPrimeira = Filho<QMdiArea>(p, "areaMdi")->currentSubWindow();
    frmExibeRelatorio* segunda = CriarAnalise(t, "CARLOS ALBERTO", "02/02/1962");
    QVERIFY(primeira && segunda && primeira != segunda);
    QCOMPARE(p.JanelaAtiva(), segunda);

    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton);
    QCOMPARE(segunda->PaginaExibida(), 2);
    QCOMPARE(primeira->PaginaExibida(), 1);

    Filho<QMdiArea>(p, "areaMdi")->setActiveSubWindow(subPrimeira);
    QCOMPARE(p.JanelaAtiva(), primeira);
    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton);
    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton);
    QCOMPARE(primeira->PaginaExibida(), 3);
    QCOMPARE(segunda->PaginaExibida(), 2);
    QCOMPARE(p.Status(), primeira->TextoStatus());
}

void TestePaginas::statusVoltaAoInicialAoFecharAUltima() {
    PrincipalTeste t(true, true);
    frmPrincipal& p = *t.janela;
    QVERIFY(CriarAnalise(t, "ANA PAULA", "10/10/1990"));
    QVERIFY(CriarAnalise(t, "BEATRIZ", "11/11/1971"));
    QVERIFY(p.Status() != frmPrincipal::TextoStatusInicial());
    Filho<QMdiArea>(p, "areaMdi")->closeAllSubWindows();
    QTest::qWait(0);
    QVERIFY(Filho<QMdiArea>(p, "areaMdi")->subWindowList().isEmpty());
    QCOMPARE(p.Status(), frmPrincipal::TextoStatusInicial());
    // And with no analysis left the page buttons refuse again.
    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton);
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    QCOMPARE(t.ambiente.mensagens.mostradas[0].titulo, QStringLiteral("Importante:"));
}

void TestePaginas::mouseSobreAAnaliseFechaADica() {
    PrincipalTeste t(true, true);
    frmPrincipal& p = *t.janela;
    frmExibeRelatorio* v = CriarAnalise(t, "ANA PAULA", "10/10/1990");
    QVERIFY(v);
    MoverMouse(Filho<QToolButton>(p, "cmdSair"));
    QVERIFY(p.Dica());
    MoverMouse(v);
    QTest::qWait(0);
    QVERIFY(!p.Dica());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Nenhum"));
}

QTEST_MAIN(TestePaginas)
#include "teste_principal_paginas.moc"
