// The main window's entries into printing, the footer dialog and the editor: which dialog opens,
// with which subject, and what the main window does afterwards.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "apoio/principal_teste.h"
#include "editor/frmSelecionaAlteracao.h"
#include "app/qt/frmConfiguraRodape.h"
#include "print/qt/frmImprimir.h"
#include "teste_impressao_duplo.h"
#include "viewer/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

// Width and height in points of page `pagina` of a PDF, as pdfinfo reads them.
QSizeF TamanhoPaginaPdf(const QString& arquivo) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {arquivo});
    p.waitForFinished(60000);
    for (const QString& linha : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (!linha.startsWith(QStringLiteral("Page size:")))
            continue;
        const QStringList partes = linha.mid(10).simplified().split(u' ');
        if (partes.size() >= 3)
            return QSizeF(partes[0].toDouble(), partes[2].toDouble());
    }
    return {};
}

const QString kRecusaImpressao = QStringLiteral(
    "Para você poder imprimir uma análise é fundamental que exista uma análise sendo exibida em "
    "seu monitor. Para isso, clique no primeiro botão e crie uma análise. Depois clique "
    "novamente neste botão para imprimir.");

// Puts the test's printer services in place for one test.
struct ComServicos {
    explicit ComServicos(ServicosImpressao& s) { DefinirServicosImpressao(&s); }
    ~ComServicos() { DefinirServicosImpressao(nullptr); }
};

} // namespace

class TesteImpressaoPrincipal : public QObject {
    Q_OBJECT
private slots:
    void imprimirSemAnaliseRecusa();
    void imprimirUsaOSujeitoDaJanelaAtiva();
    void imprimirEmPdfPelaJanelaPrincipal();
    void rodapeRecarregadoDepoisDoDialogo();
    void editorAbrePelaJanelaPrincipal();
    void orientacaoRetratoChegaAoTrabalho();
    void falhaDentroDoDialogoTerminaNaRecusa();
};

void TesteImpressaoPrincipal::imprimirSemAnaliseRecusa() {
    PrincipalTeste t;
    ServicosImpressaoDuplo servicos;
    ComServicos com(servicos);
    bool abriu = false;
    AoAbrirModal([&](QWidget* w) {
        abriu = true;
        w->close();
    });
    t.janela->cmdImprimir->click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Informação:"));
    QCOMPARE(m.texto, QStringLiteral("Para você poder imprimir uma análise é fundamental que exista uma "
                                     "análise sendo exibida em seu monitor. Para isso, clique no primeiro "
                                     "botão e crie uma análise. Depois clique novamente neste botão para "
                                     "imprimir."));
    QCOMPARE(m.icone, IconeMensagem::Informacao);
    QTest::qWait(50);
    QVERIFY(!abriu);
}

void TesteImpressaoPrincipal::imprimirUsaOSujeitoDaJanelaAtiva() {
    PrincipalTeste t(true, true);
    ServicosImpressaoDuplo servicos;
    ComServicos com(servicos);
    frmExibeRelatorio* maria = CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970");
    QVERIFY(CriarAnalise(t, "JOSE DA SILVA", "01/01/1980"));
    for (QMdiSubWindow* sub : t.janela->areaMdi()->subWindowList())
        if (sub->widget() == maria)
            t.janela->areaMdi()->setActiveSubWindow(sub);
    bool visto = false;
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmImprimir*>(w);
        QVERIFY(dialogo);
        visto = true;
        QCOMPARE(t.ambiente.programa->NomeCompleto, std::string("MARIA DA CONCEICAO"));
        QVERIFY(t.janela->Ocupado()); // the main window's hourglass while the dialog is up
        dialogo->cmdCancelar->click();
    });
    t.janela->cmdImprimir->click();
    QVERIFY(visto);
    QVERIFY(!t.janela->Ocupado());
    QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
}

void TesteImpressaoPrincipal::imprimirEmPdfPelaJanelaPrincipal() {
    PrincipalTeste t(true, true);
    ServicosImpressaoDuplo servicos;
    servicos.arquivoEscolhido = t.ambiente.Arquivo("maria.pdf");
    ComServicos com(servicos);
    QVERIFY(CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970"));
    const int paginasNaTela = t.janela->JanelaAtiva()->TotalDePaginas();
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmImprimir*>(w);
        QVERIFY(dialogo);
        dialogo->cmdSalvarPdf->click();
    });
    t.janela->cmdImprimir->click();
    const QString pdf = t.ambiente.Arquivo("maria.pdf");
    QVERIFY(QFile::exists(pdf));
    // The printed page is taller than the screen's 272 mm of text, and the margins differ,
    // so the sheet count is close to, not necessarily equal to, the screen's page count.
    QVERIFY(PaginasPdf(pdf) >= paginasNaTela - 2);
    QVERIFY(TextoPdf(pdf, 1).contains(QStringLiteral("MARIA DA CONCEICAO")));
    // After the job MargensImpressao holds the print margins (the file's 10 mm).
    QCOMPARE(t.ambiente.programa->MargensImpressao.Superior, 10.0f);
}

void TesteImpressaoPrincipal::rodapeRecarregadoDepoisDoDialogo() {
    PrincipalTeste t;
    bool visto = false;
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmConfiguraRodape*>(w);
        QVERIFY(dialogo);
        visto = true;
        dialogo->txtCabecalhoLinhaUm->setText(QStringLiteral("Nova análise"));
        dialogo->cmdOk->click();
    });
    t.janela->mnuConfigurarRodape->trigger();
    QVERIFY(visto);
    QCOMPARE(t.ambiente.programa->Rodape.CabecalhoLinhaUm, std::string("Nova an\xE1lise"));
    // Reopened, the dialog shows what was just saved.
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmConfiguraRodape*>(w);
        QVERIFY(dialogo);
        QCOMPARE(dialogo->txtCabecalhoLinhaUm->text(), QStringLiteral("Nova análise"));
        t.ambiente.mensagens.respostas = {RespostaMensagem::Sim};
        dialogo->cmdCancelar->click();
    });
    t.janela->mnuConfigurarRodape->trigger();
    QCOMPARE(t.ambiente.mensagens.mostradas.last().titulo, QStringLiteral("Atenção:"));
}

void TesteImpressaoPrincipal::editorAbrePelaJanelaPrincipal() {
    PrincipalTeste t;
    bool visto = false;
    AoAbrirModal([&](QWidget* w) {
        auto* escolha = qobject_cast<frmSelecionaAlteracao*>(w);
        QVERIFY(escolha);
        visto = true;
        QCOMPARE(escolha->cmbItem->count(), 37); // the 28 and the entries after them
        escolha->cmdRetornar->click();
    });
    t.janela->mnuAlterarConteudoDasAnalises->trigger();
    QVERIFY(visto);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TesteImpressaoPrincipal::orientacaoRetratoChegaAoTrabalho() {
    // The default printer is set to landscape on the system. The start-up turns it to portrait,
    // and that is the orientation of the print dialog's page and of the sheets the job prints.
    ServicosImpressaoDuplo servicos;
    servicos.pagina.setOrientation(QPageLayout::Landscape);
    servicos.haImpressora = true;
    ComServicos com(servicos);
    PrincipalTeste t(true, true);
    QCOMPARE(servicos.Orientacao(), std::optional<QPageLayout::Orientation>(QPageLayout::Portrait));
    const QString saida = t.ambiente.Arquivo("impressora.pdf");
    servicos.arquivoImpressora = saida;
    QVERIFY(CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970"));
    bool visto = false;
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmImprimir*>(w);
        QVERIFY(dialogo);
        visto = true;
        QCOMPARE(dialogo->Pagina().orientation(), QPageLayout::Portrait);
        QVERIFY(dialogo->AlturaImprimivel() > dialogo->LarguraImprimivel());
        dialogo->cmdImprimir->click();
    });
    t.janela->cmdImprimir->click();
    QVERIFY(visto);
    QCOMPARE(servicos.trabalhos, 1);
    const QSizeF folha = TamanhoPaginaPdf(saida);
    QVERIFY2(folha.height() > folha.width(),
             qPrintable(QStringLiteral("%1 x %2").arg(folha.width()).arg(folha.height())));

    // Without a printer there is no printer setting to change.
    ServicosImpressaoDuplo semImpressora;
    ComServicos com2(semImpressora);
    PrincipalTeste u;
    QVERIFY(!semImpressora.Orientacao());
}

void TesteImpressaoPrincipal::falhaDentroDoDialogoTerminaNaRecusa() {
    // A failure while the print dialog opens, or while it runs, ends in the print refusal and
    // the main window's pointer comes back.
    for (const bool aoAbrir : {true, false}) {
        ServicosImpressaoDuplo servicos;
        servicos.haImpressora = true;
        ComServicos com(servicos);
        PrincipalTeste t(true, true);
        QVERIFY(CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970"));
        if (aoAbrir) {
            servicos.falharPagina = true;
        } else {
            servicos.falharImpressora = true;
            AoAbrirModal([](QWidget* w) {
                auto* dialogo = qobject_cast<frmImprimir*>(w);
                QVERIFY(dialogo);
                dialogo->cmdImprimir->click();
            });
        }
        t.janela->cmdImprimir->click();
        QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
        const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
        QCOMPARE(m.titulo, QStringLiteral("Informação:"));
        QCOMPARE(m.texto, kRecusaImpressao);
        QVERIFY(!t.janela->Ocupado());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
}

QTEST_MAIN(TesteImpressaoPrincipal)
#include "teste_impressao_principal.moc"
