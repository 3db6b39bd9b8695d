// A register that cannot be used as it is: damaged, of a newer version, locked by another
// program, not a regular file, in a folder or file without write permission; and two programs
// adding clients at the same time. The file checks and the two writers run in child processes of
// this program, waited for with a time limit.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "clientes/qt/cadastro_clientes.h"
#include "teste_clientes_apoio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

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
    auto c = AbrirCadastro(QString::fromLocal8Bit(pasta), &erro, 500);
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
    auto c = AbrirCadastro(QString::fromLocal8Bit(pasta), &erro);
    if (!c) {
        std::printf("abrir: %s\n", erro.toUtf8().constData());
        return 1;
    }
    for (int i = 0; i < n; ++i) {
        const QString nomeCliente =
            QStringLiteral("%1 %2").arg(QString::fromUtf8(prefixo)).arg(i, 4, 10, QLatin1Char('0'));
        const VerificacaoCliente v =
            VerificarCliente(nomeCliente, QStringLiteral("01/01/1980"), kHojeClientes);
        const ResultadoCadastro r = c->Adicionar(v, kHojeClientes);
        if (!r.ok()) {
            std::printf("cliente %d: %s\n", i, r.erro.toUtf8().constData());
            return 1;
        }
    }
    return 0;
}

class TesteClientesFalhas : public QObject {
    Q_OBJECT
private slots:
    void arquivoDanificado();
    void arquivoDeVersaoMaisNova();
    void bancoDeOutroPrograma();
    void arquivoBloqueado();
    void arquivoQueNaoEComum();
    void pastaOuArquivoSemGravacao();
    void doisProcessosIncluindo();
};

void TesteClientesFalhas::arquivoDanificado() {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("clientes.db"));
    {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    }
    QString erro;
    QVERIFY(!AbrirCadastro(pasta.path(), &erro));
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
        auto c = AbrirCadastro(outra.path(), &e);
        QVERIFY2(c, qPrintable(e));
        std::vector<VerificacaoCliente> lista;
        for (int i = 0; i < 400; ++i)
            lista.push_back(Novo(qPrintable(QStringLiteral("Cliente numero %1").arg(i)), "01/01/1990",
                                 "uma observação razoavelmente longa para ocupar várias páginas do arquivo"));
        QVERIFY(c->Importar(lista, kHojeClientes).ok);
        QSqlQuery q(c->Banco());
        QVERIFY(q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
    }
    {
        QFile g(outra.filePath(QStringLiteral("clientes.db")));
        QVERIFY(g.open(QIODevice::ReadWrite));
        // Well past the first pages (the schema and the empty tables of later versions): in the
        // middle of the clients' rows.
        QVERIFY(g.size() > 10 * 4096);
        g.seek(8 * 4096 + 100);
        g.write(QByteArray(2000, '\xA5'));
    }
    QVERIFY(!AbrirCadastro(outra.path(), &erro));
    QVERIFY2(erro.contains(QStringLiteral("danificado")), qPrintable(erro));
}

void TesteClientesFalhas::arquivoDeVersaoMaisNova() {
    QTemporaryDir pasta;
    {
        OutraConexao o(pasta.filePath(QStringLiteral("clientes.db")));
        QVERIFY(o.Executar(QStringLiteral("PRAGMA user_version = 99")));
    }
    QString erro;
    QVERIFY(!AbrirCadastro(pasta.path(), &erro));
    QCOMPARE(erro, QStringLiteral("o arquivo foi criado por uma versão mais nova do programa (versão 99 do "
                                  "cadastro; esta versão conhece até a 2)"));
}

// A valid SQLite file with tables of another program is refused, and left byte for byte.
void TesteClientesFalhas::bancoDeOutroPrograma() {
    for (int versao : {0, 1, 2}) {
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("clientes.db"));
        {
            OutraConexao o(arquivo);
            QVERIFY(o.Executar(QStringLiteral("CREATE TABLE contabilidade (conta TEXT, valor REAL)")));
            QVERIFY(o.Executar(QStringLiteral("INSERT INTO contabilidade VALUES ('caixa', 10.5)")));
            QVERIFY(o.Executar(QStringLiteral("PRAGMA user_version = %1").arg(versao)));
        }
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray antes = f.readAll();
        f.close();
        QString erro;
        QVERIFY(!AbrirCadastro(pasta.path(), &erro));
        QCOMPARE(erro,
                 QStringLiteral("o arquivo não é um cadastro de clientes: é um banco de dados SQLite com "
                                "outras tabelas, que o programa não altera"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), antes);
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("clientes.db")});
    }
}

void TesteClientesFalhas::arquivoBloqueado() {
    QTemporaryDir pasta;
    QString erro;
    auto c = AbrirCadastro(pasta.path(), &erro, 300);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Conceição", "15/03/1970"), kHojeClientes).ok());
    {
        // Another program in the middle of a long write.
        OutraConexao o(c->Arquivo());
        QVERIFY(o.Executar(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(o.Executar(QStringLiteral("INSERT INTO clientes (nome, nome_busca, nascimento, criado_em) "
                                          "VALUES ('x', 'X', '2000-01-01', '2000-01-01')")));
        const ResultadoCadastro r = c->Adicionar(Novo("Pedro Alves", "02/02/1992"), kHojeClientes);
        QCOMPARE(r.situacao, SituacaoCadastro::Falha);
        QVERIFY2(r.erro.startsWith(QStringLiteral("o cadastro está bloqueado por outro programa")),
                 qPrintable(r.erro));
        QCOMPARE(c->RegistrarAnalise(Novo("Pedro Alves", "02/02/1992"), kHojeClientes).situacao,
                 SituacaoCadastro::Falha);
        QVERIFY(!c->Importar({Novo("Pedro Alves", "02/02/1992")}, kHojeClientes).ok);
        // Reading goes on meanwhile (the other program's change is not seen before it ends).
        QCOMPARE(Nomes(*c, QString()), QStringList{QStringLiteral("Maria da Conceição")});
        QVERIFY(o.Executar(QStringLiteral("ROLLBACK")));
    }
    QVERIFY(c->Adicionar(Novo("Pedro Alves", "02/02/1992"), kHojeClientes).ok());
}

void TesteClientesFalhas::arquivoQueNaoEComum() {
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
    QVERIFY(!AbrirCadastro(outra.path(), &erro));
    QVERIFY2(erro.endsWith(QStringLiteral("clientes.db-wal não é um arquivo comum")), qPrintable(erro));
}

void TesteClientesFalhas::pastaOuArquivoSemGravacao() {
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
        auto c = AbrirCadastro(outra.path(), &erro);
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

void TesteClientesFalhas::doisProcessosIncluindo() {
    QTemporaryDir pasta;
    {
        // The file exists before the two programs start, as when both are opened on the same day.
        QString erro;
        auto c = AbrirCadastro(pasta.path(), &erro);
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
    auto c = AbrirCadastro(pasta.path(), &erro);
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
    TesteClientesFalhas teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "teste_clientes_falhas.moc"
