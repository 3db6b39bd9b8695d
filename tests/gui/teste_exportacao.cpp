// Export to the clipboard from the main window: the text equals the command line program's text
// output byte for byte, the message, the refusal without an analysis, the active viewer wins.
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QToolButton>
#include <QtTest>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "dados/configuracao.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

const QString kMensagemSucesso = QStringLiteral(
    "O texto da análise atualmente exibida em seu monitor foi copiado para a área de "
    "transferência do seu computador. Para transportá-la para qualquer editor de textos (ex. "
    "Word), primeiro inicie o programa, crie um novo documento em branco e então pressione CTRL + "
    "V ou se preferir utilize a opção Editar -> Colar no menu do programa.");

const QString kRecusa = QStringLiteral(
    "Para que você possa exportar uma análise é necessário que você a tenha gerada antes. Para "
    "isso, clique sobre o primeiro botão, crie uma análise e então repita a operação.");

// The command line program's text output for the same folder (settings and texts) and day.
QByteArray SaidaCli(const AmbienteTeste& amb, const char* nome, const char* data) {
    QProcess p;
    p.start(QStringLiteral(PASTA_PROGRAMA_TESTE "/oraculandia-cli"),
            {QStringLiteral("--nome"), QString::fromUtf8(nome), QStringLiteral("--data"),
             QString::fromUtf8(data), QStringLiteral("--hoje"),
             amb.relogio.hoje.toString(QStringLiteral("dd/MM/yyyy")), QStringLiteral("--diretorio"),
             amb.Pasta(), QStringLiteral("--formato"), QStringLiteral("texto")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return "falhou: " + p.readAllStandardError();
    return p.readAllStandardOutput();
}

QByteArray AreaDeTransferencia() {
    return QGuiApplication::clipboard()->text().toUtf8();
}

} // namespace

class TesteExportacao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textoIgualAoDaLinhaDeComando();
    void janelaAtivaEscolheOSujeito();
    void semAnaliseRecusa();
    void nenhumCalculoSelecionado();
};

void TesteExportacao::initTestCase() {
    QVERIFY2(QFile::exists(QStringLiteral(PASTA_PROGRAMA_TESTE "/oraculandia-cli")),
             "oraculandia-cli is built with the tests");
}

void TesteExportacao::textoIgualAoDaLinhaDeComando() {
    PrincipalTeste t(true, true);
    Programa& p = *t.ambiente.programa;
    // Settings that change the text: some sections off, numbers and introductions on.
    p.Configuracao.ImprimirNumero = kLigado;
    p.Configuracao.ImprimirDescricao = kLigado;
    p.Configuracao.CalculosSelecionados[4] = kDesligado;
    p.Configuracao.CalculosSelecionados[19] = kDesligado;
    QVERIFY(SalvarConfiguracao(p.PastaPrograma, p.Configuracao));

    frmExibeRelatorio* v = CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970");
    QVERIFY(v);
    QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    Filho<QToolButton>(*t.janela, "cmdExportar")->click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Importante:"));
    QCOMPARE(m.texto, kMensagemSucesso);
    QCOMPARE(m.icone, IconeMensagem::Informacao);
    QCOMPARE(m.botoes, BotoesMensagem::Ok);
    QVERIFY(!t.janela->Ocupado());

    const QByteArray texto = AreaDeTransferencia();
    QCOMPARE(texto, SaidaCli(t.ambiente, "MARIA DA CONCEICAO", "15/03/1970"));
    QVERIFY(texto.contains("\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"));
    QVERIFY(texto.endsWith("-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"));
    QVERIFY(texto.contains(" Letra A\r\n\r\n"));
    // UTF-8 on the way out, not Windows-1252: "ção" is there and the text is valid UTF-8.
    QVERIFY(texto.contains("\xC3\xA7\xC3\xA3o"));
    QCOMPARE(QString::fromUtf8(texto).toUtf8(), texto);
}

void TesteExportacao::janelaAtivaEscolheOSujeito() {
    PrincipalTeste t(true, true);
    Programa& p = *t.ambiente.programa;
    QVERIFY(SalvarConfiguracao(p.PastaPrograma, p.Configuracao));
    frmExibeRelatorio* maria = CriarAnalise(t, "MARIA DA CONCEICAO", "15/03/1970");
    frmExibeRelatorio* jose = CriarAnalise(t, "JOSE DA SILVA", "01/01/1980");
    QVERIFY(maria && jose && maria != jose);
    for (QMdiSubWindow* sub : Filho<QMdiArea>(*t.janela, "areaMdi")->subWindowList())
        if (sub->widget() == maria)
            Filho<QMdiArea>(*t.janela, "areaMdi")->setActiveSubWindow(sub);
    QCOMPARE(t.janela->JanelaAtiva(), maria);
    Filho<QToolButton>(*t.janela, "cmdExportar")->click();
    QCOMPARE(p.NomeCompleto, std::string("MARIA DA CONCEICAO"));
    QCOMPARE(p.DataNascimento, std::string("15/03/1970"));
    QCOMPARE(AreaDeTransferencia(), SaidaCli(t.ambiente, "MARIA DA CONCEICAO", "15/03/1970"));
}

void TesteExportacao::semAnaliseRecusa() {
    PrincipalTeste t(true, true);
    QGuiApplication::clipboard()->setText(QStringLiteral("intacto"));
    Filho<QToolButton>(*t.janela, "cmdExportar")->click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Erro:"));
    QCOMPARE(m.texto, kRecusa);
    QCOMPARE(m.icone, IconeMensagem::Critico);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("intacto"));
    QVERIFY(!t.janela->Ocupado());
}

void TesteExportacao::nenhumCalculoSelecionado() {
    PrincipalTeste t(true, true);
    Programa& p = *t.ambiente.programa;
    QVERIFY(CriarAnalise(t, "ANA SILVA", "29/11/1985"));
    for (int c = 1; c <= 28; ++c)
        p.Configuracao.CalculosSelecionados[c] = kDesligado;
    GravarSelecaoComplementos(p.PreferenciasPrograma, SelecaoComplementos{}); // and the sections after them
    QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    Filho<QToolButton>(*t.janela, "cmdExportar")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    QCOMPARE(t.ambiente.mensagens.mostradas[0].texto, kMensagemSucesso);
}

QTEST_MAIN(TesteExportacao)
#include "teste_exportacao.moc"
