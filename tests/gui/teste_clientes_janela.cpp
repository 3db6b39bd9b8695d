// The Clientes window: the list and its search as the user types, notes, adding, changing and
// deleting clients, Enter and a double-click, CSV import (refused and repeated lines, a failure
// half-way) and export.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <sys/stat.h>

#include "apoio/duplos.h"
#include "apoio/principal_teste.h"
#include "clientes/qt/cadastro_clientes.h"
#include "clientes/qt/frmCliente.h"
#include "clientes/qt/frmClientes.h"
#include "clientes/qt/frmRecusasImportacao.h"
#include "clientes/qt/modelo_clientes.h"
#include "clientes/qt/servicos_clientes.h"
#include "engine/entrada.h"
#include "teste_clientes_apoio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

class ServicosClientesDuplo : public ServicosClientes {
public:
    QString EscolherArquivoImportar(QWidget*) override { return importar; }
    QString EscolherArquivoExportar(QWidget*, const QString& sugestao) override {
        sugestoes << sugestao;
        return exportar;
    }
    bool ConfirmarImportacao(QWidget*, const QString& arquivo, const std::vector<LinhaRecusada>& r,
                             int v) override {
        ++confirmacoes;
        arquivoConfirmado = arquivo;
        recusadas = r;
        validos = v;
        return resposta;
    }
    QString importar;
    QString exportar;
    QStringList sugestoes;
    bool resposta = false;
    int confirmacoes = 0;
    QString arquivoConfirmado;
    std::vector<LinhaRecusada> recusadas;
    int validos = -1;
};

// A register in the test's program folder, with a few clients, and the window over it.
struct JanelaTeste {
    JanelaTeste() {
        QString erro;
        cadastro = AbrirCadastro(ambiente.Pasta(), &erro);
        if (!cadastro)
            qFatal("register: %s", qPrintable(erro));
        Incluir("MARIA DA CONCEIÇÃO", "15/03/1970", "Prefere atendimento pela manhã.\nIndicada por Ana.");
        Incluir("Conceição Ávila Neto", "01/05/1985");
        Incluir("Pedro Álvares Cabral", "22/04/1990");
        janela = std::make_unique<frmClientes>(*cadastro, ambiente.mensagens, ambiente.relogio, servicos);
    }
    qint64 Incluir(const char* nome, const char* data, const char* notas = "") {
        const auto v = VerificarCliente(QString::fromUtf8(nome), QString::fromUtf8(data), Data{7, 12, 2026},
                                        QString::fromUtf8(notas));
        return cadastro->Adicionar(v, Data{7, 12, 2026}).id;
    }
    QStringList Nomes() const {
        QStringList r;
        for (int i = 0; i < janela->Modelo().Total(); ++i)
            r << janela->Modelo().Linha(i)->nome;
        return r;
    }
    AmbienteTeste ambiente;
    ServicosClientesDuplo servicos;
    std::unique_ptr<CadastroClientes> cadastro;
    std::unique_ptr<frmClientes> janela;
};

void Gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TesteClientesJanela : public QObject {
    Q_OBJECT
private slots:
    void listaEColunas();
    void procuraEnquantoDigita();
    void mudancasDeOutroPrograma();
    void observacoesDoSelecionado();
    void novoClienteComRecusas();
    void alterarCliente();
    void excluirPerguntaAntes();
    void enterEDuploCliqueEscolhem();
    void importarComLinhasRecusadasERepetidas();
    void importarArquivoQueNaoServe();
    void importacaoQueFalhaNoMeio();
    void exportar();
    void listaDeRecusas();
};

void TesteClientesJanela::listaEColunas() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    QCOMPARE(j.windowTitle(), QStringLiteral("Clientes"));
    const QAbstractItemModel* m = j.lstClientes->model();
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nome"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nascimento"));
    QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Última análise"));
    QCOMPARE(t.Nomes(),
             (QStringList{QStringLiteral("Conceição Ávila Neto"), QStringLiteral("MARIA DA CONCEIÇÃO"),
                          QStringLiteral("Pedro Álvares Cabral")}));
    QCOMPARE(m->index(1, 1).data().toString(), QStringLiteral("15/03/1970"));
    QCOMPARE(m->index(1, 2).data().toString(), QString());
    QCOMPARE(j.lblTotal->text(), QStringLiteral("3 clientes"));
    // Captions with their access keys; Enter is the analysis.
    QCOMPARE(j.cmdCriarAnalise->text(), QStringLiteral("&Criar análise"));
    QCOMPARE(j.cmdNovo->text(), QStringLiteral("&Novo..."));
    QCOMPARE(j.cmdAlterar->text(), QStringLiteral("&Alterar..."));
    QCOMPARE(j.cmdExcluir->text(), QStringLiteral("&Excluir"));
    QCOMPARE(j.cmdImportar->text(), QStringLiteral("&Importar..."));
    QCOMPARE(j.cmdExportar->text(), QStringLiteral("Expor&tar..."));
    QCOMPARE(j.cmdFechar->text(), QStringLiteral("&Fechar"));
    QVERIFY(j.cmdCriarAnalise->isDefault());
    // The first client is selected, ready for Enter.
    QCOMPARE(j.lstClientes->currentIndex().row(), 0);
    QVERIFY(j.cmdCriarAnalise->isEnabled());
}

void TesteClientesJanela::procuraEnquantoDigita() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    j.show();
    QVERIFY(QTest::qWaitForWindowExposed(&j));
    QTest::keyClicks(j.txtProcurar, QStringLiteral("conceicao"));
    QCOMPARE(t.Nomes(),
             (QStringList{QStringLiteral("Conceição Ávila Neto"), QStringLiteral("MARIA DA CONCEIÇÃO")}));
    QCOMPARE(j.lblTotal->text(), QStringLiteral("2 clientes"));
    // Each key filters at once: one more word narrows the list.
    QTest::keyClicks(j.txtProcurar, QStringLiteral(" mar"));
    QCOMPARE(t.Nomes(), QStringList{QStringLiteral("MARIA DA CONCEIÇÃO")});
    QCOMPARE(j.lblTotal->text(), QStringLiteral("1 cliente"));
    j.txtProcurar->setText(QStringLiteral("CONCEIÇÃO"));
    QCOMPARE(t.Nomes().size(), 2);
    j.txtProcurar->setText(QStringLiteral("álvares"));
    QCOMPARE(t.Nomes(), QStringList{QStringLiteral("Pedro Álvares Cabral")});
    // Nothing found: nothing to analyse, change or delete.
    j.txtProcurar->setText(QStringLiteral("xyz"));
    QCOMPARE(t.Nomes(), QStringList());
    QCOMPARE(j.lblTotal->text(), QStringLiteral("0 clientes"));
    QVERIFY(!j.cmdCriarAnalise->isEnabled());
    QVERIFY(!j.cmdAlterar->isEnabled());
    QVERIFY(!j.cmdExcluir->isEnabled());
    j.txtProcurar->clear();
    QCOMPARE(t.Nomes().size(), 3);
    QVERIFY(j.cmdCriarAnalise->isEnabled());
    // The arrows in the search box move through the list.
    j.txtProcurar->setFocus();
    QTest::keyClick(j.txtProcurar, Qt::Key_Down);
    QCOMPARE(j.lstClientes->currentIndex().row(), 1);
    QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
}

void TesteClientesJanela::mudancasDeOutroPrograma() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    j.txtProcurar->setText(QStringLiteral("a"));
    QCOMPARE(t.Nomes().size(), 3);
    // Another program adds a client and deletes one: the next key typed shows it.
    QString erro;
    auto outro = AbrirCadastro(t.ambiente.Pasta(), &erro);
    QVERIFY2(outro, qPrintable(erro));
    QVERIFY(outro
                ->Adicionar(VerificarCliente(QStringLiteral("Beatriz Araújo"), QStringLiteral("03/03/1993"),
                                             Data{7, 12, 2026}),
                            Data{7, 12, 2026})
                .ok());
    std::vector<ClienteListado> pedro;
    QVERIFY(outro->Buscar(QStringLiteral("pedro"), pedro, &erro));
    QVERIFY(outro->Excluir(pedro.at(0).id).ok());
    QTest::keyClick(j.txtProcurar, Qt::Key_R);
    QCOMPARE(t.Nomes(),
             (QStringList{QStringLiteral("Beatriz Araújo"), QStringLiteral("MARIA DA CONCEIÇÃO")}));
}

void TesteClientesJanela::observacoesDoSelecionado() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    j.txtProcurar->setText(QStringLiteral("maria"));
    QCOMPARE(j.txtObservacoes->toPlainText(),
             QStringLiteral("Prefere atendimento pela manhã.\nIndicada por Ana."));
    QVERIFY(j.txtObservacoes->isReadOnly());
    j.txtProcurar->setText(QStringLiteral("pedro"));
    QCOMPARE(j.txtObservacoes->toPlainText(), QString());
}

void TesteClientesJanela::novoClienteComRecusas() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    auto& msgs = t.ambiente.mensagens;
    bool visto = false;
    AoAbrirModal([&](QWidget* w) {
        auto* d = qobject_cast<frmCliente*>(w);
        QVERIFY(d);
        visto = true;
        QCOMPARE(d->windowTitle(), QStringLiteral("Novo cliente"));
        // The entry's rules and messages: the date first.
        d->txtNome->setText(QStringLiteral("Ana"));
        d->txtNascimento->setText(QStringLiteral("31/02/1990"));
        d->cmdGravar->click();
        QCOMPARE(msgs.mostradas.size(), 1);
        QCOMPARE(msgs.mostradas.last().titulo, QStringLiteral("Erro:"));
        QCOMPARE(msgs.mostradas.last().texto, QString::fromUtf8(kMensagemDataInvalida));
        QCOMPARE(msgs.mostradas.last().icone, IconeMensagem::Critico);
        d->txtNascimento->setText(QStringLiteral("20/8/78"));
        d->cmdGravar->click();
        QCOMPARE(msgs.mostradas.last().texto, QString::fromUtf8(kMensagemNomeCurto));
        // The same person as a client already there.
        d->txtNome->setText(QStringLiteral("maria da conceicao"));
        d->txtNascimento->setText(QStringLiteral("15/03/1970"));
        d->cmdGravar->click();
        QCOMPARE(msgs.mostradas.last().texto,
                 QStringLiteral("Já existe no cadastro um cliente com este nome e esta data de nascimento."));
        QVERIFY(d->isVisible());
        // A pasted name longer than the register takes: refused with its message, never cut
        // short by the box.
        const QString longo = QStringLiteral("Ana ") + QString(40000, u'b');
        d->txtNome->setText(longo);
        d->cmdGravar->click();
        QCOMPARE(msgs.mostradas.last().texto,
                 QStringLiteral("O nome informado tem mais de 32767 caracteres. Digite um nome mais curto."));
        QCOMPARE(d->txtNome->text(), longo);
        d->txtNome->setText(QStringLiteral("Ana Carolina Sá"));
        d->txtNascimento->setText(QStringLiteral("20/8/78"));
        d->txtObservacoes->setPlainText(QStringLiteral("Nota; com \"aspas\"\ne linha nova"));
        d->cmdGravar->click();
    });
    j.cmdNovo->click();
    QVERIFY(visto);
    QCOMPARE(msgs.mostradas.size(), 4);
    QCOMPARE(t.Nomes().size(), 4);
    // The new client is listed and selected.
    const ClienteListado* c = j.Modelo().Linha(j.lstClientes->currentIndex().row());
    QVERIFY(c);
    QCOMPARE(c->nome, QStringLiteral("Ana Carolina Sá"));
    QCOMPARE(c->nascimento, QStringLiteral("20/08/1978"));
    QCOMPARE(j.txtObservacoes->toPlainText(), QStringLiteral("Nota; com \"aspas\"\ne linha nova"));
}

void TesteClientesJanela::alterarCliente() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    j.txtProcurar->setText(QStringLiteral("pedro"));
    const qint64 id = j.IdSelecionado();
    AoAbrirModal([&](QWidget* w) {
        auto* d = qobject_cast<frmCliente*>(w);
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Alterar cliente"));
        QCOMPARE(d->txtNome->text(), QStringLiteral("Pedro Álvares Cabral"));
        QCOMPARE(d->txtNascimento->text(), QStringLiteral("22/04/1990"));
        d->txtNascimento->setText(QStringLiteral("23/04/1990"));
        d->txtObservacoes->setPlainText(QStringLiteral("mudou de cidade"));
        d->cmdGravar->click();
    });
    j.cmdAlterar->click();
    QString erro;
    const auto c = t.cadastro->Obter(id, &erro);
    QCOMPARE(c->nascimento, (Data{23, 4, 1990}));
    QCOMPARE(c->observacoes, QStringLiteral("mudou de cidade"));
    QCOMPARE(j.IdSelecionado(), id);
    QCOMPARE(j.txtObservacoes->toPlainText(), QStringLiteral("mudou de cidade"));
    QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
}

void TesteClientesJanela::excluirPerguntaAntes() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    auto& msgs = t.ambiente.mensagens;
    j.txtProcurar->setText(QStringLiteral("pedro"));
    msgs.respostas = {RespostaMensagem::Nao};
    j.cmdExcluir->click();
    QCOMPARE(msgs.mostradas.size(), 1);
    const MensagemMostrada& m = msgs.mostradas.last();
    QCOMPARE(m.titulo, QStringLiteral("Atenção:"));
    QCOMPARE(m.texto,
             QStringLiteral("Deseja excluir do cadastro o cliente Pedro Álvares Cabral (nascimento em "
                            "22/04/1990)? As observações guardadas sobre ele também serão apagadas."));
    QCOMPARE(m.icone, IconeMensagem::Pergunta);
    QCOMPARE(m.botoes, BotoesMensagem::SimNaoPadraoNao);
    QString erro;
    QCOMPARE(*t.cadastro->Contar(&erro), qint64{3});
    msgs.respostas = {RespostaMensagem::Sim};
    j.cmdExcluir->click();
    QCOMPARE(*t.cadastro->Contar(&erro), qint64{2});
    QCOMPARE(t.Nomes(), QStringList());
    j.txtProcurar->clear();
    QCOMPARE(t.Nomes().size(), 2);
}

void TesteClientesJanela::enterEDuploCliqueEscolhem() {
    {
        JanelaTeste t;
        frmClientes& j = *t.janela;
        j.show();
        QVERIFY(QTest::qWaitForWindowExposed(&j));
        j.txtProcurar->setFocus();
        QTest::keyClicks(j.txtProcurar, QStringLiteral("pedro"));
        QTest::keyClick(j.txtProcurar, Qt::Key_Return);
        QCOMPARE(j.result(), int(QDialog::Accepted));
        QVERIFY(j.ClienteEscolhido());
        QCOMPARE(j.ClienteEscolhido()->nome, QStringLiteral("Pedro Álvares Cabral"));
        QCOMPARE(j.ClienteEscolhido()->nascimento, (Data{22, 4, 1990}));
    }
    {
        JanelaTeste t;
        frmClientes& j = *t.janela;
        j.show();
        QVERIFY(QTest::qWaitForWindowExposed(&j));
        const QModelIndex linha = j.lstClientes->model()->index(1, 0);
        const QPoint ponto = j.lstClientes->visualRect(linha).center();
        QTest::mouseClick(j.lstClientes->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(j.lstClientes->viewport(), Qt::LeftButton, {}, ponto);
        QCOMPARE(j.result(), int(QDialog::Accepted));
        QCOMPARE(j.ClienteEscolhido()->nome, QStringLiteral("MARIA DA CONCEIÇÃO"));
    }
    {
        // Closing chooses nobody.
        JanelaTeste t;
        t.janela->show();
        t.janela->cmdFechar->click();
        QCOMPARE(t.janela->result(), int(QDialog::Rejected));
        QVERIFY(!t.janela->ClienteEscolhido());
    }
}

void TesteClientesJanela::importarComLinhasRecusadasERepetidas() {
    JanelaTeste t;
    frmClientes& j = *t.janela;
    auto& msgs = t.ambiente.mensagens;
    const QString arquivo = t.ambiente.Arquivo("planilha.csv");
    Gravar(arquivo, QByteArray("\xEF\xBB\xBF") +
                        QStringLiteral("nome;nascimento;observacoes\r\n"
                                       "Clara Nunes;12/08/1942;\"cantora; mineira\"\r\n"
                                       "maria da conceicao;15/03/1970;já estava\r\n"
                                       "Ana;01/01/1990;\r\n"
                                       "Elis Regina;17/03/1945;\"disse \"\"oi\"\"\r\nduas linhas\"\r\n"
                                       "Tom Jobim;31/02/1927;\r\n"
                                       "CLARA NUNES;12/8/1942;repetida no arquivo\r\n")
                            .toUtf8());
    t.servicos.importar = arquivo;

    // The refused lines are shown first; answering no imports nothing.
    t.servicos.resposta = false;
    j.cmdImportar->click();
    QCOMPARE(t.servicos.confirmacoes, 1);
    QCOMPARE(t.servicos.arquivoConfirmado, arquivo);
    QCOMPARE(t.servicos.validos, 4);
    QCOMPARE(t.servicos.recusadas.size(), std::size_t{2});
    QCOMPARE(t.servicos.recusadas[0].linha, 4);
    QCOMPARE(t.servicos.recusadas[0].motivo, QStringLiteral("nome incompleto (menos de 5 caracteres)"));
    QCOMPARE(t.servicos.recusadas[1].linha, 7);
    QCOMPARE(t.servicos.recusadas[1].motivo, QStringLiteral("data de nascimento inválida (\"31/02/1927\")"));
    QString erro;
    QCOMPARE(*t.cadastro->Contar(&erro), qint64{3});
    QVERIFY(msgs.mostradas.isEmpty());

    // Yes: the good lines go in, the repeated ones are counted.
    t.servicos.resposta = true;
    j.cmdImportar->click();
    QCOMPARE(*t.cadastro->Contar(&erro), qint64{5});
    QCOMPARE(msgs.mostradas.size(), 1);
    QCOMPARE(msgs.mostradas.last().titulo, QStringLiteral("Informação:"));
    QCOMPARE(
        msgs.mostradas.last().texto,
        QStringLiteral("Importação concluída: 2 clientes incluídos. 2 linhas já estavam no cadastro (ou "
                       "repetidas no arquivo) e foram ignoradas. 2 linhas recusadas não foram importadas."));
    j.txtProcurar->setText(QStringLiteral("elis"));
    QCOMPARE(j.txtObservacoes->toPlainText(), QStringLiteral("disse \"oi\"\nduas linhas"));
    j.txtProcurar->setText(QStringLiteral("clara"));
    QCOMPARE(j.txtObservacoes->toPlainText(), QStringLiteral("cantora; mineira"));

    // A file with only good lines is imported without a question.
    Gravar(arquivo, "Tom Jobim;25/01/1927;maestro\n");
    j.cmdImportar->click();
    QCOMPARE(t.servicos.confirmacoes, 2);
    QCOMPARE(*t.cadastro->Contar(&erro), qint64{6});
    QCOMPARE(msgs.mostradas.last().texto, QStringLiteral("Importação concluída: 1 cliente incluído."));
}

void TesteClientesJanela::importarArquivoQueNaoServe() {
    JanelaTeste t;
    auto& msgs = t.ambiente.mensagens;
    const QString fifo = t.ambiente.Arquivo("canal.csv");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
    t.servicos.importar = fifo;
    t.janela->cmdImportar->click();
    QCOMPARE(msgs.mostradas.size(), 1);
    QCOMPARE(msgs.mostradas.last().titulo, QStringLiteral("Erro:"));
    QCOMPARE(
        msgs.mostradas.last().texto,
        QStringLiteral("Não foi possível importar o arquivo %1: não é um arquivo comum (é um dispositivo ou "
                       "um canal de comunicação).")
            .arg(fifo));
    // An empty file, and a cancelled choice.
    const QString vazio = t.ambiente.Arquivo("vazio.csv");
    Gravar(vazio, "nome;nascimento;observacoes\r\n\r\n");
    t.servicos.importar = vazio;
    t.janela->cmdImportar->click();
    QCOMPARE(msgs.mostradas.last().texto,
             QStringLiteral("O arquivo %1 não contém nenhum cliente.").arg(vazio));
    t.servicos.importar.clear();
    t.janela->cmdImportar->click();
    QCOMPARE(msgs.mostradas.size(), 2);
    QCOMPARE(t.servicos.confirmacoes, 0);
}

void TesteClientesJanela::importacaoQueFalhaNoMeio() {
    JanelaTeste t;
    auto& msgs = t.ambiente.mensagens;
    QVERIFY(QSqlQuery(t.cadastro->Banco())
                .exec(QStringLiteral("CREATE TRIGGER recusa BEFORE INSERT ON clientes WHEN NEW.nome_busca = "
                                     "'FALHA NO MEIO' BEGIN SELECT RAISE(ABORT, 'disco cheio'); END")));
    const QString arquivo = t.ambiente.Arquivo("planilha.csv");
    Gravar(arquivo, "Clara Nunes;12/08/1942\nFalha no meio;01/01/2001\nElis Regina;17/03/1945\n");
    t.servicos.importar = arquivo;
    t.janela->cmdImportar->click();
    QCOMPARE(msgs.mostradas.size(), 1);
    QCOMPARE(msgs.mostradas.last().titulo, QStringLiteral("Erro:"));
    QVERIFY2(msgs.mostradas.last().texto.startsWith(
                 QStringLiteral("Não foi possível importar o arquivo %1: o banco de dados recusou a operação")
                     .arg(arquivo)),
             qPrintable(msgs.mostradas.last().texto));
    QVERIFY(msgs.mostradas.last().texto.endsWith(
        QStringLiteral(". Nenhum cliente foi importado; o cadastro ficou como estava.")));
    QString erro;
    QCOMPARE(*t.cadastro->Contar(&erro), qint64{3});
    QCOMPARE(t.Nomes().size(), 3);
}

void TesteClientesJanela::exportar() {
    JanelaTeste t;
    auto& msgs = t.ambiente.mensagens;
    t.servicos.exportar = t.ambiente.Arquivo("saida"); // without extension: ".csv" is added
    t.janela->cmdExportar->click();
    QVERIFY(t.servicos.sugestoes.at(0).endsWith(QStringLiteral("/clientes.csv")));
    const QString arquivo = t.ambiente.Arquivo("saida.csv");
    QCOMPARE(msgs.mostradas.size(), 1);
    QCOMPARE(msgs.mostradas.last().texto,
             QStringLiteral("3 clientes foram exportados para o arquivo %1.").arg(arquivo));
    std::vector<Cliente> todos;
    QString erro;
    QVERIFY(t.cadastro->Todos(todos, &erro));
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes, EscreverCsv(todos));
    QVERIFY(bytes.contains(
        QStringLiteral("MARIA DA CONCEIÇÃO;15/03/1970;\"Prefere atendimento pela manhã.\nIndicada "
                       "por Ana.\"\r\n")
            .toUtf8()));
    // Existing file under the name with the added extension: asked first.
    msgs.respostas = {RespostaMensagem::Nao};
    t.janela->cmdExportar->click();
    QCOMPARE(msgs.mostradas.size(), 2);
    QCOMPARE(msgs.mostradas.last().titulo, QStringLiteral("Atenção:"));
    // A folder chosen as the file.
    t.servicos.exportar = t.ambiente.Pasta();
    t.janela->cmdExportar->click();
    QCOMPARE(msgs.mostradas.last().titulo, QStringLiteral("Erro:"));
}

void TesteClientesJanela::listaDeRecusas() {
    const std::vector<LinhaRecusada> recusadas = {{4, QStringLiteral("falta o nome")},
                                                  {12, QStringLiteral("falta a data de nascimento")}};
    frmRecusasImportacao d(QStringLiteral("/tmp/p.csv"), recusadas, 7);
    QCOMPARE(d.windowTitle(), QStringLiteral("Aviso:"));
    QCOMPARE(d.txtRecusadas->toPlainText(),
             QStringLiteral("Linha 4: falta o nome\nLinha 12: falta a data de nascimento\n"));
    QCOMPARE(d.lblResumo->text(),
             QStringLiteral("2 linhas do arquivo /tmp/p.csv foram recusadas e não serão "
                            "importadas. Confira a lista abaixo. Deseja importar as outras 7 "
                            "linhas, que estão corretas?"));
    QVERIFY(d.cmdCancelar->isDefault());
    QVERIFY(d.cmdImportar->isEnabled());
    frmRecusasImportacao nenhuma(QStringLiteral("/tmp/p.csv"), {{3, QStringLiteral("x")}}, 0);
    QVERIFY(!nenhuma.cmdImportar->isEnabled());
    QVERIFY(
        nenhuma.lblResumo->text().startsWith(QStringLiteral("Uma linha do arquivo /tmp/p.csv foi recusada")));
}

QTEST_MAIN(TesteClientesJanela)
#include "teste_clientes_janela.moc"
