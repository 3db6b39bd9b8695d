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

ResultadoQt<void> Executar(QSqlQuery& q, const QString& sql) {
    if (q.exec(sql))
        return {};
    return Falha(q.lastError().text());
}

} // namespace

ResultadoQt<void> AtualizarEsquema(QSqlDatabase& banco, const std::vector<PassoEsquema>& passos) {
    QSqlQuery q(banco);
    // Nothing to do, and no write lock taken, for a file already up to date.
    if (ResultadoQt<void> r = Executar(q, QStringLiteral("PRAGMA user_version")); !r)
        return r;
    if (!q.next())
        return Falha(QString());
    const int inicial = q.value(0).toInt();
    q.finish();
    if (inicial == VersaoEsquemaAtual(passos))
        return {};
    for (const PassoEsquema& passo : passos) {
        // The version is read again inside each step's transaction: another program may have
        // brought the file up to date in the meantime.
        if (ResultadoQt<void> r = Executar(q, QStringLiteral("BEGIN IMMEDIATE")); !r)
            return r;
        ResultadoQt<void> lida = Executar(q, QStringLiteral("PRAGMA user_version"));
        if (lida && !q.next())
            lida = Falha(QString());
        if (!lida) {
            q.exec(QStringLiteral("ROLLBACK"));
            return lida;
        }
        const int versao = q.value(0).toInt();
        q.finish();
        if (versao > VersaoEsquemaAtual(passos)) {
            q.exec(QStringLiteral("ROLLBACK"));
            return Falha(QStringLiteral("o arquivo foi criado por uma versão mais nova do programa "
                                        "(versão %1 do cadastro; esta versão conhece até a %2)")
                             .arg(versao)
                             .arg(VersaoEsquemaAtual(passos)));
        }
        if (versao >= passo.versao) {
            q.exec(QStringLiteral("ROLLBACK"));
            continue;
        }
        ResultadoQt<void> passou;
        for (const QString& sql : passo.instrucoes) {
            passou = Executar(q, sql);
            if (!passou)
                break;
        }
        if (passou)
            passou = Executar(q, QStringLiteral("PRAGMA user_version = %1").arg(passo.versao));
        if (!passou) {
            q.exec(QStringLiteral("ROLLBACK"));
            return passou;
        }
        if (ResultadoQt<void> r = Executar(q, QStringLiteral("COMMIT")); !r) {
            q.exec(QStringLiteral("ROLLBACK"));
            return r;
        }
    }
    return {};
}

} // namespace oraculandia
