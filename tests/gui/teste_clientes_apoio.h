#pragma once
// Helpers of the register tests: the register opened as the program opens it, checked clients,
// the names a search finds, and a second connection to the file, as another program would have it.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include "app/qt/esquema_programa.h"
#include "clientes/qt/cadastro_clientes.h"

namespace oraculandia::teste {

inline constexpr Data kHojeClientes{7, 12, 2026};

// A client that passed the entry's checks (the test stops when it did not).
inline VerificacaoCliente Novo(const char* nome, const char* data, const char* observacoes = "") {
    VerificacaoCliente v = VerificarCliente(QString::fromUtf8(nome), QString::fromUtf8(data), kHojeClientes,
                                            QString::fromUtf8(observacoes));
    if (!v.ok())
        qFatal("bad test client %s: %s", nome, qPrintable(v.Motivo()));
    return v;
}

// The register opened in `pasta` with every step of the program (the name study's table too);
// nullptr, with the reason in `erro` (when given), when it could not be.
inline std::unique_ptr<CadastroClientes> AbrirCadastro(const QString& pasta, QString* erro,
                                                       int esperaMs = kEsperaBloqueioMs) {
    ResultadoQt<std::unique_ptr<CadastroClientes>> aberto =
        CadastroClientes::Abrir(pasta, PassosEsquemaPrograma(), esperaMs);
    if (!aberto) {
        if (erro)
            *erro = aberto.error();
        return nullptr;
    }
    return std::move(*aberto);
}

// The names a search of the register finds, in order; "FALHA: ..." when the query failed.
inline QStringList Nomes(CadastroClientes& c, const QString& busca) {
    const ResultadoQt<std::vector<ClienteListado>> linhas = c.Buscar(busca);
    if (!linhas)
        return {QStringLiteral("FALHA: ") + linhas.error()};
    QStringList nomes;
    for (const ClienteListado& l : *linhas)
        nomes << l.nome;
    return nomes;
}

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
    OutraConexao(const OutraConexao&) = delete;
    OutraConexao& operator=(const OutraConexao&) = delete;
    bool Executar(const QString& sql) {
        QSqlQuery q(banco);
        return q.exec(sql);
    }
    QSqlDatabase banco;
};

} // namespace oraculandia::teste
