// The name study leaving its window: the PDF (read back with pdftotext: header line, name,
// numbers, reduction steps, page numbers), the print dialog and the printer, and the spellings
// kept with a client of the register (schema step on an old file, the Clientes window's button,
// the spellings coming back, a client deleted).
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "clientes/qt/esquema_clientes.h"
#include "clientes/qt/frmClientes.h"
#include "estudo/qt/frmEstudoNome.h"
#include "teste_clientes_apoio.h"
#include "teste_impressao_duplo.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

void Preencher(frmEstudoNome& j, const QStringList& grafias) {
    teste::Filho<QLineEdit>(j, "txtDataNasc")->setText(QStringLiteral("15/03/1970"));
    j.DataDigitada();
    teste::Filho<QLineEdit>(j, "txtNome")->setText(QStringLiteral("Maria da Conceição"));
    j.NomeDigitado();
    for (const QString& g : grafias) {
        teste::Filho<QLineEdit>(j, "txtGrafia")->setText(g);
        j.cmdAdicionar_Click();
    }
}

// Opens the Clientes window from the main window and asks for the study of `id`.
frmEstudoNome* EstudoDoCliente(PrincipalTeste& t, qint64 id) {
    AoAbrirModal([id](QWidget* w) {
        auto* c = qobject_cast<frmClientes*>(w);
        QVERIFY(c);
        c->Selecionar(id);
        QVERIFY(teste::Filho<QPushButton>(*c, "cmdEstudoNome")->isEnabled());
        teste::Filho<QPushButton>(*c, "cmdEstudoNome")->click();
    });
    Filho<QAction>(*t.janela, "mnuClientes")->trigger();
    QMdiSubWindow* sub = Filho<QMdiArea>(*t.janela, "areaMdi")->currentSubWindow();
    return sub ? qobject_cast<frmEstudoNome*>(sub->widget()) : nullptr;
}

} // namespace

class TesteEstudoSaida : public QObject {
    Q_OBJECT
private slots:
    void pdfLidoDeVolta();
    void pdfDeVariasPaginas();
    void impressoraEDialogo();
    void menuAbreJanela();
    void botoesDaBarraAgemNoEstudo();
    void esquemaDeArquivoAntigo();
    void grafiasGuardadasComOCliente();
};

void TesteEstudoSaida::pdfLidoDeVolta() {
    AmbienteTeste a;
    a.programa->Rodape.CabecalhoLinhaUm = "Consult\xF3rio Estrela";
    a.programa->Rodape.RodapeLinhaUm = "Rua das Flores, 10";
    QTemporaryDir pasta;
    a.impressao.arquivoEscolhido = pasta.filePath(QStringLiteral("estudo")); // ".pdf" is added
    frmEstudoNome j(*a.programa);
    Preencher(j, {QStringLiteral("Maria Conceição"), QStringLiteral("Mary Conception")});
    teste::Filho<QPushButton>(j, "cmdSalvarPdf")->click();
    QCOMPARE(a.impressao.titulos, QStringList{QStringLiteral("Salvar o estudo em PDF")});
    QVERIFY(a.impressao.sugestoes[0].endsWith(QStringLiteral("/Estudo do Nome - Maria da Conceição.pdf")));
    const QString arquivo = pasta.filePath(QStringLiteral("estudo.pdf"));
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Informação:"));
    QCOMPARE(a.mensagens.mostradas[0].texto,
             QStringLiteral("O estudo foi salvo no arquivo %1.").arg(QDir::toNativeSeparators(arquivo)));
    // Only the finished file is left in the folder.
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("estudo.pdf")});

    const QString texto = TextoPdf(arquivo);
    const EstudoNome& e = *j.Estudo();
    for (const QString& esperado :
         {QStringLiteral("Consultório Estrela"), QStringLiteral("Rua das Flores, 10"),
          QStringLiteral("MARIA DA CONCEICAO"), QStringLiteral("Estudo do Nome"),
          QStringLiteral("Data de nascimento: 15/03/1970 (Caminho da Vida %1)").arg(e.caminhoVida),
          QStringLiteral("Maria Conceição"), QStringLiteral("Mary Conception"),
          QStringLiteral("Nome de nascimento"), QStringLiteral("Grafia 3"),
          QStringLiteral("* difere do nome de nascimento")})
        QVERIFY2(texto.contains(esperado), qPrintable(esperado + QStringLiteral("\n---\n") + texto));
    // The working of each spelling, reduction lines included, as the core writes it.
    for (const EstudoGrafia& g : e.grafias) {
        const std::vector<std::string> linhas = LinhasTrabalho(g, e.caminhoVida);
        QVERIFY(texto.contains(QString::fromStdString(linhas[6])));                 // Expression
        QVERIFY(texto.contains(QString::fromStdString(linhas[linhas.size() - 4]))); // Reality
        // The karmic table below the numbers: each spelling's lessons, debts and master numbers.
        for (const std::string& celula : CelulasCarmicas(g))
            QVERIFY2(texto.contains(QString::fromStdString(celula)), celula.c_str());
    }
    for (const char* coluna : kColunasCarmicas)
        QVERIFY(texto.contains(QString::fromUtf8(coluna)));
    QVERIFY(texto.contains(QStringLiteral(" → ")));
    QVERIFY(texto.contains(QStringLiteral("Número da Realidade: Expressão %1 + Caminho da Vida %2 = ")
                               .arg(e.grafias[0].expressao.numero)
                               .arg(e.caminhoVida)));
}

void TesteEstudoSaida::pdfDeVariasPaginas() {
    AmbienteTeste a;
    QTemporaryDir pasta;
    a.impressao.arquivoEscolhido = pasta.filePath(QStringLiteral("longo.pdf"));
    frmEstudoNome j(*a.programa);
    QStringList grafias;
    for (int i = 1; i <= 8; ++i)
        grafias << QStringLiteral("Maria Aparecida dos Santos Conceição Oliveira %1").arg(QString(i, u'x'));
    Preencher(j, grafias);
    teste::Filho<QPushButton>(j, "cmdSalvarPdf")->click();
    const int paginas = PaginasPdf(a.impressao.arquivoEscolhido);
    QVERIFY2(paginas >= 2, qPrintable(QString::number(paginas)));
    // Every page has its number in the footer, and the last spelling's working is there.
    for (int p = 1; p <= paginas; ++p)
        QVERIFY(TextoPdf(a.impressao.arquivoEscolhido, p).contains(QString::number(p)));
    QVERIFY(TextoPdf(a.impressao.arquivoEscolhido).contains(QStringLiteral("Grafia 9")));
}

void TesteEstudoSaida::impressoraEDialogo() {
    AmbienteTeste a;
    QTemporaryDir pasta;
    frmEstudoNome j(*a.programa);
    Preencher(j, {QStringLiteral("Maria Conceição")});
    // No printer: the PDF is offered instead; "No" leaves everything as it was.
    teste::Filho<QPushButton>(j, "cmdImprimir")->click();
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Aviso:"));
    QCOMPARE(a.mensagens.mostradas[0].botoes, BotoesMensagem::SimNao);
    QCOMPARE(a.impressao.sugestoes.size(), 0);
    // A printer: the system print dialog first; cancelled, nothing is printed.
    a.impressao.haImpressora = true;
    a.impressao.arquivoImpressora = pasta.filePath(QStringLiteral("impressora.pdf"));
    a.impressao.confirmarImpressao = false;
    teste::Filho<QPushButton>(j, "cmdImprimir")->click();
    QCOMPARE(a.impressao.dialogosImpressao, 1);
    QVERIFY(!QFile::exists(a.impressao.arquivoImpressora));
    a.impressao.confirmarImpressao = true;
    teste::Filho<QPushButton>(j, "cmdImprimir")->click();
    QCOMPARE(a.impressao.dialogosImpressao, 2);
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QVERIFY(TextoPdf(a.impressao.arquivoImpressora).contains(QStringLiteral("Maria Conceição")));
}

void TesteEstudoSaida::menuAbreJanela() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    QCOMPARE(Filho<QAction>(p, "mnuEstudoNome")->text(), QStringLiteral("&Estudo do Nome..."));
    QCOMPARE(Filho<QAction>(p, "mnuEstudoNome")->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    Filho<QAction>(p, "mnuEstudoNome")->trigger();
    Filho<QAction>(p, "mnuEstudoNome")->trigger();
    const QList<QMdiSubWindow*> janelas = Filho<QMdiArea>(p, "areaMdi")->subWindowList();
    QCOMPARE(janelas.size(), 2);
    auto* estudo = qobject_cast<frmEstudoNome*>(janelas[1]->widget());
    QVERIFY(estudo);
    QCOMPARE(janelas[1]->windowTitle(), QStringLiteral("Estudo do Nome"));
    QCOMPARE(estudo->ClienteId(), qint64{0});
    QVERIFY(!estudo->GravandoNoCadastro());
    QVERIFY(!p.JanelaAtiva()); // a study is not an analysis: the analysis buttons still refuse
    janelas[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Filho<QMdiArea>(p, "areaMdi")->subWindowList().size(), 1);
}

// With a study in front, the toolbar's export copies the study and its print starts the study's
// printing; a study not filled in yet gets the refusal the analyses get.
void TesteEstudoSaida::botoesDaBarraAgemNoEstudo() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    QList<MensagemMostrada>& mostradas = t.ambiente.mensagens.mostradas;
    mostradas.clear();
    Filho<QAction>(p, "mnuEstudoNome")->trigger();
    auto* estudo = qobject_cast<frmEstudoNome*>(Filho<QMdiArea>(p, "areaMdi")->currentSubWindow()->widget());
    QVERIFY(estudo);
    Filho<QToolButton>(p, "cmdExportar")->click();
    QCOMPARE(mostradas.size(), 1);
    QCOMPARE(mostradas[0].titulo, QStringLiteral("Erro:"));
    QVERIFY(mostradas[0].texto.startsWith(QStringLiteral("Para que você possa exportar uma análise")));

    Preencher(*estudo, {QStringLiteral("Maria Conceição")});
    QGuiApplication::clipboard()->clear();
    Filho<QToolButton>(p, "cmdExportar")->click();
    QCOMPARE(mostradas.size(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(TextoEstudo(*estudo->Estudo())));

    // No printer: the study's own print offers the PDF ("Aviso:"), not the analyses' refusal.
    Filho<QToolButton>(p, "cmdImprimir")->click();
    QCOMPARE(mostradas.size(), 2);
    QCOMPARE(mostradas[1].titulo, QStringLiteral("Aviso:"));
    QCOMPARE(mostradas[1].botoes, BotoesMensagem::SimNao);
}

void TesteEstudoSaida::esquemaDeArquivoAntigo() {
    // A register of the first version, with a client, as an older program left it.
    QTemporaryDir pasta;
    {
        OutraConexao o(pasta.filePath(QStringLiteral("clientes.db")));
        const std::vector<PassoEsquema> passos = PassosEsquemaClientes();
        for (const QString& sql : passos.front().instrucoes)
            QVERIFY(o.Executar(sql));
        QVERIFY(
            o.Executar(QStringLiteral("INSERT INTO clientes (nome, nome_busca, nascimento, criado_em) VALUES "
                                      "('Ana Souza', 'ANA SOUZA', '1980-02-01', '2020-01-01')")));
        QVERIFY(o.Executar(QStringLiteral("PRAGMA user_version = 1")));
    }
    QString erro;
    auto c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QSqlQuery q(c->Banco());
    QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    q.finish();
    QCOMPARE(Nomes(*c, QString()), QStringList{QStringLiteral("Ana Souza")});
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM grafias_clientes")) && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    q.finish();
    // The spellings go with their client.
    QVERIFY(q.exec(QStringLiteral("INSERT INTO grafias_clientes VALUES (1, 1, 'Ana de Souza')")));
    QVERIFY(c->Excluir(1).ok());
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM grafias_clientes")) && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

void TesteEstudoSaida::grafiasGuardadasComOCliente() {
    PrincipalTeste t;
    qint64 id = 0;
    {
        QString erro;
        auto c = AbrirCadastro(t.ambiente.Pasta(), &erro);
        QVERIFY2(c, qPrintable(erro));
        id = c->Adicionar(Novo("Maria da Conceição", "15/03/1970"), kHojeClientes).id;
    }
    frmEstudoNome* j = EstudoDoCliente(t, id);
    QVERIFY(j);
    QCOMPARE(j->ClienteId(), id);
    QVERIFY(j->GravandoNoCadastro());
    QCOMPARE(teste::Filho<QLineEdit>(*j, "txtNome")->text(), QStringLiteral("Maria da Conceição"));
    QCOMPARE(teste::Filho<QLineEdit>(*j, "txtDataNasc")->text(), QStringLiteral("15/03/1970"));
    QVERIFY(teste::Filho<QLineEdit>(*j, "txtNome")->isReadOnly());
    QCOMPARE(teste::Filho<QTableWidget>(*j, "tblEstudo")->rowCount(), 1);
    QCOMPARE(Filho<QMdiArea>(*t.janela, "areaMdi")->currentSubWindow()->windowTitle(),
             QStringLiteral("Estudo do Nome - Maria da Conceição"));
    for (const char* g : {"Maria Conceição", "Mary Conception", "Maria C. Silva"}) {
        teste::Filho<QLineEdit>(*j, "txtGrafia")->setText(QString::fromUtf8(g));
        teste::Filho<QPushButton>(*j, "cmdAdicionar")->click();
    }
    teste::Filho<QListWidget>(*j, "lstGrafias")->setCurrentRow(2);
    teste::Filho<QPushButton>(*j, "cmdSubir")->click();
    teste::Filho<QListWidget>(*j, "lstGrafias")->setCurrentRow(0);
    teste::Filho<QPushButton>(*j, "cmdRemover")->click();
    const QStringList esperadas{QStringLiteral("Maria C. Silva"), QStringLiteral("Mary Conception")};
    QCOMPARE(j->Grafias(), esperadas);
    Filho<QMdiArea>(*t.janela, "areaMdi")->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Opened again: the spellings come back, in their order.
    j = EstudoDoCliente(t, id);
    QVERIFY(j);
    QCOMPARE(j->Grafias(), esperadas);
    QCOMPARE(teste::Filho<QTableWidget>(*j, "tblEstudo")->rowCount(), 3);
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 0);

    // A spelling the entry would refuse, put in the file by hand, is not used and not lost.
    {
        OutraConexao o(t.ambiente.Arquivo("clientes.db"));
        QVERIFY(o.Executar(QStringLiteral("INSERT INTO grafias_clientes VALUES (%1, 3, '12 3')").arg(id)));
    }
    Filho<QMdiArea>(*t.janela, "areaMdi")->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    j = EstudoDoCliente(t, id);
    QVERIFY(j);
    QCOMPARE(j->Grafias(), esperadas);
    QVERIFY(!j->GravandoNoCadastro());
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    QVERIFY(t.ambiente.mensagens.mostradas[0].texto.contains(QStringLiteral("\"12 3\"")));
    teste::Filho<QListWidget>(*j, "lstGrafias")->setCurrentRow(0);
    teste::Filho<QPushButton>(*j, "cmdRemover")->click();
    QString erro;
    auto c = AbrirCadastro(t.ambiente.Pasta(), &erro);
    QStringList guardadas;
    QSqlQuery q(c->Banco());
    QVERIFY(q.exec(QStringLiteral("SELECT grafia FROM grafias_clientes ORDER BY posicao")));
    while (q.next())
        guardadas << q.value(0).toString();
    QCOMPARE(guardadas, esperadas + QStringList{QStringLiteral("12 3")});
}

QTEST_MAIN(TesteEstudoSaida)
#include "teste_estudo_saida.moc"
