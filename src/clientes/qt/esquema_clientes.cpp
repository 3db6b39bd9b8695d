#include "clientes/qt/esquema_clientes.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace oraculandia {

std::vector<PassoEsquema> PassosEsquemaClientes() {
    return {
        {1,
         {QStringLiteral("CREATE TABLE clientes ("
                         " id INTEGER PRIMARY KEY,"
                         " nome TEXT NOT NULL,"
                         " nome_busca TEXT NOT NULL,"
                         " nascimento TEXT NOT NULL,"
                         " observacoes TEXT NOT NULL DEFAULT '',"
                         " ultima_analise TEXT,"
                         " criado_em TEXT NOT NULL,"
                         " UNIQUE (nome_busca, nascimento))")}},
    };
}

int VersaoEsquemaAtual(const std::vector<PassoEsquema>& passos) {
    return passos.empty() ? 0 : passos.back().versao;
}

namespace {

bool Executar(QSqlQuery& q, const QString& sql, QString* erro) {
    if (q.exec(sql))
        return true;
    if (erro)
        *erro = q.lastError().text();
    return false;
}

} // namespace

bool AtualizarEsquema(QSqlDatabase& banco, const std::vector<PassoEsquema>& passos, QString* erro) {
    QSqlQuery q(banco);
    // Nothing to do, and no write lock taken, for a file already up to date.
    if (!Executar(q, QStringLiteral("PRAGMA user_version"), erro) || !q.next())
        return false;
    const int inicial = q.value(0).toInt();
    q.finish();
    if (inicial == VersaoEsquemaAtual(passos))
        return true;
    for (const PassoEsquema& passo : passos) {
        // The version is read again inside each step's transaction: another program may have
        // brought the file up to date in the meantime.
        if (!Executar(q, QStringLiteral("BEGIN IMMEDIATE"), erro))
            return false;
        if (!Executar(q, QStringLiteral("PRAGMA user_version"), erro) || !q.next()) {
            q.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
        const int versao = q.value(0).toInt();
        q.finish();
        if (versao > VersaoEsquemaAtual(passos)) {
            q.exec(QStringLiteral("ROLLBACK"));
            if (erro)
                *erro = QStringLiteral("o arquivo foi criado por uma versão mais nova do programa "
                                       "(versão %1 do cadastro; esta versão conhece até a %2)")
                            .arg(versao)
                            .arg(VersaoEsquemaAtual(passos));
            return false;
        }
        if (versao >= passo.versao) {
            q.exec(QStringLiteral("ROLLBACK"));
            continue;
        }
        bool ok = true;
        for (const QString& sql : passo.instrucoes) {
            if (!Executar(q, sql, erro)) {
                ok = false;
                break;
            }
        }
        ok = ok && Executar(q, QStringLiteral("PRAGMA user_version = %1").arg(passo.versao), erro);
        if (!ok) {
            q.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
        if (!Executar(q, QStringLiteral("COMMIT"), erro)) {
            q.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return true;
}

} // namespace oraculandia
