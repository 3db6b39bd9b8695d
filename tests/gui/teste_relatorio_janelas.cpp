// The windows around a report: the numerologist asked once for the footer at the first start;
// captions that name the client, the Janela menu and the keys between windows; menu keys.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/frmConfiguraPrograma.h"
#include "app/qt/frmConfiguraRodape.h"
#include "app/qt/frmPrincipal.h"
#include "dados/preferencias.h"
#include "dados/rodape.h"
#include "layout/qt/cp1252_qt.h"
#include "print/qt/frmImprimir.h"
#include "print/qt/trabalho_impressao.h"
#include "programa/qt/programa.h"
#include "teste_impressao_duplo.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

class TesteRelatorioJanelas : public QObject {
    Q_OBJECT
private slots:
    void primeiroInicioPedeODoNumerologoUmaVez();
    void janelasComONomeDoClienteNoMenuEEntreElas();
    void atalhosDosMenus();
    void visualizarAsPaginasDoTrabalho();
    void rodaPaginaEZoomDoVisualizador();
    void seusNumerosPrimeiroESelecionavel();
};

void TesteRelatorioJanelas::primeiroInicioPedeODoNumerologoUmaVez() {
    PrincipalTeste t(false);
    int pedidos = 0;
    QString motivo;
    auto responder = [&](const QString& linhaDois) {
        AoAbrirModal([&, linhaDois](QWidget* w) {
            auto* d = qobject_cast<frmConfiguraRodape*>(w);
            QVERIFY(d);
            ++pedidos;
            motivo = Filho<QLabel>(*d, "lblMotivo")->isVisible() ? Filho<QLabel>(*d, "lblMotivo")->text()
                                                                 : QString();
            if (linhaDois.isEmpty()) {
                d->reject();
                // Cancelling asks whether to leave.
                return;
            }
            Filho<QLineEdit>(*d, "txtRodapeLinhaDois")->setText(linhaDois);
            Filho<QPushButton>(*d, "cmdOk")->click();
        });
    };
    // Cancelled: asked, and not asked again at the next start.
    t.ambiente.mensagens.respostas.append(RespostaMensagem::Sim);
    responder(QString());
    t.janela->Iniciar(false, true);
    QCOMPARE(pedidos, 1);
    QVERIFY(motivo.startsWith(QStringLiteral("Estas linhas saem em todas as páginas")));
    QVERIFY(
        CarregarPreferencias(t.ambiente.programa->PastaPrograma).Chave(kChaveDadosNumerologoPedidos, false));

    // A fresh folder, answered: the footer is the one typed.
    PrincipalTeste u(false);
    responder(QStringLiteral("Telefone (11) 5555-0000"));
    u.janela->Iniciar(false, true);
    QCOMPARE(pedidos, 2);
    QCOMPARE(u.ambiente.programa->Rodape.RodapeLinhaDois, std::string("Telefone (11) 5555-0000"));
    QVERIFY(!RodapeProvisorio(u.ambiente.programa->Rodape));
    QVERIFY(RodapeProvisorio(LinhasRodapeIniciais()));

    // The next start in the first folder, whose footer is still the placeholder, asks nothing
    // (a dialog shown by mistake would be counted and closed).
    t.ambiente.mensagens.respostas.append(RespostaMensagem::Sim);
    responder(QString());
    frmPrincipal segunda(*t.ambiente.programa);
    segunda.Iniciar(false, true);
    QTest::qWait(100);
    QCOMPARE(pedidos, 2);
}

void TesteRelatorioJanelas::janelasComONomeDoClienteNoMenuEEntreElas() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    p.show();
    t.ambiente.programa->NomeDigitado = "Maria da Concei\xE7\xE3o Souza";
    frmExibeRelatorio* maria = CriarAnalise(t, "MARIA DA CONCEICAO SOUZA", "21/07/1985");
    t.ambiente.programa->NomeDigitado = "Jos\xE9 Lima";
    frmExibeRelatorio* jose = CriarAnalise(t, "JOSE LIMA", "02/01/1990");
    QVERIFY(maria && jose && maria != jose);
    const QList<QMdiSubWindow*> subs = p.findChild<QMdiArea*>()->subWindowList();
    QCOMPARE(subs.size(), 2);
    QCOMPARE(subs[0]->windowTitle(), QStringLiteral("Maria da Conceição Souza: 21/07/1985"));
    QCOMPARE(subs[1]->windowTitle(), QStringLiteral("José Lima: 02/01/1990"));

    // The Janela menu lists them, the active one checked; choosing one activates it.
    emit Filho<QMenu>(p, "mnuJanela")->aboutToShow();
    QStringList listadas;
    QAction* primeira = nullptr;
    for (QAction* a : Filho<QMenu>(p, "mnuJanela")->actions()) {
        if (a->isCheckable()) {
            listadas << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
            if (!primeira)
                primeira = a;
        }
    }
    QCOMPARE(listadas, (QStringList{QStringLiteral("&1 Maria da Conceição Souza: 21/07/1985"),
                                    QStringLiteral("&2 José Lima: 02/01/1990 *")}));
    primeira->trigger();
    QCOMPARE(p.JanelaAtiva(), maria);
    emit Filho<QMenu>(p, "mnuJanela")->aboutToShow(); // listed afresh, not added again
    int marcaveis = 0;
    for (QAction* a : Filho<QMenu>(p, "mnuJanela")->actions())
        marcaveis += a->isCheckable();
    QCOMPARE(marcaveis, 2);

    // Ctrl+F6 and Ctrl+Tab go to the next window, with Shift to the one before.
    QVERIFY(
        Filho<QAction>(p, "mnuProximaJanela")->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+F6"))));
    QVERIFY(Filho<QAction>(p, "mnuProximaJanela")
                ->shortcuts()
                .contains(QKeySequence(QStringLiteral("Ctrl+Tab"))));
    Filho<QAction>(p, "mnuProximaJanela")->trigger();
    QCOMPARE(p.JanelaAtiva(), jose);
    Filho<QAction>(p, "mnuJanelaAnterior")->trigger();
    QCOMPARE(p.JanelaAtiva(), maria);
}

void TesteRelatorioJanelas::atalhosDosMenus() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    QString aberto;
    AoAbrirModal([&](QWidget* w) {
        aberto = QString::fromLatin1(w->metaObject()->className());
        w->close();
    });
    Filho<QAction>(p, "mnuNovaAnalise")->trigger(); // Ctrl+N: the entry dialog of a new analysis
    QCOMPARE(aberto, QStringLiteral("oraculandia::frmEntraNome"));
    QCOMPARE(Filho<QAction>(p, "mnuImprimir")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    // The toolbar: the name study beside the register, "Sair" the last button.
    QVERIFY(Filho<QToolButton>(p, "cmdEstudoNome")->x() > Filho<QToolButton>(p, "cmdClientes")->x());
    QVERIFY(Filho<QToolButton>(p, "cmdSair")->x() > Filho<QToolButton>(p, "cmdEstudoNome")->x());
    QCOMPARE(frmPrincipal::TextoDaDica(QStringLiteral("Estudo")),
             QStringLiteral("Comparar as grafias de um nome: os números de cada uma, letra a letra."));
}

// "Visualizar..." beside the unchanged miniature: the print job's own pages, the cover as the
// check box says, with the margins typed; nothing saved.
void TesteRelatorioJanelas::visualizarAsPaginasDoTrabalho() {
    AmbienteTeste amb(true);
    Programa& p = *amb.programa;
    p.NomeCompleto = "MARIA DA CONCEICAO";
    p.NomeDigitado = "Maria da Concei\xE7\xE3o";
    p.DataNascimento = "15/03/1970";
    p.Rodape = LinhasRodapeIniciais();
    p.ComporAnalise();
    ServicosImpressaoDuplo servicos;
    frmImprimir dialogo(p, servicos);
    QCOMPARE(teste::Filho<QPushButton>(dialogo, "cmdVisualizar")->text(), QStringLiteral("&Visualizar..."));
    teste::Filho<QCheckBox>(dialogo, "chkImprimirFolhaRosto")->setChecked(true);
    teste::Filho<QLineEdit>(dialogo, "txtSuperior")->setText(QStringLiteral("30"));
    const QByteArray margensAntes = amb.Ler("margens.dat");
    int paginas = -1;
    QString titulo;
    AoAbrirModal([&](QWidget* w) {
        titulo = w->windowTitle();
        if (auto* previa = w->findChild<QPrintPreviewWidget*>()) {
            previa->updatePreview();
            paginas = previa->pageCount();
        }
        w->close();
    });
    teste::Filho<QPushButton>(dialogo, "cmdVisualizar")->click();
    QCOMPARE(titulo, QStringLiteral("Visualizar: MARIA DA CONCEIÇÃO"));
    // The same job into a PDF with those margins: as many sheets, the cover included.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(servicos.pagina);
    pdf.setOutputFileName(amb.Arquivo("comparar.pdf"));
    p.MargensImpressao.Superior = 30;
    const ResultadoImpressao r = ImprimirAnalise(p, pdf, true);
    QVERIFY(r.has_value());
    QCOMPARE(paginas, *r + 1);
    QCOMPARE(amb.Ler("margens.dat"), margensAntes); // a preview saves nothing
}

namespace {
void Roda(QWidget* alvo, int graus, Qt::KeyboardModifiers teclas = Qt::NoModifier) {
    const QPointF p = alvo->rect().center();
    QWheelEvent e(p, alvo->mapToGlobal(p), QPoint(), QPoint(0, graus), Qt::NoButton, teclas,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(alvo, &e);
}
} // namespace

void TesteRelatorioJanelas::rodaPaginaEZoomDoVisualizador() {
    PrincipalTeste t(true, true);
    t.janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.janela.get()));
    frmExibeRelatorio* v = CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970");
    QVERIFY(v && v->TotalDePaginas() > 3);
    v->parentWidget()->resize(720, 540);
    QTest::qWait(0);
    QVERIFY(teste::Filho<QScrollBar>(*v, "vScroll")->maximum() > 0);
    QCOMPARE(v->PaginaExibida(), 1);
    // The wheel over the page scrolls it, three steps a notch.
    Roda(teste::Filho<QWidget>(*v, "picExibe"), -120);
    QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(),
             3 * teste::Filho<QScrollBar>(*v, "vScroll")->singleStep());
    Roda(teste::Filho<QWidget>(*v, "picExibe"), 120);
    QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 0);
    // At the top of the first page nothing moves; at the end of a page the next one starts.
    Roda(teste::Filho<QWidget>(*v, "picExibe"), 120);
    QCOMPARE(v->PaginaExibida(), 1);
    teste::Filho<QScrollBar>(*v, "vScroll")->setValue(teste::Filho<QScrollBar>(*v, "vScroll")->maximum());
    Roda(teste::Filho<QWidget>(*v, "picExibe"), -120);
    QCOMPARE(v->PaginaExibida(), 2);
    QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 0);
    Roda(teste::Filho<QWidget>(*v, "picExibe"), 120); // back up past the top: the end of page 1
    QCOMPARE(v->PaginaExibida(), 1);
    QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(),
             teste::Filho<QScrollBar>(*v, "vScroll")->maximum());
    // Page Down at the end of a page continues on the next, from its top.
    QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_PageDown);
    QCOMPARE(v->PaginaExibida(), 2);
    QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(), 0);
    QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_PageDown);
    QCOMPARE(v->PaginaExibida(), 2);
    QCOMPARE(teste::Filho<QScrollBar>(*v, "vScroll")->value(),
             teste::Filho<QScrollBar>(*v, "vScroll")->pageStep());

    // Zoom: the page is drawn again at the pixels it covers (sharp), never stretched.
    auto nitida = [v] {
        const QImage& img = v->ImagemExibida();
        return img.width() == qRound(teste::Filho<QWidget>(*v, "picExibe")->width() * v->RazaoPixels()) ||
               std::abs(img.width() - teste::Filho<QWidget>(*v, "picExibe")->width() * v->RazaoPixels()) <= 2;
    };
    const int largura = teste::Filho<QWidget>(*v, "picExibe")->width();
    QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(v->Zoom(), 1.25);
    QVERIFY(std::abs(teste::Filho<QWidget>(*v, "picExibe")->width() - largura * 1.25) <= 1);
    QVERIFY(nitida());
    QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(v->Zoom(), 0.8);
    QVERIFY(nitida());
    Roda(teste::Filho<QWidget>(*v, "picExibe"), 120, Qt::ControlModifier);
    QCOMPARE(v->Zoom(), 1.0);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(v->Zoom(), frmExibeRelatorio::kZoomMinimo);
    // Ctrl+0: the page as wide as the window leaves room for, beside the margins and the bar.
    QTest::keyClick(teste::Filho<QWidget>(*v, "picExibe"), Qt::Key_0, Qt::ControlModifier);
    const int livre = v->width() - teste::Filho<QScrollBar>(*v, "vScroll")->width() -
                      2 * qRound(v->MargemPagina * frmExibeRelatorio::PixelsPorMm());
    QVERIFY2(
        std::abs(teste::Filho<QWidget>(*v, "picExibe")->width() - livre) <= 2,
        qPrintable(QStringLiteral("%1 %2").arg(teste::Filho<QWidget>(*v, "picExibe")->width()).arg(livre)));
    QVERIFY(teste::Filho<QWidget>(*v, "picExibe")->geometry().right() <
            teste::Filho<QScrollBar>(*v, "vScroll")->geometry().left());
    QVERIFY(nitida());
}

// "Seus Números" opens the report (its own first page, the header's page 1), on by default;
// the settings dialog turns it off in preferencias.ini, and then the report starts with
// section 1 as before.
void TesteRelatorioJanelas::seusNumerosPrimeiroESelecionavel() {
    AmbienteTeste amb(true);
    Programa& p = *amb.programa;
    p.NomeCompleto = "MARIA DA CONCEICAO SOUZA";
    p.NomeDigitado = "Maria da Concei\xE7\xE3o Souza";
    p.DataNascimento = "21/07/1985";
    p.Rodape = LinhasRodapeIniciais();
    p.MargensImpressao = {10, 10, 10, 10};
    ServicosImpressaoDuplo servicos;
    auto imprimir = [&](const char* nome) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(servicos.pagina);
        pdf.setOutputFileName(amb.Arquivo(nome));
        const ResultadoImpressao r = ImprimirAnalise(p, pdf, false);
        return r ? *r : -1;
    };
    const int com = imprimir("com.pdf");
    const QString primeira = TextoPdf(amb.Arquivo("com.pdf"), 1);
    QVERIFY(primeira.contains(QStringLiteral("Seus Números")));
    QVERIFY(primeira.contains(QStringLiteral("hoje: 41 anos"))); // the doubles' day: 07/12/2026
    QVERIFY(primeira.contains(QStringLiteral("Caminho da Vida: dia 21 » 2 + 1 = 3")));
    QVERIFY(!primeira.contains(Cp1252ParaQString(p.Secoes[1].Titulo)));
    QVERIFY(TextoPdf(amb.Arquivo("com.pdf"), 2).contains(Cp1252ParaQString(p.Secoes[1].Titulo)));

    {
        frmConfiguraPrograma dialogo(p);
        QVERIFY(Filho<QCheckBox>(dialogo, "chkSeusNumeros")->isChecked());
        Filho<QCheckBox>(dialogo, "chkSeusNumeros")->setChecked(false);
        dialogo.cmdOk_Click();
    }
    QVERIFY(!CarregarPreferencias(p.PastaPrograma).Chave(kChaveSeusNumeros, true));
    QCOMPARE(imprimir("sem.pdf"), com - 1);
    QVERIFY(!TextoPdf(amb.Arquivo("sem.pdf")).contains(QStringLiteral("Seus Números")));
    frmConfiguraPrograma outra(p);
    QVERIFY(!Filho<QCheckBox>(outra, "chkSeusNumeros")->isChecked());
}

QTEST_MAIN(TesteRelatorioJanelas)
#include "teste_relatorio_janelas.moc"
