// The register from the main window: the menu entry and toolbar button with its tip, the
// analysis of a client chosen in the Clientes window (the creation sequence of the entry dialog,
// its question and sounds included), every analysis of the entry dialog recorded, and a register
// that cannot be used (damaged, locked): an error, and the program goes on without it.
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

#include "apoio/principal_teste.h"
#include "app/qt/frmDicas.h"
#include "app/qt/frmEntraNome.h"
#include "clientes/qt/cadastro_clientes.h"
#include "clientes/qt/frmClientes.h"
#include "print/qt/trabalho_impressao.h"
#include "teste_clientes_apoio.h"
#include "teste_impressao_duplo.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

void ResponderEntrada(const QString& data, const QString& nome) {
    AoAbrirModal([data, nome](QWidget* w) {
        auto* d = qobject_cast<frmEntraNome*>(w);
        QVERIFY(d);
        d->txtDataNasc->setText(data);
        d->txtNome->setText(nome);
        d->cmdOk->click();
    });
}

std::vector<Cliente> Todos(const AmbienteTeste& a) {
    QString erro;
    auto c = AbrirCadastro(a.Pasta(), &erro);
    std::vector<Cliente> r;
    if (c)
        c->Todos(r, &erro);
    return r;
}

void Danificar(const AmbienteTeste& a) {
    QFile f(a.Arquivo("clientes.db"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
}

int Janelas(PrincipalTeste& t) {
    return static_cast<int>(t.janela->areaMdi()->subWindowList().size());
}

} // namespace

class TesteClientesPrincipal : public QObject {
    Q_OBJECT
private slots:
    void menuEBotaoComDica();
    void analiseDeUmCliente();
    void entradaRegistraCadaAnalise();
    void cadastroDanificado();
    void cadastroBloqueado();
    void entradaSemCadastroEComReferencia();
};

void TesteClientesPrincipal::menuEBotaoComDica() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    QVERIFY(p.mnuClientes);
    QCOMPARE(p.mnuClientes->text(), QStringLiteral("&Clientes..."));
    QCOMPARE(p.mnuClientes->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QVERIFY(p.mnuArquivo->actions().contains(p.mnuClientes));
    QVERIFY(p.mnuClientes->isEnabled());
    // The seventh button, after the six that keep their places; then the name study, and
    // "Sair" last.
    QCOMPARE(p.cmdClientes->parentWidget(), p.picMenu);
    QCOMPARE(p.cmdClientes->geometry(), QRect(3 + 48 * 6, 3, 43, 40));
    QVERIFY(!p.cmdClientes->icon().isNull());
    QCOMPARE(p.cmdEstudoNome->geometry(), QRect(3 + 48 * 7, 3, 43, 40));
    QVERIFY(!p.cmdEstudoNome->icon().isNull());
    QCOMPARE(p.cmdSair->geometry(), QRect(3 + 48 * 8, 3, 43, 40));
    QCOMPARE(frmPrincipal::TextoDaDica(QStringLiteral("Clientes")),
             QStringLiteral("Abrir o cadastro de clientes e criar a análise de um deles."));
    MoverMouse(p.cmdClientes);
    QVERIFY(p.Dica());
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Clientes"));
    // The button and the menu open the window (closed here at once); the tip goes away.
    bool aberta = false;
    AoAbrirModal([&](QWidget* w) {
        auto* j = qobject_cast<frmClientes*>(w);
        QVERIFY(j);
        aberta = true;
        j->cmdFechar->click();
    });
    p.cmdClientes->click();
    QVERIFY(aberta);
    QVERIFY(!p.Dica());
    aberta = false;
    AoAbrirModal([&](QWidget* w) {
        aberta = qobject_cast<frmClientes*>(w) != nullptr;
        w->close();
    });
    p.mnuClientes->trigger();
    QVERIFY(aberta);
    QCOMPARE(Janelas(t), 0);
}

void TesteClientesPrincipal::analiseDeUmCliente() {
    PrincipalTeste t(true, true);
    auto& msgs = t.ambiente.mensagens;
    {
        QString erro;
        auto c = AbrirCadastro(t.ambiente.Pasta(), &erro);
        QVERIFY2(c, qPrintable(erro));
        QVERIFY(c->Adicionar(VerificarCliente(QStringLiteral("Maria da Conceição"),
                                              QStringLiteral("15/03/1970"), Data{1, 1, 2026}),
                             Data{1, 1, 2026})
                    .ok());
        QVERIFY(c->Adicionar(VerificarCliente(QStringLiteral("Pedro Alves"), QStringLiteral("02/02/1992"),
                                              Data{1, 1, 2026}),
                             Data{1, 1, 2026})
                    .ok());
    }
    QVERIFY(CriarAnalise(t, "ANA SILVA", "20/08/1978"));
    t.ambiente.sons.tocados.clear();
    msgs.respostas = {RespostaMensagem::Nao}; // keep the analysis already shown
    AoAbrirModal([](QWidget* w) {
        auto* j = qobject_cast<frmClientes*>(w);
        QVERIFY(j);
        QTest::keyClicks(j->txtProcurar, QStringLiteral("conceicao"));
        j->cmdCriarAnalise->click();
    });
    t.janela->cmdClientes->click();

    // The entry dialog's sequence: the question about the analysis shown, the waiting sound in a
    // loop, then the new viewer's page sound.
    QCOMPARE(msgs.mostradas.size(), 1);
    QCOMPARE(msgs.mostradas[0].titulo, QStringLiteral("Advertência:"));
    QCOMPARE(Janelas(t), 2);
    frmExibeRelatorio* v = t.janela->JanelaAtiva();
    QVERIFY(v);
    QCOMPARE(v->NomeAnalisado(), std::string("MARIA DA CONCEICAO"));
    QCOMPARE(v->DataAnalisada(), std::string("15/03/1970"));
    QCOMPARE(t.ambiente.sons.tocados.size(), 2);
    QVERIFY(t.ambiente.sons.tocados[0].caminho.endsWith(QStringLiteral("aguarda.wav")));
    QVERIFY(t.ambiente.sons.tocados[0].repetir);
    QVERIFY(t.ambiente.sons.tocados[1].caminho.endsWith(QStringLiteral("virafolh.wav")));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(!t.janela->Ocupado());
    // The client's last analysis is today.
    for (const Cliente& c : Todos(t.ambiente)) {
        if (c.nomeBusca == QStringLiteral("MARIA DA CONCEICAO"))
            QCOMPARE(c.ultimaAnalise, std::optional<Data>(Data{7, 12, 2026}));
        else
            QVERIFY(!c.ultimaAnalise);
    }

    // With sounds off, none is started; answering yes closes the analysis shown.
    t.ambiente.programa->Configuracao.EscutarSons = kDesligado;
    t.ambiente.sons.tocados.clear();
    msgs.respostas = {RespostaMensagem::Sim};
    AoAbrirModal([](QWidget* w) {
        auto* j = qobject_cast<frmClientes*>(w);
        QVERIFY(j);
        j->txtProcurar->setText(QStringLiteral("pedro"));
        QTest::keyClick(j->txtProcurar, Qt::Key_Return);
    });
    t.janela->mnuClientes->trigger();
    QCOMPARE(Janelas(t), 2);
    QCOMPARE(t.janela->JanelaAtiva()->NomeAnalisado(), std::string("PEDRO ALVES"));
    QVERIFY(t.ambiente.sons.tocados.isEmpty());

    // Closing the window creates nothing and asks nothing.
    const int perguntas = static_cast<int>(msgs.mostradas.size());
    AoAbrirModal([](QWidget* w) { qobject_cast<frmClientes*>(w)->cmdFechar->click(); });
    t.janela->cmdClientes->click();
    QCOMPARE(Janelas(t), 2);
    QCOMPARE(msgs.mostradas.size(), perguntas);
}

void TesteClientesPrincipal::entradaRegistraCadaAnalise() {
    PrincipalTeste t(true, true);
    ResponderEntrada(QStringLiteral("15/03/1970"), QStringLiteral("maria da conceição"));
    t.janela->cmdCriaAnalise->click();
    std::vector<Cliente> todos = Todos(t.ambiente);
    QCOMPARE(todos.size(), std::size_t{1});
    QCOMPARE(todos[0].nome, QStringLiteral("maria da conceição")); // as typed
    QCOMPARE(todos[0].nascimento, (Data{15, 3, 1970}));
    QCOMPARE(todos[0].ultimaAnalise, std::optional<Data>(Data{7, 12, 2026}));

    // The same person on another day: the date of the last analysis moves, nobody is added.
    t.ambiente.relogio.hoje = QDate(2027, 1, 5);
    t.ambiente.mensagens.respostas = {RespostaMensagem::Sim};
    ResponderEntrada(QStringLiteral("15/3/70"), QStringLiteral("MARIA DA CONCEICAO"));
    t.janela->cmdCriaAnalise->click();
    todos = Todos(t.ambiente);
    QCOMPARE(todos.size(), std::size_t{1});
    QCOMPARE(todos[0].nome, QStringLiteral("maria da conceição"));
    QCOMPARE(todos[0].ultimaAnalise, std::optional<Data>(Data{5, 1, 2027}));

    // Another birth date is another person; a cancelled entry records nothing.
    ResponderEntrada(QStringLiteral("16/03/1970"), QStringLiteral("Maria da Conceição"));
    t.janela->cmdCriaAnalise->click();
    AoAbrirModal([](QWidget* w) { qobject_cast<frmEntraNome*>(w)->cmdCancelar->click(); });
    t.janela->cmdCriaAnalise->click();
    QCOMPARE(Todos(t.ambiente).size(), std::size_t{2});
    // Only the questions about the analysis shown were asked.
    for (const MensagemMostrada& m : t.ambiente.mensagens.mostradas)
        QCOMPARE(m.titulo, QStringLiteral("Advertência:"));
}

void TesteClientesPrincipal::cadastroDanificado() {
    PrincipalTeste t(true, true);
    auto& msgs = t.ambiente.mensagens;
    Danificar(t.ambiente);
    const QString esperado =
        QStringLiteral(
            "Não foi possível usar o cadastro de clientes (arquivo %1): o arquivo está danificado ou "
            "não é um cadastro de clientes")
            .arg(t.ambiente.Arquivo("clientes.db"));

    // The analysis is made all the same, after one error.
    ResponderEntrada(QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    t.janela->cmdCriaAnalise->click();
    QCOMPARE(Janelas(t), 1);
    QCOMPARE(msgs.mostradas.size(), 1);
    QCOMPARE(msgs.mostradas[0].titulo, QStringLiteral("Erro:"));
    QCOMPARE(msgs.mostradas[0].icone, IconeMensagem::Critico);
    QVERIFY2(msgs.mostradas[0].texto.startsWith(esperado), qPrintable(msgs.mostradas[0].texto));
    QVERIFY(msgs.mostradas[0].texto.endsWith(
        QStringLiteral(". Esta pessoa não foi guardada no cadastro; a análise será criada mesmo assim.")));
    // Said again for every person left out of the register.
    msgs.respostas = {RespostaMensagem::Nao};
    ResponderEntrada(QStringLiteral("02/02/1992"), QStringLiteral("Pedro Alves"));
    t.janela->cmdCriaAnalise->click();
    QCOMPARE(Janelas(t), 2);
    QCOMPARE(msgs.mostradas.size(), 3);
    QCOMPARE(msgs.mostradas[1].titulo, QStringLiteral("Advertência:"));
    QCOMPARE(msgs.mostradas[2].texto, msgs.mostradas[0].texto);
    // Asked for directly, the window says it again and does not open.
    t.janela->cmdClientes->click();
    QCOMPARE(msgs.mostradas.size(), 4);
    QVERIFY(msgs.mostradas[3].texto.startsWith(esperado));
    QVERIFY(msgs.mostradas[3].texto.endsWith(
        QStringLiteral(". O programa continua funcionando sem o cadastro.")));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The damaged file is never replaced.
    QCOMPARE(t.ambiente.Ler("clientes.db"), QByteArray(4096, 'x'));
}

void TesteClientesPrincipal::cadastroBloqueado() {
    PrincipalTeste t(true, true);
    auto& msgs = t.ambiente.mensagens;
    ResponderEntrada(QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    t.janela->cmdCriaAnalise->click();
    QVERIFY(msgs.mostradas.isEmpty());
    // Another program holds the file in a long write while a person is added; then the file is
    // free for one analysis, and held again for the next: each person left out is said.
    auto analiseBloqueada = [&](const QString& data, const QString& nome) {
        QSqlDatabase outro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outro"));
        outro.setDatabaseName(t.ambiente.Arquivo("clientes.db"));
        QVERIFY(outro.open());
        QVERIFY(QSqlQuery(outro).exec(QStringLiteral("BEGIN IMMEDIATE")));
        msgs.respostas = {RespostaMensagem::Nao};
        ResponderEntrada(data, nome);
        t.janela->cmdCriaAnalise->click();
        QVERIFY(QSqlQuery(outro).exec(QStringLiteral("ROLLBACK")));
        outro.close();
        outro = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("outro"));
    };
    const QString bloqueado = QStringLiteral(
        "Não foi possível guardar esta pessoa no cadastro de clientes: o cadastro está bloqueado "
        "por outro programa que o está usando (database is locked). A "
        "análise será criada mesmo assim.");
    analiseBloqueada(QStringLiteral("02/02/1992"), QStringLiteral("Pedro Alves"));
    QCOMPARE(Janelas(t), 2);
    QCOMPARE(msgs.mostradas.size(), 2);
    QCOMPARE(msgs.mostradas[1].titulo, QStringLiteral("Erro:"));
    QCOMPARE(msgs.mostradas[1].texto, bloqueado);
    QCOMPARE(t.janela->JanelaAtiva()->NomeAnalisado(), std::string("PEDRO ALVES"));
    msgs.respostas = {RespostaMensagem::Nao};
    ResponderEntrada(QStringLiteral("03/03/1993"), QStringLiteral("Joana Lima"));
    t.janela->cmdCriaAnalise->click();
    QCOMPARE(msgs.mostradas.size(), 3); // the question only
    analiseBloqueada(QStringLiteral("04/04/1994"), QStringLiteral("Carlos Souza"));
    QCOMPARE(msgs.mostradas.size(), 5);
    QCOMPARE(msgs.mostradas[4].texto, bloqueado);
    QCOMPARE(Todos(t.ambiente).size(), std::size_t{2});
}

// With the box unchecked the person stays out of the register; a reference date stays with its
// analysis: the pages say it, and printing the analysis later uses it.
void TesteClientesPrincipal::entradaSemCadastroEComReferencia() {
    PrincipalTeste t(true, true);
    AoAbrirModal([](QWidget* w) {
        auto* d = qobject_cast<frmEntraNome*>(w);
        QVERIFY(d);
        d->txtDataNasc->setText(QStringLiteral("15/03/1970"));
        d->txtNome->setText(QStringLiteral("Nome de Teste"));
        d->txtReferencia->setText(QStringLiteral("15/01/2027"));
        d->chkIncluirCadastro->setChecked(false);
        d->cmdOk->click();
    });
    t.janela->cmdCriaAnalise->click();
    QCOMPARE(Janelas(t), 1);
    QVERIFY(Todos(t.ambiente).empty());
    frmExibeRelatorio* janela = t.janela->JanelaAtiva();
    QVERIFY(janela->DataReferencia() == std::optional<Data>(Data{15, 1, 2027}));

    // Another analysis of today, with the box checked again; the first keeps its day.
    t.ambiente.mensagens.respostas = {RespostaMensagem::Nao};
    AoAbrirModal([](QWidget* w) {
        auto* d = qobject_cast<frmEntraNome*>(w);
        QVERIFY(d);
        QVERIFY(!d->chkIncluirCadastro->isChecked()); // remembered
        d->chkIncluirCadastro->setChecked(true);
        d->txtDataNasc->setText(QStringLiteral("02/02/1992"));
        d->txtNome->setText(QStringLiteral("Pedro Alves"));
        d->cmdOk->click();
    });
    t.janela->cmdCriaAnalise->click();
    QCOMPARE(Todos(t.ambiente).size(), std::size_t{1});
    QVERIFY(!t.janela->JanelaAtiva()->DataReferencia());
    Programa& p = *t.ambiente.programa;
    janela->AjustaDadosNaMemoria();
    QVERIFY(p.Referencia() == (Data{15, 1, 2027}));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    const QString arquivo = t.ambiente.Arquivo("referencia.pdf");
    pdf.setOutputFileName(arquivo);
    p.MargensImpressao = Margens{10, 10, 10, 10};
    QVERIFY(ImprimirAnalise(p, pdf, false).ok);
    const QString texto = TextoPdf(arquivo).simplified();
    QVERIFY(texto.contains(QStringLiteral("Os números universais a seguir são os do dia 15/01/2027.")));
    QVERIFY(texto.contains(QStringLiteral("Os números pessoais a seguir são os do dia 15/01/2027.")));
    // The personal year of that day, not of today's.
    const SecoesAnalise de2027 =
        ComporAnalise(p.PastaPrograma, "NOME DE TESTE", "15/03/1970", Data{15, 1, 2027});
    QCOMPARE(p.Secoes[20].Numero, de2027[20].Numero);
    QVERIFY(de2027[20].Numero !=
            ComporAnalise(p.PastaPrograma, "NOME DE TESTE", "15/03/1970", p.Hoje())[20].Numero);
}

QTEST_MAIN(TesteClientesPrincipal)
#include "teste_clientes_principal.moc"
