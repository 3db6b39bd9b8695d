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

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/frmConfiguraRodape.h"
#include "app/qt/gerador_pdf.h"
#include "editor/qt/frmSelecionaAlteracao.h"
#include "print/qt/frmImprimir.h"
#include "programa/qt/falhas.h"
#include "teste_impressao_duplo.h"
#include "viewer/qt/frmExibeRelatorio.h"

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
    void relatoriosSemJanelaUsamOsServicosRecebidos();
    void falhaDentroDoDialogoDizOQueFalhou();
    void falhaAoPrepararAImpressoraEAvisada();
    void falhaAtualSoChamaDeMemoriaOBadAlloc();
};

void TesteImpressaoPrincipal::imprimirSemAnaliseRecusa() {
    PrincipalTeste t;
    bool abriu = false;
    AoAbrirModal([&](QWidget* w) {
        abriu = true;
        w->close();
    });
    Filho<QToolButton>(*t.janela, "cmdImprimir")->click();
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
    frmExibeRelatorio* maria = CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970");
    QVERIFY(CriarAnalise(t, "JOSE DA SILVA", "01/01/1980"));
    for (QMdiSubWindow* sub : Filho<QMdiArea>(*t.janela, "areaMdi")->subWindowList())
        if (sub->widget() == maria)
            Filho<QMdiArea>(*t.janela, "areaMdi")->setActiveSubWindow(sub);
    bool visto = false;
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmImprimir*>(w);
        QVERIFY(dialogo);
        visto = true;
        QCOMPARE(t.ambiente.programa->NomeCompleto, std::string("MARIA DA CONCEICAO"));
        QVERIFY(t.janela->Ocupado()); // the main window's hourglass while the dialog is up
        teste::Filho<QPushButton>(*dialogo, "cmdCancelar")->click();
    });
    Filho<QToolButton>(*t.janela, "cmdImprimir")->click();
    QVERIFY(visto);
    QVERIFY(!t.janela->Ocupado());
    QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
}

void TesteImpressaoPrincipal::imprimirEmPdfPelaJanelaPrincipal() {
    PrincipalTeste t(true, true);
    t.ambiente.impressao.arquivoEscolhido = t.ambiente.Arquivo("maria.pdf");
    QVERIFY(CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970"));
    const int paginasNaTela = t.janela->JanelaAtiva()->TotalDePaginas();
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmImprimir*>(w);
        QVERIFY(dialogo);
        teste::Filho<QPushButton>(*dialogo, "cmdSalvarPdf")->click();
    });
    Filho<QToolButton>(*t.janela, "cmdImprimir")->click();
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
        Filho<QLineEdit>(*dialogo, "txtCabecalhoLinhaUm")->setText(QStringLiteral("Nova análise"));
        Filho<QPushButton>(*dialogo, "cmdOk")->click();
    });
    Filho<QAction>(*t.janela, "mnuConfigurarRodape")->trigger();
    QVERIFY(visto);
    QCOMPARE(t.ambiente.programa->Rodape.CabecalhoLinhaUm, std::string("Nova an\xE1lise"));
    // Reopened, the dialog shows what was just saved.
    AoAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<frmConfiguraRodape*>(w);
        QVERIFY(dialogo);
        QCOMPARE(Filho<QLineEdit>(*dialogo, "txtCabecalhoLinhaUm")->text(), QStringLiteral("Nova análise"));
        t.ambiente.mensagens.respostas = {RespostaMensagem::Sim};
        Filho<QPushButton>(*dialogo, "cmdCancelar")->click();
    });
    Filho<QAction>(*t.janela, "mnuConfigurarRodape")->trigger();
    QCOMPARE(t.ambiente.mensagens.mostradas.last().titulo, QStringLiteral("Atenção:"));
}

void TesteImpressaoPrincipal::editorAbrePelaJanelaPrincipal() {
    PrincipalTeste t;
    bool visto = false;
    AoAbrirModal([&](QWidget* w) {
        auto* escolha = qobject_cast<frmSelecionaAlteracao*>(w);
        QVERIFY(escolha);
        visto = true;
        QCOMPARE(teste::Filho<QComboBox>(*escolha, "cmbItem")->count(),
                 37); // the 28 and the entries after them
        teste::Filho<QPushButton>(*escolha, "cmdRetornar")->click();
    });
    Filho<QAction>(*t.janela, "mnuAlterarConteudoDasAnalises")->trigger();
    QVERIFY(visto);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TesteImpressaoPrincipal::orientacaoRetratoChegaAoTrabalho() {
    // The default printer is set to landscape on the system. The start-up turns it to portrait,
    // and that is the orientation of the print dialog's page and of the sheets the job prints.
    PrincipalTeste t(false, true);
    ServicosImpressaoDuplo& servicos = t.ambiente.impressao;
    servicos.pagina.setOrientation(QPageLayout::Landscape);
    servicos.haImpressora = true;
    t.Iniciar();
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
        teste::Filho<QPushButton>(*dialogo, "cmdImprimir")->click();
    });
    Filho<QToolButton>(*t.janela, "cmdImprimir")->click();
    QVERIFY(visto);
    QCOMPARE(servicos.trabalhos, 1);
    const QSizeF folha = TamanhoPaginaPdf(saida);
    QVERIFY2(folha.height() > folha.width(),
             qPrintable(QStringLiteral("%1 x %2").arg(folha.width()).arg(folha.height())));

    // Without a printer there is no printer setting to change.
    PrincipalTeste u;
    QVERIFY(!u.ambiente.impressao.Orientacao());
}

void TesteImpressaoPrincipal::relatoriosSemJanelaUsamOsServicosRecebidos() {
    // The reports without a window set up the printer services they are handed, as the main
    // window's start-up does: portrait with a printer, nothing without one; the services of a
    // program already running are not touched.
    PrincipalTeste t(true, true);
    ServicosImpressaoDuplo comImpressora;
    comImpressora.pagina.setOrientation(QPageLayout::Landscape);
    comImpressora.haImpressora = true;
    ServicosImpressaoDuplo semImpressora;
    {
        const GeradorPdf gerador(t.ambiente.programa->PastaPrograma, Data{7, 12, 2026}, comImpressora);
        const GeradorPdf outro(t.ambiente.programa->PastaPrograma, Data{7, 12, 2026}, semImpressora);
    }
    QCOMPARE(comImpressora.Orientacao(), std::optional<QPageLayout::Orientation>(QPageLayout::Portrait));
    QVERIFY(!semImpressora.Orientacao());
    QVERIFY(!t.ambiente.impressao.Orientacao());
}

void TesteImpressaoPrincipal::falhaDentroDoDialogoDizOQueFalhou() {
    // A failure while the print dialog opens, or while it runs, is told as what it is (an
    // analysis is on screen: never the refusal meant for no analysis), and the main window's
    // pointer comes back.
    const QString inesperado = QStringLiteral(
        ": ocorreu um erro inesperado. Tente novamente; se o erro continuar, feche o programa e "
        "abra-o de novo.");
    const QString memoria =
        QStringLiteral(": faltou memória. Feche outras análises ou outros programas e tente novamente.");
    struct Caso {
        bool aoAbrir;
        bool semMemoria;
        QString texto;
    };
    const Caso casos[] = {
        {true, false, QStringLiteral("Não foi possível preparar a impressão da análise") + inesperado},
        {false, false, QStringLiteral("Não foi possível imprimir a análise") + inesperado},
        {false, true, QStringLiteral("Não foi possível imprimir a análise") + memoria},
    };
    for (const Caso& caso : casos) {
        PrincipalTeste t(false, true);
        ServicosImpressaoDuplo& servicos = t.ambiente.impressao;
        servicos.haImpressora = true;
        t.Iniciar();
        QVERIFY(CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970"));
        if (caso.aoAbrir) {
            servicos.falharPagina = true;
        } else {
            servicos.falharImpressora = !caso.semMemoria;
            servicos.semMemoria = caso.semMemoria;
            AoAbrirModal([](QWidget* w) {
                auto* dialogo = qobject_cast<frmImprimir*>(w);
                QVERIFY(dialogo);
                teste::Filho<QPushButton>(*dialogo, "cmdImprimir")->click();
            });
        }
        Filho<QToolButton>(*t.janela, "cmdImprimir")->click();
        QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
        const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
        QCOMPARE(m.titulo, QStringLiteral("Erro:"));
        QCOMPARE(m.texto, caso.texto);
        QVERIFY(m.texto != kRecusaImpressao);
        QVERIFY(!t.janela->Ocupado());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
}

void TesteImpressaoPrincipal::falhaAoPrepararAImpressoraEAvisada() {
    // The start-up's printer setting: a failure of the platform is told, not swallowed, and the
    // program starts all the same.
    PrincipalTeste t(false);
    ServicosImpressaoDuplo& servicos = t.ambiente.impressao;
    servicos.haImpressora = true;
    servicos.falhasHaImpressora = 1;
    t.Iniciar();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
    QCOMPARE(m.texto, QStringLiteral("Não foi possível preparar a impressora padrão: ocorreu um erro "
                                     "inesperado. O programa continua, e as impressões usarão a "
                                     "orientação que a impressora tiver."));
    QVERIFY(!servicos.Orientacao());
    QVERIFY(t.janela->isVisible());
}

void TesteImpressaoPrincipal::falhaAtualSoChamaDeMemoriaOBadAlloc() {
    // What the print job says of a failure while it lays out the pages: only std::bad_alloc is
    // a lack of memory.
    const QString memoria = QStringLiteral("faltou memória para montar as páginas");
    const QString outra = QStringLiteral("um erro inesperado interrompeu a montagem das páginas");
    const auto descrever = [&](auto lancar) {
        try {
            lancar();
        } catch (const std::exception&) {
            return FalhaAtual(memoria, outra);
        }
        return QString();
    };
    QCOMPARE(descrever([] { throw std::bad_alloc(); }), memoria);
    QCOMPARE(descrever([] { throw std::runtime_error("x"); }), outra);
    QCOMPARE(descrever([] { throw std::out_of_range("x"); }), outra);
    QCOMPARE(descrever([] { throw std::length_error("x"); }), outra);
    QCOMPARE(descrever([] { static_cast<void>(std::vector<int>().at(1)); }), outra);
}

QTEST_MAIN(TesteImpressaoPrincipal)
#include "teste_impressao_principal.moc"
