// The register of clients (clientes.db) in a temporary folder: adding, changing, deleting and
// finding clients; searches without case and accents; the last analysis; an import that fails
// half-way; damaged, locked, read-only, newer and non-regular files; two processes adding at the
// same time. The file checks and the two writers run in child processes of this program, waited
// for with a time limit.
#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "clientes/cadastro_clientes.h"
#include "clientes/esquema_clientes.h"

using namespace oraculandia;

namespace {

constexpr Data kHoje{7, 12, 2026};

VerificacaoCliente Novo(const char* nome, const char* data, const char* observacoes = "") {
    VerificacaoCliente v = VerificarCliente(QString::fromUtf8(nome), QString::fromUtf8(data), kHoje,
                                            QString::fromUtf8(observacoes));
    if (!v.ok())
        qFatal("bad test client %s: %s", nome, qPrintable(v.Motivo()));
    return v;
}

QStringList Nomes(CadastroClientes& c, const QString& busca) {
    std::vector<ClienteListado> linhas;
    QString erro;
    if (!c.Buscar(busca, linhas, &erro))
        return {QStringLiteral("FALHA: ") + erro};
    QStringList nomes;
    for (const ClienteListado& l : linhas)
        nomes << l.nome;
    return nomes;
}

// A second connection to the file, as another program would have it.
struct OutraConexao {
    explicit OutraConexao(const QString& arquivo) {
        banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outra"));
        banco.setDatabaseName(arquivo);
        banco.open();
    }
    ~OutraConexao() {
        banco.close();
        banco = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("outra"));
    }
    bool Executar(const QString& sql) {
        QSqlQuery q(banco);
        return q.exec(sql);
    }
    QSqlDatabase banco;
};

struct Filho {
    int codigo = -1;
    QString saida;
    bool terminou = false;
};

// Runs this program with `argumentos` (a child mode of main), waiting at most `limiteMs`.
Filho RodarFilho(const QStringList& argumentos, int limiteMs = 20000) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QCoreApplication::applicationFilePath(), argumentos);
    Filho f;
    f.terminou = p.waitForFinished(limiteMs);
    if (!f.terminou) {
        p.kill();
        p.waitForFinished(5000);
    }
    f.codigo = p.exitCode();
    f.saida = QString::fromUtf8(p.readAll());
    return f;
}

} // namespace

// ---- Child modes ---------------------------------------------------------------------------------

// Opens the register of `pasta` (as user nobody when asked and when running as root, so that
// permissions count) and prints "ok" or the reason. Exit 0 when it opened.
int FilhoAbrir(const char* pasta, bool comoNinguem) {
    if (comoNinguem && ::geteuid() == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            return 3;
    }
    int argc = 1;
    char nome[] = "filho";
    char* argv[] = {nome, nullptr};
    QCoreApplication app(argc, argv);
    QString erro;
    auto c = CadastroClientes::Abrir(QString::fromLocal8Bit(pasta), &erro, 500);
    std::printf("%s\n", c ? "ok" : erro.toUtf8().constData());
    return c ? 0 : 1;
}

// Adds `n` clients named "<prefixo> NNNN", one statement each, as fast as it can.
int FilhoAdicionar(const char* pasta, const char* prefixo, int n) {
    int argc = 1;
    char nome[] = "filho";
    char* argv[] = {nome, nullptr};
    QCoreApplication app(argc, argv);
    QString erro;
    auto c = CadastroClientes::Abrir(QString::fromLocal8Bit(pasta), &erro);
    if (!c) {
        std::printf("abrir: %s\n", erro.toUtf8().constData());
        return 1;
    }
    for (int i = 0; i < n; ++i) {
        const QString nomeCliente =
            QStringLiteral("%1 %2").arg(QString::fromUtf8(prefixo)).arg(i, 4, 10, QLatin1Char('0'));
        const VerificacaoCliente v = VerificarCliente(nomeCliente, QStringLiteral("01/01/1980"), kHoje);
        const ResultadoCadastro r = c->Adicionar(v, kHoje);
        if (!r.ok()) {
            std::printf("cliente %d: %s\n", i, r.erro.toUtf8().constData());
            return 1;
        }
    }
    return 0;
}

// ---- Tests -----------------------------------------------------------------------------------------

class TesteClientesCadastro : public QObject {
    Q_OBJECT
private slots:
    void incluirAlterarExcluirEncontrar();
    void buscaSemMaiusculasNemAcentos();
    void mesmaPessoaUmaVezSo();
    void registrarAnalise();
    void esquemaVersionado();
    void importacaoTudoOuNada();
    void arquivoDanificado();
    void arquivoDeVersaoMaisNova();
    void arquivoBloqueado();
    void arquivoQueNaoEComum();
    void pastaOuArquivoSemGravacao();
    void doisProcessosIncluindo();
};

void TesteClientesCadastro::incluirAlterarExcluirEncontrar() {
    QTemporaryDir pasta;
    QString erro;
    auto c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QCOMPARE(c->Arquivo(), pasta.filePath(QStringLiteral("clientes.db")));
    QVERIFY(QFile::exists(c->Arquivo()));

    const ResultadoCadastro a =
        c->Adicionar(Novo("Maria da Conceição", "15/03/1970", "Vem todo ano;\n\"pontual\""), kHoje);
    QCOMPARE(a.situacao, SituacaoCadastro::Ok);
    QVERIFY(a.id > 0);
    const ResultadoCadastro b = c->Adicionar(Novo("  João Batista  ", "2/1/85"), kHoje);
    QCOMPARE(b.situacao, SituacaoCadastro::Ok);
    QCOMPARE(c->Contar(&erro), std::optional<qint64>(2));

    auto m = c->Obter(a.id, &erro);
    QVERIFY(m);
    QCOMPARE(m->nome, QStringLiteral("Maria da Conceição"));
    QCOMPARE(m->nomeBusca, QStringLiteral("MARIA DA CONCEICAO"));
    QCOMPARE(m->nascimento, (Data{15, 3, 1970}));
    QCOMPARE(m->observacoes, QStringLiteral("Vem todo ano;\n\"pontual\""));
    QVERIFY(!m->ultimaAnalise);
    auto j = c->Obter(b.id, &erro);
    QCOMPARE(j->nome, QStringLiteral("João Batista")); // blanks around the name dropped
    QCOMPARE(j->nascimento, (Data{2, 1, 1985}));       // the entry's century window

    // The list: in the order of the folded names, dates as shown.
    std::vector<ClienteListado> linhas;
    QVERIFY(c->Buscar(QString(), linhas, &erro));
    QCOMPARE(linhas.size(), std::size_t{2});
    QCOMPARE(linhas[0].nome, QStringLiteral("João Batista"));
    QCOMPARE(linhas[0].nascimento, QStringLiteral("02/01/1985"));
    QCOMPARE(linhas[0].ultimaAnalise, QString());
    QCOMPARE(linhas[1].nome, QStringLiteral("Maria da Conceição"));

    // Change: name, date and notes.
    const ResultadoCadastro alt =
        c->Alterar(a.id, Novo("Maria da Conceição Souza", "16/03/1970", "outra nota"));
    QCOMPARE(alt.situacao, SituacaoCadastro::Ok);
    m = c->Obter(a.id, &erro);
    QCOMPARE(m->nome, QStringLiteral("Maria da Conceição Souza"));
    QCOMPARE(m->nomeBusca, QStringLiteral("MARIA DA CONCEICAO SOUZA"));
    QCOMPARE(m->nascimento, (Data{16, 3, 1970}));
    QCOMPARE(m->observacoes, QStringLiteral("outra nota"));
    // Changing one client into another is refused, and changes nothing.
    QCOMPARE(c->Alterar(a.id, Novo("JOAO BATISTA", "02/01/1985")).situacao, SituacaoCadastro::Repetido);
    QCOMPARE(c->Obter(a.id, &erro)->nome, QStringLiteral("Maria da Conceição Souza"));

    // Delete.
    QCOMPARE(c->Excluir(b.id).situacao, SituacaoCadastro::Ok);
    QCOMPARE(c->Excluir(b.id).situacao, SituacaoCadastro::NaoEncontrado);
    QCOMPARE(c->Alterar(b.id, Novo("Pedro Alves", "01/01/2000")).situacao, SituacaoCadastro::NaoEncontrado);
    QVERIFY(!c->Obter(b.id, &erro));
    QCOMPARE(Nomes(*c, QString()), QStringList{QStringLiteral("Maria da Conceição Souza")});

    // Everything is in the file: a new connection sees it.
    c.reset();
    c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QCOMPARE(Nomes(*c, QString()), QStringList{QStringLiteral("Maria da Conceição Souza")});
}

void TesteClientesCadastro::buscaSemMaiusculasNemAcentos() {
    QTemporaryDir pasta;
    QString erro;
    auto c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    for (const char* nome : {"MARIA DA CONCEIÇÃO", "Maria da Conceicao Lima", "José Antônio Müller",
                             "ANA PAULA ÁVILA", "Conceição Ávila Neto", "Paulo Freire"})
        QVERIFY(c->Adicionar(Novo(nome, "10/10/1990"), kHoje).ok());

    QCOMPARE(Nomes(*c, QStringLiteral("conceicao")),
             (QStringList{QStringLiteral("Conceição Ávila Neto"), QStringLiteral("MARIA DA CONCEIÇÃO"),
                          QStringLiteral("Maria da Conceicao Lima")}));
    QCOMPARE(Nomes(*c, QStringLiteral("CONCEIÇÃO")), Nomes(*c, QStringLiteral("conceicao")));
    QCOMPARE(Nomes(*c, QStringLiteral("cOnCeIçãO")), Nomes(*c, QStringLiteral("conceicao")));
    // Accents typed as separate marks (decomposed) count as the letter with its accent.
    QCOMPARE(Nomes(*c, QStringLiteral("conceic\u0327a\u0303o")), Nomes(*c, QStringLiteral("conceicao")));
    QCOMPARE(Nomes(*c, QStringLiteral("muller")), QStringList{QStringLiteral("José Antônio Müller")});
    QCOMPARE(Nomes(*c, QStringLiteral("antonio jose")), QStringList{QStringLiteral("José Antônio Müller")});
    // Every word must be there, anywhere in the name.
    QCOMPARE(Nomes(*c, QStringLiteral("avila conceicao")),
             QStringList{QStringLiteral("Conceição Ávila Neto")});
    QCOMPARE(Nomes(*c, QStringLiteral("  avila  ")),
             (QStringList{QStringLiteral("ANA PAULA ÁVILA"), QStringLiteral("Conceição Ávila Neto")}));
    QCOMPARE(Nomes(*c, QStringLiteral("paula freire")), QStringList());
    QCOMPARE(Nomes(*c, QStringLiteral("%")), QStringList()); // no pattern characters
    QCOMPARE(Nomes(*c, QStringLiteral("_")), QStringList());
    QCOMPARE(Nomes(*c, QStringLiteral("★")), QStringList()); // a character no name can hold
    QCOMPARE(Nomes(*c, QString()).size(), 6);
}

void TesteClientesCadastro::mesmaPessoaUmaVezSo() {
    QTemporaryDir pasta;
    QString erro;
    auto c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Conceição", "15/03/1970"), kHoje).ok());
    // Same person: case, accents and blanks around do not make another one.
    QCOMPARE(c->Adicionar(Novo("MARIA DA CONCEICAO ", "15/3/1970"), kHoje).situacao,
             SituacaoCadastro::Repetido);
    // Another birth date is another person.
    QVERIFY(c->Adicionar(Novo("MARIA DA CONCEICAO", "15/03/1971"), kHoje).ok());
    QCOMPARE(*c->Contar(&erro), qint64{2});
    // A client that did not pass the checks is never recorded.
    VerificacaoCliente ruim = VerificarCliente(QStringLiteral("Ana"), QStringLiteral("01/01/2000"), kHoje);
    QVERIFY(!ruim.ok());
    QCOMPARE(c->Adicionar(ruim, kHoje).situacao, SituacaoCadastro::Falha);
    QCOMPARE(*c->Contar(&erro), qint64{2});
}

void TesteClientesCadastro::registrarAnalise() {
    QTemporaryDir pasta;
    QString erro;
    auto c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    const ResultadoCadastro a =
        c->Adicionar(Novo("Maria da Conceição", "15/03/1970", "nota"), Data{1, 1, 2025});
    // The entry dialog's person, as typed there: the same client gets the date of the analysis.
    const ResultadoCadastro r = c->RegistrarAnalise(Novo("maria da conceicao", "15/03/1970"), kHoje);
    QCOMPARE(r.situacao, SituacaoCadastro::Ok);
    QCOMPARE(r.id, a.id);
    auto m = c->Obter(a.id, &erro);
    QCOMPARE(m->ultimaAnalise, std::optional<Data>(kHoje));
    QCOMPARE(m->nome, QStringLiteral("Maria da Conceição")); // the register keeps its own spelling
    QCOMPARE(m->observacoes, QStringLiteral("nota"));
    // A new person is added, with the date.
    const ResultadoCadastro n = c->RegistrarAnalise(Novo("Pedro Álvares", "22/04/1990"), kHoje);
    QVERIFY(n.ok());
    QVERIFY(n.id != a.id);
    m = c->Obter(n.id, &erro);
    QCOMPARE(m->nome, QStringLiteral("Pedro Álvares"));
    QCOMPARE(m->ultimaAnalise, std::optional<Data>(kHoje));
    std::vector<ClienteListado> linhas;
    QVERIFY(c->Buscar(QStringLiteral("pedro"), linhas, &erro));
    QCOMPARE(linhas.at(0).ultimaAnalise, QStringLiteral("07/12/2026"));
    QCOMPARE(*c->Contar(&erro), qint64{2});
}

void TesteClientesCadastro::esquemaVersionado() {
    QTemporaryDir pasta;
    QString erro;
    {
        auto c = CadastroClientes::Abrir(pasta.path(), &erro);
        QVERIFY2(c, qPrintable(erro));
        QSqlQuery q(c->Banco());
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), VersaoEsquemaAtual());
        QCOMPARE(VersaoEsquemaAtual(), 1);
        QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
        QVERIFY(q.exec(QStringLiteral("PRAGMA foreign_keys")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QVERIFY(q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'clientes'")) && q.next());
        QVERIFY(q.value(0).toString().contains(QStringLiteral("UNIQUE (nome_busca, nascimento)")));
    }
    // Opening again applies nothing twice.
    auto c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Silva", "01/02/1990"), kHoje).ok());
}

void TesteClientesCadastro::importacaoTudoOuNada() {
    QTemporaryDir pasta;
    QString erro;
    auto c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Conceição", "15/03/1970"), kHoje).ok());

    std::vector<VerificacaoCliente> lista = {
        Novo("Ana Paula Lima", "01/01/1990"), Novo("MARIA DA CONCEICAO", "15/03/1970"), // already there
        Novo("Pedro Alves", "02/02/1992"), Novo("ana paula lima", "1/1/1990")};         // twice in the list
    ResultadoImportacao r = c->Importar(lista, kHoje);
    QVERIFY2(r.ok, qPrintable(r.erro));
    QCOMPARE(r.adicionados, 2);
    QCOMPARE(r.repetidos, 2);
    QCOMPARE(*c->Contar(&erro), qint64{3});

    // A failure in the middle (here a rule another program put in the file refuses one client):
    // nothing of the list stays.
    QVERIFY(QSqlQuery(c->Banco())
                .exec(QStringLiteral(
                    "CREATE TRIGGER recusa BEFORE INSERT ON clientes WHEN NEW.nome_busca = 'FALHA NO MEIO' "
                    "BEGIN SELECT RAISE(ABORT, 'recusado'); END")));
    lista = {Novo("Clara Nunes", "12/08/1942"), Novo("Falha no meio", "01/01/2001"),
             Novo("Elis Regina", "17/03/1945")};
    r = c->Importar(lista, kHoje);
    QVERIFY(!r.ok);
    QVERIFY(r.erro.contains(QStringLiteral("recusado")));
    QCOMPARE(*c->Contar(&erro), qint64{3});
    QCOMPARE(Nomes(*c, QStringLiteral("clara")), QStringList());
    // The register is still usable afterwards.
    QVERIFY(c->Adicionar(Novo("Clara Nunes", "12/08/1942"), kHoje).ok());
}

void TesteClientesCadastro::arquivoDanificado() {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("clientes.db"));
    {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    }
    QString erro;
    QVERIFY(!CadastroClientes::Abrir(pasta.path(), &erro));
    QVERIFY2(erro.startsWith(QStringLiteral("o arquivo está danificado ou não é um cadastro de clientes")),
             qPrintable(erro));
    // The damaged file is left as it was.
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(8192, 'x'));
    f.close();

    // A real register with its pages overwritten in the middle.
    QTemporaryDir outra;
    {
        QString e;
        auto c = CadastroClientes::Abrir(outra.path(), &e);
        QVERIFY2(c, qPrintable(e));
        std::vector<VerificacaoCliente> lista;
        for (int i = 0; i < 400; ++i)
            lista.push_back(Novo(qPrintable(QStringLiteral("Cliente numero %1").arg(i)), "01/01/1990",
                                 "uma observação razoavelmente longa para ocupar várias páginas do arquivo"));
        QVERIFY(c->Importar(lista, kHoje).ok);
        QSqlQuery q(c->Banco());
        QVERIFY(q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
    }
    {
        QFile g(outra.filePath(QStringLiteral("clientes.db")));
        QVERIFY(g.open(QIODevice::ReadWrite));
        QVERIFY(g.size() > 5 * 4096);
        g.seek(3 * 4096 + 100);
        g.write(QByteArray(2000, '\xA5'));
    }
    QVERIFY(!CadastroClientes::Abrir(outra.path(), &erro));
    QVERIFY2(erro.contains(QStringLiteral("danificado")), qPrintable(erro));
}

void TesteClientesCadastro::arquivoDeVersaoMaisNova() {
    QTemporaryDir pasta;
    {
        OutraConexao o(pasta.filePath(QStringLiteral("clientes.db")));
        QVERIFY(o.Executar(QStringLiteral("PRAGMA user_version = 99")));
    }
    QString erro;
    QVERIFY(!CadastroClientes::Abrir(pasta.path(), &erro));
    QCOMPARE(erro, QStringLiteral("o arquivo foi criado por uma versão mais nova do programa (versão 99 do "
                                  "cadastro; esta versão conhece até a 1)"));
}

void TesteClientesCadastro::arquivoBloqueado() {
    QTemporaryDir pasta;
    QString erro;
    auto c = CadastroClientes::Abrir(pasta.path(), &erro, 300);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Conceição", "15/03/1970"), kHoje).ok());
    {
        // Another program in the middle of a long write.
        OutraConexao o(c->Arquivo());
        QVERIFY(o.Executar(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(o.Executar(QStringLiteral("INSERT INTO clientes (nome, nome_busca, nascimento, criado_em) "
                                          "VALUES ('x', 'X', '2000-01-01', '2000-01-01')")));
        const ResultadoCadastro r = c->Adicionar(Novo("Pedro Alves", "02/02/1992"), kHoje);
        QCOMPARE(r.situacao, SituacaoCadastro::Falha);
        QVERIFY2(r.erro.startsWith(QStringLiteral("o cadastro está bloqueado por outro programa")),
                 qPrintable(r.erro));
        QCOMPARE(c->RegistrarAnalise(Novo("Pedro Alves", "02/02/1992"), kHoje).situacao,
                 SituacaoCadastro::Falha);
        QVERIFY(!c->Importar({Novo("Pedro Alves", "02/02/1992")}, kHoje).ok);
        // Reading goes on meanwhile (the other program's change is not seen before it ends).
        QCOMPARE(Nomes(*c, QString()), QStringList{QStringLiteral("Maria da Conceição")});
        QVERIFY(o.Executar(QStringLiteral("ROLLBACK")));
    }
    QVERIFY(c->Adicionar(Novo("Pedro Alves", "02/02/1992"), kHoje).ok());
}

void TesteClientesCadastro::arquivoQueNaoEComum() {
    QTemporaryDir pasta;
    const QByteArray fifo = QFile::encodeName(pasta.filePath(QStringLiteral("clientes.db")));
    QVERIFY(::mkfifo(fifo.constData(), 0644) == 0);
    Filho f = RodarFilho({QStringLiteral("--filho-abrir"), pasta.path()});
    QVERIFY2(f.terminou, "opening a named pipe as the register did not return");
    QCOMPARE(f.codigo, 1);
    QCOMPARE(f.saida.trimmed(),
             QStringLiteral("%1 não é um arquivo comum").arg(QString::fromLocal8Bit(fifo)));

    QTemporaryDir outra;
    QVERIFY(QDir(outra.path()).mkdir(QStringLiteral("clientes.db-wal")));
    QString erro;
    QVERIFY(!CadastroClientes::Abrir(outra.path(), &erro));
    QVERIFY2(erro.endsWith(QStringLiteral("clientes.db-wal não é um arquivo comum")), qPrintable(erro));
}

void TesteClientesCadastro::pastaOuArquivoSemGravacao() {
    // Permissions are checked as an ordinary user (root would pass every check).
    QTemporaryDir pasta;
    QVERIFY(QFile::setPermissions(pasta.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    Filho f = RodarFilho({QStringLiteral("--filho-abrir"), pasta.path(), QStringLiteral("ninguem")});
    QVERIFY(f.terminou);
    QCOMPARE(f.codigo, 1);
    QCOMPARE(f.saida.trimmed(), QStringLiteral("a pasta %1 não permite gravação").arg(pasta.path()));
    QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("clientes.db"))));

    // A register file that cannot be written, in a folder that can.
    QTemporaryDir outra;
    {
        QString erro;
        auto c = CadastroClientes::Abrir(outra.path(), &erro);
        QVERIFY2(c, qPrintable(erro));
    }
    QVERIFY(QFile::setPermissions(outra.path(), QFile::Permissions(0x7777)));
    QVERIFY(QFile::setPermissions(outra.filePath(QStringLiteral("clientes.db")),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    f = RodarFilho({QStringLiteral("--filho-abrir"), outra.path(), QStringLiteral("ninguem")});
    QVERIFY(f.terminou);
    QCOMPARE(f.codigo, 1);
    QCOMPARE(f.saida.trimmed(), QStringLiteral("o arquivo do cadastro não permite leitura e gravação"));
    QFile::setPermissions(pasta.path(), QFile::Permissions(0x7700));
}

void TesteClientesCadastro::doisProcessosIncluindo() {
    QTemporaryDir pasta;
    {
        // The file exists before the two programs start, as when both are opened on the same day.
        QString erro;
        auto c = CadastroClientes::Abrir(pasta.path(), &erro);
        QVERIFY2(c, qPrintable(erro));
    }
    constexpr int kPorProcesso = 300;
    QProcess a;
    QProcess b;
    for (QProcess* p : {&a, &b})
        p->setProcessChannelMode(QProcess::MergedChannels);
    a.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--filho-adicionar"), pasta.path(), QStringLiteral("Primeiro Programa"),
             QString::number(kPorProcesso)});
    b.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--filho-adicionar"), pasta.path(), QStringLiteral("Segundo Programa"),
             QString::number(kPorProcesso)});
    const bool terminouA = a.waitForFinished(120000);
    const bool terminouB = b.waitForFinished(120000);
    if (!terminouA || !terminouB) {
        a.kill();
        b.kill();
        a.waitForFinished(5000);
        b.waitForFinished(5000);
        QFAIL("the two programs did not finish");
    }
    QVERIFY2(a.exitCode() == 0, a.readAll().constData());
    QVERIFY2(b.exitCode() == 0, b.readAll().constData());
    QString erro;
    auto c = CadastroClientes::Abrir(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QCOMPARE(*c->Contar(&erro), qint64{2 * kPorProcesso});
    QCOMPARE(Nomes(*c, QStringLiteral("primeiro")).size(), kPorProcesso);
    QCOMPARE(Nomes(*c, QStringLiteral("segundo")).size(), kPorProcesso);
}

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "--filho-abrir") == 0)
        return FilhoAbrir(argv[2], argc >= 4);
    if (argc >= 5 && std::strcmp(argv[1], "--filho-adicionar") == 0)
        return FilhoAdicionar(argv[2], argv[3], std::atoi(argv[4]));
    QCoreApplication app(argc, argv);
    TesteClientesCadastro teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "teste_clientes_cadastro.moc"
