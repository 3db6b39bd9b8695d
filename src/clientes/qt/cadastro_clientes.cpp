#include "clientes/qt/cadastro_clientes.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <atomic>
#include <filesystem>

#include "clientes/qt/esquema_clientes.h"
#include "dados/plataforma.h"
#include "programa/qt/caminhos_qt.h"

namespace oraculandia {

namespace {

// The reason of a database failure, in Portuguese, with SQLite's own words for whoever helps
// the user.
QString Traduzir(const QSqlError& erro) {
    bool numero = false;
    const int codigo = erro.nativeErrorCode().toInt(&numero) & 0xFF;
    QString motivo;
    switch (numero ? codigo : -1) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        motivo = QStringLiteral("o cadastro está bloqueado por outro programa que o está usando");
        break;
    case 8: // SQLITE_READONLY
        motivo = QStringLiteral("o arquivo do cadastro não permite gravação");
        break;
    case 10: // SQLITE_IOERR
        motivo = QStringLiteral("houve um erro de leitura ou gravação no disco");
        break;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        motivo = QStringLiteral("o arquivo está danificado ou não é um cadastro de clientes");
        break;
    case 13: // SQLITE_FULL
        motivo = QStringLiteral("o disco está cheio");
        break;
    case 14: // SQLITE_CANTOPEN
        motivo = QStringLiteral("o arquivo não pôde ser aberto");
        break;
    default:
        motivo = QStringLiteral("o banco de dados recusou a operação");
        break;
    }
    const QString tecnico =
        (erro.databaseText().isEmpty() ? erro.driverText() : erro.databaseText()).trimmed();
    return tecnico.isEmpty() ? motivo : QStringLiteral("%1 (%2)").arg(motivo, tecnico);
}

// Runs `sql`, or the statement prepared on `q`; the reason, in Portuguese, when it fails.
ResultadoQt<void> Executar(QSqlQuery& q, const QString& sql) {
    if (q.exec(sql))
        return {};
    return Falha(Traduzir(q.lastError()));
}

ResultadoQt<void> Executar(QSqlQuery& q) {
    if (q.exec())
        return {};
    return Falha(Traduzir(q.lastError()));
}

// The same for a statement that answers with a row, `q` then standing on it. A statement that
// ran but gave no row is a failure too, with a reason of its own.
ResultadoQt<void> NaLinha(QSqlQuery& q, ResultadoQt<void> executado) {
    if (!executado)
        return executado;
    if (q.next())
        return {};
    return Falha(q.lastError().isValid()
                     ? Traduzir(q.lastError())
                     : QStringLiteral("o banco de dados não devolveu a resposta esperada"));
}

// Keeps the reason of a failed step in the register's answer: false when the step failed.
bool Passou(const ResultadoQt<void>& passo, ResultadoCadastro& r) {
    if (passo)
        return true;
    r.erro = passo.error();
    return false;
}

// A write transaction taken at once (BEGIN IMMEDIATE): it waits for another program's write to
// end instead of failing half-way when it meets it. Rolled back unless committed.
class Transacao {
public:
    explicit Transacao(QSqlDatabase& banco) : q_(banco) {}
    ~Transacao() {
        if (aberta_)
            q_.exec(QStringLiteral("ROLLBACK"));
    }
    ResultadoQt<void> Iniciar() {
        ResultadoQt<void> iniciada = Executar(q_, QStringLiteral("BEGIN IMMEDIATE"));
        aberta_ = iniciada.has_value();
        return iniciada;
    }
    ResultadoQt<void> Confirmar() {
        ResultadoQt<void> confirmada = Executar(q_, QStringLiteral("COMMIT"));
        if (confirmada)
            aberta_ = false;
        return confirmada;
    }

private:
    QSqlQuery q_;
    bool aberta_ = false;
};

// "yyyy-mm-dd" as "dd/mm/yyyy"; anything else as it is.
QString Exibir(const QString& iso) {
    if (iso.size() != 10)
        return iso;
    const QChar* c = iso.constData();
    const QChar r[10] = {c[8], c[9], u'/', c[5], c[6], u'/', c[0], c[1], c[2], c[3]};
    return QString(r, 10);
}

// A file under `caminho`, when there is one, must be a regular file: SQLite would wait forever
// on a named pipe. Looked at without opening it.
bool ArquivoComum(const QString& caminho, bool* existe) {
    const QFileInfo info(caminho);
    *existe = info.exists() || info.isSymLink();
    return !*existe || info.isFile();
}

std::atomic<int> g_conexoes{0};

} // namespace

ResultadoQt<std::unique_ptr<CadastroClientes>>
CadastroClientes::Abrir(const QString& pasta, const std::vector<PassoEsquema>& passos, int esperaMs) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return Falha(QStringLiteral("o suporte a SQLite do Qt não está instalado (no Debian, o pacote "
                                    "libqt6sql6-sqlite)"));
    const QString caminho = QDir(pasta).absoluteFilePath(QString::fromLatin1(kArquivoClientes));
    bool existe = false;
    for (const char* sufixo : {"", "-wal", "-shm"}) {
        bool este = false;
        if (!ArquivoComum(caminho + QString::fromLatin1(sufixo), &este))
            return Falha(QStringLiteral("%1 não é um arquivo comum")
                             .arg(QDir::toNativeSeparators(caminho + QString::fromLatin1(sufixo))));
        if (*sufixo == '\0')
            existe = este;
    }
    // The folder holds the write-ahead log next to the file: without writing there, nothing can
    // be recorded.
    if (!plataforma::PastaGravavel(CaminhoDeQString(QDir(pasta).absolutePath())))
        return Falha(QStringLiteral("a pasta %1 não permite gravação")
                         .arg(QDir::toNativeSeparators(QDir(pasta).absolutePath())));
    if (existe && !(QFileInfo(caminho).isReadable() && QFileInfo(caminho).isWritable()))
        return Falha(QStringLiteral("o arquivo do cadastro não permite leitura e gravação"));

    std::unique_ptr<CadastroClientes> c(new CadastroClientes);
    c->arquivo_ = caminho;
    c->nomeConexao_ = QStringLiteral("oraculandia-clientes-%1").arg(g_conexoes.fetch_add(1));
    c->banco_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), c->nomeConexao_);
    c->banco_.setDatabaseName(caminho);
    c->banco_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(esperaMs));
    if (!c->banco_.open())
        return Falha(Traduzir(c->banco_.lastError()));

    QSqlQuery q(c->banco_);
    // Read before anything is changed: a file that is not a register, or that a newer version of
    // the program made, is left exactly as it is.
    if (const auto lida = NaLinha(q, Executar(q, QStringLiteral("PRAGMA user_version"))); !lida)
        return Falha(lida.error());
    const int versao = q.value(0).toInt();
    q.finish();
    if (versao > VersaoEsquemaAtual(passos))
        return Falha(QStringLiteral("o arquivo foi criado por uma versão mais nova do programa (versão %1 do "
                                    "cadastro; esta versão conhece até a %2)")
                         .arg(versao)
                         .arg(VersaoEsquemaAtual(passos)));
    // A database of another program (tables, but not the register's) is not made into a
    // register: a file of version 0 is new only when it holds nothing, and a register of any
    // later version holds the clients' table.
    if (const auto tabelas = NaLinha(
            q, Executar(q, QStringLiteral(
                               "SELECT count(*), coalesce(sum(type = 'table' AND name = 'clientes'), 0) "
                               "FROM sqlite_master WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'")));
        !tabelas)
        return Falha(tabelas.error());
    const bool vazio = q.value(0).toInt() == 0;
    const bool temClientes = q.value(1).toInt() > 0;
    q.finish();
    if (versao == 0 ? !vazio : !temClientes)
        return Falha(QStringLiteral("o arquivo não é um cadastro de clientes: é um banco de dados SQLite com "
                                    "outras tabelas, que o programa não altera"));
    // A damaged file is found now, not in the middle of the user's work.
    if (const auto feito = Executar(q, QStringLiteral("PRAGMA quick_check")); !feito)
        return Falha(feito.error());
    if (!q.next() || q.value(0).toString() != QStringLiteral("ok"))
        return Falha(QStringLiteral("o arquivo está danificado (a verificação do SQLite encontrou erros)"));
    q.finish();
    // WAL: readers and one writer at the same time, for two programs on the same file.
    if (const auto feito = Executar(q, QStringLiteral("PRAGMA journal_mode = WAL")); !feito)
        return Falha(feito.error());
    if (!q.next() || q.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
        return Falha(QStringLiteral("o arquivo não pôde ser posto no modo de uso compartilhado (WAL)"));
    q.finish();
    for (const char* pragma : {"PRAGMA foreign_keys = ON", "PRAGMA synchronous = NORMAL"})
        if (const auto feito = Executar(q, QString::fromLatin1(pragma)); !feito)
            return Falha(feito.error());
    if (const ResultadoQt<void> atualizado = AtualizarEsquema(c->banco_, passos); !atualizado)
        return Falha(atualizado.error());
    return c;
}

CadastroClientes::~CadastroClientes() {
    buscas_.clear();
    obter_.reset();
    versao_.reset();
    if (banco_.isValid()) {
        banco_.close();
        banco_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(nomeConexao_);
    }
}

ResultadoCadastro CadastroClientes::Adicionar(const VerificacaoCliente& cliente, const Data& hoje) {
    ResultadoCadastro r;
    if (!cliente.ok()) {
        r.erro = cliente.Motivo();
        return r;
    }
    QSqlQuery q(banco_);
    q.prepare(QStringLiteral("INSERT INTO clientes (nome, nome_busca, nascimento, observacoes, criado_em) "
                             "VALUES (?, ?, ?, ?, ?) ON CONFLICT (nome_busca, nascimento) DO NOTHING"));
    q.addBindValue(cliente.nome);
    q.addBindValue(cliente.chave);
    q.addBindValue(DataIso(cliente.nascimento));
    q.addBindValue(cliente.observacoes);
    q.addBindValue(DataIso(hoje));
    if (!Passou(Executar(q), r))
        return r;
    if (q.numRowsAffected() == 0) {
        r.situacao = SituacaoCadastro::Repetido;
        return r;
    }
    r.id = q.lastInsertId().toLongLong();
    r.situacao = SituacaoCadastro::Ok;
    return r;
}

ResultadoCadastro CadastroClientes::Alterar(qint64 id, const VerificacaoCliente& cliente) {
    ResultadoCadastro r;
    r.id = id;
    if (!cliente.ok()) {
        r.erro = cliente.Motivo();
        return r;
    }
    Transacao t(banco_);
    if (!Passou(t.Iniciar(), r))
        return r;
    QSqlQuery q(banco_);
    q.prepare(QStringLiteral("SELECT id FROM clientes WHERE nome_busca = ? AND nascimento = ? AND id <> ?"));
    q.addBindValue(cliente.chave);
    q.addBindValue(DataIso(cliente.nascimento));
    q.addBindValue(id);
    if (!Passou(Executar(q), r))
        return r;
    if (q.next()) {
        r.situacao = SituacaoCadastro::Repetido;
        return r;
    }
    q.finish();
    q.prepare(QStringLiteral(
        "UPDATE clientes SET nome = ?, nome_busca = ?, nascimento = ?, observacoes = ? WHERE id = ?"));
    q.addBindValue(cliente.nome);
    q.addBindValue(cliente.chave);
    q.addBindValue(DataIso(cliente.nascimento));
    q.addBindValue(cliente.observacoes);
    q.addBindValue(id);
    if (!Passou(Executar(q), r))
        return r;
    if (q.numRowsAffected() == 0) {
        r.situacao = SituacaoCadastro::NaoEncontrado;
        return r;
    }
    if (!Passou(t.Confirmar(), r))
        return r;
    r.situacao = SituacaoCadastro::Ok;
    return r;
}

ResultadoCadastro CadastroClientes::Excluir(qint64 id) {
    ResultadoCadastro r;
    r.id = id;
    QSqlQuery q(banco_);
    q.prepare(QStringLiteral("DELETE FROM clientes WHERE id = ?"));
    q.addBindValue(id);
    if (!Passou(Executar(q), r))
        return r;
    r.situacao = q.numRowsAffected() == 0 ? SituacaoCadastro::NaoEncontrado : SituacaoCadastro::Ok;
    return r;
}

ResultadoCadastro CadastroClientes::RegistrarAnalise(const VerificacaoCliente& cliente, const Data& hoje) {
    ResultadoCadastro r;
    if (!cliente.ok()) {
        r.erro = cliente.Motivo();
        return r;
    }
    // One statement: a new client, or the date of the last analysis of the one already there.
    QSqlQuery q(banco_);
    q.prepare(
        QStringLiteral("INSERT INTO clientes (nome, nome_busca, nascimento, observacoes, ultima_analise, "
                       "criado_em) VALUES (?, ?, ?, '', ?, ?) ON CONFLICT (nome_busca, nascimento) "
                       "DO UPDATE SET ultima_analise = excluded.ultima_analise"));
    q.addBindValue(cliente.nome);
    q.addBindValue(cliente.chave);
    q.addBindValue(DataIso(cliente.nascimento));
    q.addBindValue(DataIso(hoje));
    q.addBindValue(DataIso(hoje));
    if (!Passou(Executar(q), r))
        return r;
    q.prepare(QStringLiteral("SELECT id FROM clientes WHERE nome_busca = ? AND nascimento = ?"));
    q.addBindValue(cliente.chave);
    q.addBindValue(DataIso(cliente.nascimento));
    if (!Passou(Executar(q), r))
        return r;
    if (q.next())
        r.id = q.value(0).toLongLong();
    r.situacao = SituacaoCadastro::Ok;
    return r;
}

ResultadoImportacao CadastroClientes::Importar(const std::vector<VerificacaoCliente>& clientes,
                                               const Data& hoje) {
    Transacao t(banco_);
    if (const auto iniciada = t.Iniciar(); !iniciada)
        return Falha(iniciada.error());
    QSqlQuery q(banco_);
    if (!q.prepare(
            QStringLiteral("INSERT INTO clientes (nome, nome_busca, nascimento, observacoes, criado_em) "
                           "VALUES (?, ?, ?, ?, ?) ON CONFLICT (nome_busca, nascimento) DO NOTHING")))
        return Falha(Traduzir(q.lastError()));
    const QString criado = DataIso(hoje);
    int adicionados = 0;
    int repetidos = 0;
    for (const VerificacaoCliente& c : clientes) {
        if (!c.ok())
            return Falha(c.Motivo());
        q.bindValue(0, c.nome);
        q.bindValue(1, c.chave);
        q.bindValue(2, DataIso(c.nascimento));
        q.bindValue(3, c.observacoes);
        q.bindValue(4, criado);
        // On a failure the transaction is rolled back: the register stays as it was.
        if (const auto feito = Executar(q); !feito)
            return Falha(feito.error());
        if (q.numRowsAffected() == 0)
            ++repetidos;
        else
            ++adicionados;
    }
    q.finish();
    if (const auto confirmada = t.Confirmar(); !confirmada)
        return Falha(confirmada.error());
    return ContagemImportacao{adicionados, repetidos};
}

QSqlQuery& CadastroClientes::Preparada(std::unique_ptr<QSqlQuery>& q, const QString& sql) {
    if (!q) {
        q = std::make_unique<QSqlQuery>(banco_);
        q->setForwardOnly(true);
        q->prepare(sql);
    }
    return *q;
}

ResultadoQt<std::optional<Cliente>> CadastroClientes::Obter(qint64 id) {
    QSqlQuery& q = Preparada(obter_, QStringLiteral("SELECT id, nome, nome_busca, nascimento, observacoes, "
                                                    "ultima_analise FROM clientes WHERE id = ?"));
    q.bindValue(0, id);
    if (const auto feito = Executar(q); !feito)
        return Falha(feito.error());
    if (!q.next()) {
        q.finish();
        return std::optional<Cliente>();
    }
    Cliente c;
    c.id = q.value(0).toLongLong();
    c.nome = q.value(1).toString();
    c.nomeBusca = q.value(2).toString();
    c.nascimento = LerDataIso(q.value(3).toString()).value_or(Data{});
    c.observacoes = q.value(4).toString();
    c.ultimaAnalise = LerDataIso(q.value(5).toString());
    q.finish(); // no statement left open on the file
    return std::optional<Cliente>(std::move(c));
}

ResultadoQt<std::vector<ClienteListado>> CadastroClientes::Buscar(const QString& texto) {
    const QStringList palavras = ChaveDeBusca(texto).split(u' ', Qt::SkipEmptyParts);
    const auto n = static_cast<std::size_t>(palavras.size());
    if (buscas_.size() <= n)
        buscas_.resize(n + 1);
    QString sql = QStringLiteral("SELECT id, nome, nascimento, ultima_analise, nome_busca FROM clientes");
    for (std::size_t i = 0; i < n; ++i)
        sql += (i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) +
               QStringLiteral("instr(nome_busca, ?) > 0");
    sql += QStringLiteral(" ORDER BY nome_busca, nascimento");
    QSqlQuery& q = Preparada(buscas_[n], sql);
    for (std::size_t i = 0; i < n; ++i)
        q.bindValue(static_cast<int>(i), palavras[static_cast<qsizetype>(i)]);
    if (const auto feito = Executar(q); !feito)
        return Falha(feito.error());
    std::vector<ClienteListado> saida;
    while (q.next()) {
        ClienteListado c;
        c.id = q.value(0).toLongLong();
        c.nome = q.value(1).toString();
        c.nascimento = Exibir(q.value(2).toString());
        c.ultimaAnalise = Exibir(q.value(3).toString());
        c.chave = q.value(4).toString();
        saida.push_back(std::move(c));
    }
    const QSqlError falha = q.lastError();
    q.finish();
    if (falha.isValid())
        return Falha(Traduzir(falha));
    return saida;
}

ResultadoQt<qint64> CadastroClientes::VersaoDados() {
    QSqlQuery& q = Preparada(versao_, QStringLiteral("PRAGMA data_version"));
    if (const auto lida = NaLinha(q, Executar(q)); !lida)
        return Falha(lida.error());
    const qint64 v = q.value(0).toLongLong();
    q.finish();
    return v;
}

ResultadoQt<std::vector<Cliente>> CadastroClientes::Todos() {
    QSqlQuery q(banco_);
    q.setForwardOnly(true);
    if (const auto feito = Executar(
            q, QStringLiteral("SELECT id, nome, nome_busca, nascimento, observacoes, ultima_analise FROM "
                              "clientes ORDER BY nome_busca, nascimento"));
        !feito)
        return Falha(feito.error());
    std::vector<Cliente> saida;
    while (q.next()) {
        Cliente c;
        c.id = q.value(0).toLongLong();
        c.nome = q.value(1).toString();
        c.nomeBusca = q.value(2).toString();
        c.nascimento = LerDataIso(q.value(3).toString()).value_or(Data{});
        c.observacoes = q.value(4).toString();
        c.ultimaAnalise = LerDataIso(q.value(5).toString());
        saida.push_back(std::move(c));
    }
    if (q.lastError().isValid())
        return Falha(Traduzir(q.lastError()));
    return saida;
}

ResultadoQt<qint64> CadastroClientes::Contar() {
    QSqlQuery q(banco_);
    if (const auto lida = NaLinha(q, Executar(q, QStringLiteral("SELECT count(*) FROM clientes"))); !lida)
        return Falha(lida.error());
    return q.value(0).toLongLong();
}

} // namespace oraculandia
