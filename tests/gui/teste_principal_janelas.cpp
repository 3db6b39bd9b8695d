// The analysis windows inside the main window: the cascade keeps them at a usable size, and a
// main window made smaller keeps them within reach.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QtTest>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/janela_ativa.h"
#include "estudo/qt/frmEstudoNome.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

QList<QMdiSubWindow*> TresAnalises(PrincipalTeste& t) {
    for (const char* nome : {"MARIA DA CONCEICAO", "JOSE DA SILVA", "ANA PAULA SOUZA"})
        CriarAnalise(t, nome, "15/03/1970");
    QTest::qWait(0);
    return Filho<QMdiArea>(*t.janela, "areaMdi")->subWindowList(QMdiArea::CreationOrder);
}

QString Texto(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestePrincipalJanelas : public QObject {
    Q_OBJECT
private slots:
    void cascataMantemTamanhoUtil();
    void cascataDeMuitasJanelasRecomecaNoCanto();
    void janelaPrincipalMenorMantemAsJanelasAoAlcance();
    void statusSegueAJanelaDaFrente();
    void fecharNumaJanelaNaoCalaAOutra();
};

void TestePrincipalJanelas::cascataMantemTamanhoUtil() {
    // Three analyses, cascaded: each one title bar further down and right, all of one size, as
    // large as the area allows after the offsets, all inside the area, the active one in front.
    PrincipalTeste t(true, true);
    t.janela->show();
    const QList<QMdiSubWindow*> subs = TresAnalises(t);
    QCOMPARE(subs.size(), 3);
    QMdiSubWindow* ativa = Filho<QMdiArea>(*t.janela, "areaMdi")->activeSubWindow();
    Filho<QAction>(*t.janela, "mnuJanelaEmCascata")->trigger();
    const QRect area = Filho<QMdiArea>(*t.janela, "areaMdi")->viewport()->rect();
    const QList<QMdiSubWindow*> pilha =
        Filho<QMdiArea>(*t.janela, "areaMdi")->subWindowList(QMdiArea::StackingOrder);
    const int passo = pilha[1]->x() - pilha[0]->x();
    QVERIFY2(passo >= 16 && passo <= 60, qPrintable(QString::number(passo)));
    for (int i = 0; i < 3; ++i) {
        const QRect g = pilha[i]->geometry();
        QCOMPARE(g.topLeft(), QPoint(i * passo, i * passo));
        QCOMPARE(g.size(), QSize(area.width() - 2 * passo, area.height() - 2 * passo));
        QVERIFY2(area.contains(g), qPrintable(Texto(g) + QStringLiteral(" in ") + Texto(area)));
        QVERIFY(g.width() >= area.width() / 2 && g.height() >= area.height() / 2);
    }
    QCOMPARE(pilha.last(), ativa);
    QCOMPARE(Filho<QMdiArea>(*t.janela, "areaMdi")->activeSubWindow(), ativa);
    // The page inside each window is reachable: the viewer is far larger than a title bar.
    for (QMdiSubWindow* s : subs)
        QVERIFY(s->widget()->height() > 100 && s->widget()->width() > 200);
}

void TestePrincipalJanelas::cascataDeMuitasJanelasRecomecaNoCanto() {
    // Windows beyond the steps that keep each one at least half the area start again at the
    // corner; none is made smaller for them.
    PrincipalTeste t;
    t.janela->resize(400, 330);
    t.janela->show();
    for (int i = 0; i < 9; ++i) {
        QMdiSubWindow* sub = Filho<QMdiArea>(*t.janela, "areaMdi")->addSubWindow(new QWidget);
        sub->resize(120, 25);
        sub->show();
    }
    QTest::qWait(0);
    Filho<QAction>(*t.janela, "mnuJanelaEmCascata")->trigger();
    const QRect area = Filho<QMdiArea>(*t.janela, "areaMdi")->viewport()->rect();
    const QList<QMdiSubWindow*> pilha =
        Filho<QMdiArea>(*t.janela, "areaMdi")->subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(pilha.size(), 9);
    QCOMPARE(pilha[0]->pos(), QPoint(0, 0));
    for (QMdiSubWindow* s : pilha) {
        QVERIFY2(area.contains(s->geometry()), qPrintable(Texto(s->geometry())));
        QCOMPARE(s->size(), pilha[0]->size());
        QVERIFY(s->width() >= area.width() / 2 && s->height() >= area.height() / 2);
    }
    int noCanto = 0;
    for (QMdiSubWindow* s : pilha)
        noCanto += s->pos() == QPoint(0, 0);
    QVERIFY(noCanto >= 2); // the steps started again
}

void TestePrincipalJanelas::janelaPrincipalMenorMantemAsJanelasAoAlcance() {
    PrincipalTeste t(true, true);
    t.janela->show();
    const QList<QMdiSubWindow*> subs = TresAnalises(t);
    QMdiArea* area = Filho<QMdiArea>(*t.janela, "areaMdi");
    // Smaller: every window inside the area again, its scroll bar and buttons with it.
    t.janela->resize(520, 420);
    QTest::qWait(0);
    QTRY_COMPARE(t.janela->width(), 520);
    for (QMdiSubWindow* s : subs) {
        const QRect g = s->geometry();
        QVERIFY2(area->viewport()->rect().contains(g),
                 qPrintable(Texto(g) + QStringLiteral(" in ") + Texto(area->viewport()->rect())));
    }
    // Smaller than a window can be (one that cannot shrink below 400 x 300): the area scrolls
    // so that the rest of it can be reached; the others still fit.
    subs[0]->setMinimumSize(400, 300);
    t.janela->resize(260, 200);
    QTRY_COMPARE(t.janela->width(), 260);
    QTRY_VERIFY(area->horizontalScrollBar()->maximum() > 0);
    QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());
    for (QMdiSubWindow* s : subs.mid(1))
        QVERIFY2(area->viewport()->rect().contains(s->geometry()), qPrintable(Texto(s->geometry())));
}

// With the name study in front the status line speaks of it (the page buttons then refuse, as
// they act on the window in front); back on an analysis, its page again.
void TestePrincipalJanelas::statusSegueAJanelaDaFrente() {
    PrincipalTeste t(true, true);
    t.janela->show();
    const QList<QMdiSubWindow*> subs = TresAnalises(t);
    auto* primeira = qobject_cast<frmExibeRelatorio*>(subs[0]->widget());
    primeira->ExibePagina(2);
    Filho<QAction>(*t.janela, "mnuEstudoNome")->trigger();
    QVERIFY(EstudoDoNomeAtivo(Filho<QMdiArea>(*t.janela, "areaMdi")));
    QCOMPARE(t.janela->Status(), frmPrincipal::TextoStatusEstudo());
    t.ambiente.mensagens.mostradas.clear();
    t.janela->picAvanca_Click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1); // the refusal: no analysis in front
    Filho<QMdiArea>(*t.janela, "areaMdi")->setActiveSubWindow(subs[0]);
    QCOMPARE(t.janela->Status(), QStringLiteral("Navegando: Página 2 de %1").arg(primeira->TotalDePaginas()));
    Filho<QMdiArea>(*t.janela, "areaMdi")->setActiveSubWindow(subs[2]);
    QCOMPARE(t.janela->Status(),
             QStringLiteral("Navegando: Página 1 de %1")
                 .arg(qobject_cast<frmExibeRelatorio*>(subs[2]->widget())->TotalDePaginas()));
}

// A viewer closing in one main window keeps its own status line as it is, and no other's: the
// activation of a viewer of another main window, at the same moment, is told.
void TestePrincipalJanelas::fecharNumaJanelaNaoCalaAOutra() {
    PrincipalTeste t(true, true);
    PrincipalTeste u(true, true);
    t.janela->show();
    u.janela->show();
    const QList<QMdiSubWindow*> de_t = TresAnalises(t);
    const QList<QMdiSubWindow*> de_u = TresAnalises(u);
    auto* primeira = qobject_cast<frmExibeRelatorio*>(de_u[0]->widget());
    Filho<QMdiArea>(*u.janela, "areaMdi")->setActiveSubWindow(de_u[0]);
    primeira->ExibePagina(2);
    Filho<QMdiArea>(*u.janela, "areaMdi")->setActiveSubWindow(de_u[2]);
    QVERIFY2(u.janela->Status().startsWith(QStringLiteral("Navegando: Página 1 de ")),
             qPrintable(u.janela->Status()));
    Filho<QMdiArea>(*t.janela, "areaMdi")->setActiveSubWindow(de_t[2]);
    de_t[2]->close();
    const QString aoFechar = t.janela->Status();
    // No event handled in between: the closing in t is still going on. The viewer activated in
    // u tells its own page.
    QSignalSpy status(primeira, &frmExibeRelatorio::StatusNavegacao);
    Filho<QMdiArea>(*u.janela, "areaMdi")->setActiveSubWindow(de_u[0]);
    QCOMPARE(status.size(), 1);
    QCOMPARE(status[0].at(0).toString(),
             QStringLiteral("Navegando: Página 2 de %1").arg(primeira->TotalDePaginas()));
    QCOMPARE(u.janela->Status(), QStringLiteral("Navegando: Página 2 de %1").arg(primeira->TotalDePaginas()));
    QCOMPARE(t.janela->Status(), aoFechar);
}

QTEST_MAIN(TestePrincipalJanelas)
#include "teste_principal_janelas.moc"
