// Toolbar button tips: texts, placement (with the shift at the screen's right edge), the
// busy-pointer rule, replacement and no repetition, and every way a tip goes away.
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/frmDicas.h"

using namespace oraculandia;
using namespace oraculandia::teste;

class TesteDicas : public QObject {
    Q_OBJECT

private slots:
    void textosDasDicas();
    void mostraADicaDoBotaoSobOMouse();
    void janelaDaDicaNaoEAtivadaEFicaPorCima();
    void posicaoDaDica();
    void deslocamentoNaBordaDireitaDaTela();
    void outroBotaoSubstituiADica();
    void mesmoBotaoNaoRecriaADica();
    void labelDaDicaFechaSemEsquecerOBotao();
    void fundoEBarraFecham();
    void janelaDeAnaliseFecha();
    void ponteiroOcupadoImpedeDicas();
    void ampulhetaDaAplicacaoNaoConta();
    void acoesFechamADica();
    void botoesDePaginaNaoMexemNaDica();
    void ponteiroParadoNaoMostraDica();
};

void TesteDicas::textosDasDicas() {
    const QList<QPair<const char*, const char*>> tabela = {
        {"Criar", "Este botão gera a análise numerológica de uma pessoa."},
        {"Imprimir", "Utilize este botão para imprimir a análise atual na impressora."},
        {"Fontes", "Configurar a fonte dos textos exibidos na análise."},
        {"ConfigPrograma", "Selecionar os números a serem calculados pelo programa."},
        {"Ajuda", "Abrir uma janela da internet com a ajuda deste programa."},
        {"Exportar", "Cria uma cópia da análise atual na área de transferência."},
        {"Sair", "Este botão finaliza o programa de Oraculandia."},
    };
    for (const auto& [chave, texto] : tabela)
        QCOMPARE(frmPrincipal::TextoDaDica(QString::fromUtf8(chave)), QString::fromUtf8(texto));
    QCOMPARE(frmPrincipal::TextoDaDica(QStringLiteral("Nenhum")), QString());
    QCOMPARE(frmPrincipal::TextoDaDica(QStringLiteral("criar")), QString());
}

void TesteDicas::mostraADicaDoBotaoSobOMouse() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    QToolButton* botoes[] = {Filho<QToolButton>(p, "cmdCriaAnalise"),
                             Filho<QToolButton>(p, "cmdImprimir"),
                             Filho<QToolButton>(p, "cmdConfigurarFontes"),
                             Filho<QToolButton>(p, "cmdConfiguraPrograma"),
                             Filho<QToolButton>(p, "cmdAjuda"),
                             Filho<QToolButton>(p, "cmdExportar"),
                             Filho<QToolButton>(p, "cmdSair")};
    const char* chaves[] = {"Criar", "Imprimir", "Fontes", "ConfigPrograma", "Ajuda", "Exportar", "Sair"};
    for (int k = 0; k < 7; ++k) {
        MoverMouse(botoes[k]);
        QVERIFY(p.Dica());
        QVERIFY(p.Dica()->isVisible());
        QCOMPARE(p.Dica()->Texto(), frmPrincipal::TextoDaDica(QString::fromLatin1(chaves[k])));
        QCOMPARE(p.BotaoComAjuda(), QString::fromLatin1(chaves[k]));
    }
}

void TesteDicas::janelaDaDicaNaoEAtivadaEFicaPorCima() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    MoverMouse(Filho<QToolButton>(p, "cmdImprimir"));
    frmDicas* d = p.Dica();
    QVERIFY(d);
    QVERIFY(d->isWindow());
    QVERIFY(d->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(d->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(d->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!d->isModal());
    QVERIFY(QApplication::activeWindow() != d);
    QVERIFY(Filho<QLabel>(*d, "lblDica")->wordWrap());
    QVERIFY(Filho<QLabel>(*d, "imgLuz")->pixmap().isNull() == false);
    // The whole text fits: the label is as tall as its wrapped text needs.
    const QLabel* texto = Filho<QLabel>(*d, "lblDica");
    QVERIFY(texto->height() >= texto->heightForWidth(texto->width()));
}

void TesteDicas::posicaoDaDica() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    p.move(50, 40);
    QTest::qWait(0);
    for (QToolButton* b :
         {Filho<QToolButton>(p, "cmdCriaAnalise"), Filho<QToolButton>(p, "cmdConfiguraPrograma")}) {
        p.MouseSobreFundo();
        MoverMouse(b);
        QVERIFY(p.Dica());
        // Twips: window left + button left + 120, window top + button top + 1380.
        const QPoint esperado = p.frameGeometry().topLeft() + b->pos() + QPoint(8, 92);
        QCOMPARE(p.Dica()->pos(), esperado);
    }
}

void TesteDicas::deslocamentoNaBordaDireitaDaTela() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    const QRect tela = p.screen()->geometry();
    const int larguraTela = tela.x() + tela.width();
    // Put the last button close to the right edge of the screen.
    p.move(larguraTela - (Filho<QToolButton>(p, "cmdSair")->x() + 60), 40);
    QTest::qWait(0);
    MoverMouse(Filho<QToolButton>(p, "cmdSair"));
    QVERIFY(p.Dica());
    const int largura = p.Dica()->width();
    const int naturalX = p.frameGeometry().x() + Filho<QToolButton>(p, "cmdSair")->x() + 8;
    QVERIFY(naturalX + largura > larguraTela);
    // Ends 200 twips (13.33 pixels, rounded) before the edge.
    QCOMPARE(p.Dica()->x(), larguraTela - largura - 13);
    QCOMPARE(p.Dica()->y(), p.frameGeometry().y() + Filho<QToolButton>(p, "cmdSair")->y() + 92);
}

void TesteDicas::outroBotaoSubstituiADica() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    MoverMouse(Filho<QToolButton>(p, "cmdCriaAnalise"));
    QPointer<frmDicas> primeira = p.Dica();
    QVERIFY(primeira);
    // Straight to the next button: one tip window, with the new text and the new place.
    MoverMouse(Filho<QToolButton>(p, "cmdImprimir"));
    QVERIFY(p.Dica());
    QCOMPARE(p.Dica()->Texto(), frmPrincipal::TextoDaDica(QStringLiteral("Imprimir")));
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Imprimir"));
    QCOMPARE(p.Dica()->x(), p.frameGeometry().x() + Filho<QToolButton>(p, "cmdImprimir")->x() + 8);
    int visiveis = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frmDicas*>(w) && w->isVisible())
            ++visiveis;
    QCOMPARE(visiveis, 1);
}

void TesteDicas::mesmoBotaoNaoRecriaADica() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    MoverMouse(Filho<QToolButton>(p, "cmdExportar"), QPoint(5, 5));
    QPointer<frmDicas> dica = p.Dica();
    QVERIFY(dica);
    Filho<QLabel>(*dica, "lblDica")->setText(QStringLiteral("marca"));
    // Back and forth over the same button: the same window, its text not set again.
    MoverMouse(Filho<QToolButton>(p, "cmdExportar"), QPoint(20, 20));
    MoverMouse(Filho<QToolButton>(p, "cmdExportar"), QPoint(6, 30));
    QCOMPARE(p.Dica(), dica.data());
    QCOMPARE(dica->Texto(), QStringLiteral("marca"));
}

void TesteDicas::labelDaDicaFechaSemEsquecerOBotao() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    MoverMouse(Filho<QToolButton>(p, "cmdAjuda"));
    QVERIFY(p.Dica());
    MoverMouse(Filho<QLabel>(*p.Dica(), "lblDica"));
    QTest::qWait(0);
    QVERIFY(!p.Dica());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Ajuda"));
    // The same button shows no tip again until the mouse has passed over the background.
    MoverMouse(Filho<QToolButton>(p, "cmdAjuda"));
    QVERIFY(!p.Dica());
    MoverMouse(Filho<QMdiArea>(p, "areaMdi")->viewport());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Nenhum"));
    MoverMouse(Filho<QToolButton>(p, "cmdAjuda"));
    QVERIFY(p.Dica());
    // Another button after the label did: that one shows its tip at once.
    MoverMouse(Filho<QLabel>(*p.Dica(), "lblDica"));
    QTest::qWait(0);
    MoverMouse(Filho<QToolButton>(p, "cmdSair"));
    QVERIFY(p.Dica());
    QCOMPARE(p.Dica()->Texto(), frmPrincipal::TextoDaDica(QStringLiteral("Sair")));
}

void TesteDicas::fundoEBarraFecham() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    for (QWidget* fundo :
         {static_cast<QWidget*>(Filho<QMdiArea>(p, "areaMdi")->viewport()), Filho<QWidget>(p, "picMenu")}) {
        MoverMouse(Filho<QToolButton>(p, "cmdCriaAnalise"));
        QVERIFY(p.Dica());
        MoverMouse(fundo, QPoint(Filho<QWidget>(p, "picMenu")->width() - 5, 5));
        QTest::qWait(0);
        QVERIFY(!p.Dica());
        QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Nenhum"));
    }
}

void TesteDicas::janelaDeAnaliseFecha() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    MoverMouse(Filho<QToolButton>(p, "cmdConfigurarFontes"));
    QVERIFY(p.Dica());
    p.MouseSobreJanelaDeAnalise();
    QTest::qWait(0);
    QVERIFY(!p.Dica());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Nenhum"));
    MoverMouse(Filho<QToolButton>(p, "cmdConfigurarFontes"));
    QVERIFY(p.Dica());
}

void TesteDicas::ponteiroOcupadoImpedeDicas() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    p.DefinirOcupado(true);
    QVERIFY(p.Ocupado());
    MoverMouse(Filho<QToolButton>(p, "cmdCriaAnalise"));
    QVERIFY(!p.Dica());
    QCOMPARE(p.BotaoComAjuda(), QString()); // not even remembered
    p.DefinirOcupado(false);
    QVERIFY(!p.Ocupado());
    MoverMouse(Filho<QToolButton>(p, "cmdCriaAnalise"));
    QVERIFY(p.Dica());
}

void TesteDicas::ampulhetaDaAplicacaoNaoConta() {
    // The screen-wide hourglass shown while an analysis is made is not the window's own.
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QVERIFY(!p.Ocupado());
    MoverMouse(Filho<QToolButton>(p, "cmdCriaAnalise"));
    QApplication::restoreOverrideCursor();
    QVERIFY(p.Dica());
}

void TesteDicas::acoesFechamADica() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    // Help: the tip is gone before the question appears; No opens nothing.
    MoverMouse(Filho<QToolButton>(p, "cmdAjuda"));
    QVERIFY(p.Dica());
    bool semDicaNaPergunta = false;
    t.ambiente.mensagens.aoMostrar = [&](const MensagemMostrada&) {
        semDicaNaPergunta = !p.Dica() && p.BotaoComAjuda() == QStringLiteral("Nenhum");
    };
    t.ambiente.mensagens.respostas = {RespostaMensagem::Nao};
    QTest::mouseClick(Filho<QToolButton>(p, "cmdAjuda"), Qt::LeftButton);
    QVERIFY(semDicaNaPergunta);
    QVERIFY(t.ambiente.navegador.abertos.isEmpty());
    QTest::qWait(0);
    QVERIFY(!p.Dica());

    // Print refusal, export refusal: the same common start.
    for (QToolButton* b : {Filho<QToolButton>(p, "cmdImprimir"), Filho<QToolButton>(p, "cmdExportar")}) {
        MoverMouse(b);
        QVERIFY(p.Dica());
        t.ambiente.mensagens.aoMostrar = [&](const MensagemMostrada&) {
            semDicaNaPergunta = !p.Dica() && p.BotaoComAjuda() == QStringLiteral("Nenhum");
        };
        semDicaNaPergunta = false;
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(semDicaNaPergunta);
    }

    // The settings dialog: tip closed, busy pointer while the dialog is up, cleared after.
    MoverMouse(Filho<QToolButton>(p, "cmdConfiguraPrograma"));
    QVERIFY(p.Dica());
    bool ocupadoDuranteODialogo = false;
    bool semDicaNoDialogo = false;
    AoAbrirModal([&](QWidget* modal) {
        ocupadoDuranteODialogo = p.Ocupado();
        semDicaNoDialogo = !p.Dica();
        modal->close();
    });
    QTest::mouseClick(Filho<QToolButton>(p, "cmdConfiguraPrograma"), Qt::LeftButton);
    QVERIFY(ocupadoDuranteODialogo);
    QVERIFY(semDicaNoDialogo);
    QVERIFY(!p.Ocupado());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Nenhum"));
}

void TesteDicas::botoesDePaginaNaoMexemNaDica() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    MoverMouse(Filho<QToolButton>(p, "cmdExportar"));
    QVERIFY(p.Dica());
    QTest::mouseClick(Filho<QToolButton>(p, "picAvanca"), Qt::LeftButton);
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    QVERIFY(p.Dica());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Exportar"));
}

void TesteDicas::ponteiroParadoNaoMostraDica() {
    // A dialog closing over a button puts it under a pointer that did not move: no tip then.
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    p.MouseSobreFundo();
    QEvent entrada(QEvent::Enter);
    QApplication::sendEvent(Filho<QToolButton>(p, "cmdCriaAnalise"), &entrada);
    QVERIFY(!p.Dica());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Nenhum"));
    MoverMouse(Filho<QToolButton>(p, "cmdCriaAnalise"));
    QVERIFY(p.Dica());
}

QTEST_MAIN(TesteDicas)
#include "teste_dicas.moc"
