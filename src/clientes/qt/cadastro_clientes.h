#pragma once
// The register of clients: clientes.db in the program folder, an SQLite file used through Qt SQL.
//
// Several running programs may use the same file: it is kept in WAL mode (readers never wait for
// a writer) and every connection waits up to kEsperaBloqueioMs for another program's write to
// finish. Every change is one statement or one IMMEDIATE transaction, so a failure leaves the
// file as it was. Layout and versions: esquema_clientes.h.
//
// How other parts of the program use it (the name study, for instance): open one CadastroClientes
// per window or job, identify clients by their id, and keep tables of their own in the same file
// through a schema step of their own (esquema_clientes.h), which the program hands to Abrir with
// the register's, and Banco(). Every method reports failures in
// Portuguese, ready to be shown after "Não foi possível ...: ".

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "clientes/qt/esquema_clientes.h"
#include "clientes/qt/regras_cliente.h"
#include "engine/datas.h"
#include "programa/qt/falhas.h"

namespace oraculandia {

inline constexpr const char* kArquivoClientes = "clientes.db";
inline constexpr int kEsperaBloqueioMs = 5000;

struct Cliente {
    qint64 id = 0;
    QString nome;      // as typed
    QString nomeBusca; // upper case, accents folded: the name of the analysis
    Data nascimento;
    QString observacoes;               // line breaks as "\n"
    std::optional<Data> ultimaAnalise; // day of the last analysis made for the client
};

// One line of the window's list, ready to show.
struct ClienteListado {
    qint64 id = 0;
    QString nome;
    QString chave;         // the name upper case with accents folded (what searches look at)
    QString nascimento;    // dd/mm/yyyy
    QString ultimaAnalise; // dd/mm/yyyy, or empty
};

enum class SituacaoCadastro {
    Ok,
    Repetido,      // another client has the same name (folded) and birth date
    NaoEncontrado, // no client with that id (deleted meanwhile by another program)
    Falha,         // the database refused: locked, full, read-only, damaged...
};

struct ResultadoCadastro {
    SituacaoCadastro situacao = SituacaoCadastro::Falha;
    qint64 id = 0; // the client added, changed or found
    QString erro;  // for Falha
    bool ok() const { return situacao == SituacaoCadastro::Ok; }
};

// What an import did; on a failure (ResultadoImportacao's reason) nothing was added.
struct ContagemImportacao {
    int adicionados = 0;
    int repetidos = 0; // already in the register, or earlier in the same list
};
using ResultadoImportacao = ResultadoQt<ContagemImportacao>;

class CadastroClientes {
public:
    // Opens clientes.db in `pasta`, creating it (and bringing its layout up to date with `passos`,
    // every step of the program in order of version: PassosEsquemaPrograma() in app/qt) when needed.
    // The reason instead when the file cannot be used: not a regular file, damaged, of a newer
    // version, locked by another program for too long, or in a folder or file that does not
    // allow writing. `esperaMs` is how long a write waits for another program's to end.
    static ResultadoQt<std::unique_ptr<CadastroClientes>>
    Abrir(const QString& pasta, const std::vector<PassoEsquema>& passos, int esperaMs = kEsperaBloqueioMs);
    ~CadastroClientes();
    CadastroClientes(const CadastroClientes&) = delete;
    CadastroClientes& operator=(const CadastroClientes&) = delete;

    QString Arquivo() const { return arquivo_; }

    // `cliente` must have passed VerificarCliente. Adding the same person twice gives Repetido.
    ResultadoCadastro Adicionar(const VerificacaoCliente& cliente, const Data& hoje);
    ResultadoCadastro Alterar(qint64 id, const VerificacaoCliente& cliente);
    ResultadoCadastro Excluir(qint64 id);
    // Records an analysis made today: the person's last-analysis date when the same name and
    // birth date are there, a new client otherwise.
    ResultadoCadastro RegistrarAnalise(const VerificacaoCliente& cliente, const Data& hoje);
    // Adds the clients in one transaction: all or, on any failure, none. The same person twice
    // (in the register or in the list) is skipped and counted.
    ResultadoImportacao Importar(const std::vector<VerificacaoCliente>& clientes, const Data& hoje);

    // The client, or nothing when no client has that id; the reason when the file cannot be read.
    ResultadoQt<std::optional<Cliente>> Obter(qint64 id);
    // The clients whose name holds every word of `texto`, ignoring case and accents, in the order
    // of their names; all clients for an empty text. The reason when the query failed.
    ResultadoQt<std::vector<ClienteListado>> Buscar(const QString& texto);
    // A number that changes whenever another connection (another program) has changed the file
    // since the last call; the changes made through this register do not change it. The reason
    // when the file cannot be read.
    ResultadoQt<qint64> VersaoDados();
    // Every client, notes included, in the order of their names.
    ResultadoQt<std::vector<Cliente>> Todos();
    ResultadoQt<qint64> Contar();

    // The connection, for parts that keep tables of their own in the file. Use it from the thread
    // that opened the register only.
    QSqlDatabase& Banco() { return banco_; }

private:
    CadastroClientes() = default;
    // The queries a window runs on every key typed, prepared once.
    QSqlQuery& Preparada(std::unique_ptr<QSqlQuery>& q, const QString& sql);

    QString nomeConexao_;
    QString arquivo_;
    QSqlDatabase banco_;
    std::vector<std::unique_ptr<QSqlQuery>> buscas_; // by number of words
    std::unique_ptr<QSqlQuery> obter_;
    std::unique_ptr<QSqlQuery> versao_;
};

} // namespace oraculandia
