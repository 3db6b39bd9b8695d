#include "clientes/qt/esquema_clientes.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace oraculandia {

namespace {

std::vector<PassoEsquema>& Passos() {
    static std::vector<PassoEsquema> passos = {
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
    return passos;
}

} // namespace

const std::vector<PassoEsquema>& PassosEsquema() {
    return Passos();
}

void RegistrarPassoEsquema(const PassoEsquema& passo) {
    std::vector<PassoEsquema>& passos = Passos();
    const auto lugar = std::lower_bound(passos.begin(), passos.end(), passo.versao,
                                        [](const PassoEsquema& p, int versao) { return p.versao < versao; });
    if (lugar != passos.end() && lugar->versao == passo.versao)
        return;
    passos.insert(lugar, passo);
}

int VersaoEsquemaAtual() {
    return PassosEsquema().back().versao;
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

bool AtualizarEsquema(QSqlDatabase& banco, QString* erro) {
    QSqlQuery q(banco);
    // Nothing to do, and no write lock taken, for a file already up to date.
    if (!Executar(q, QStringLiteral("PRAGMA user_version"), erro) || !q.next())
        return false;
    const int inicial = q.value(0).toInt();
    q.finish();
    if (inicial == VersaoEsquemaAtual())
        return true;
    for (const PassoEsquema& passo : PassosEsquema()) {
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
        if (versao > VersaoEsquemaAtual()) {
            q.exec(QStringLiteral("ROLLBACK"));
            if (erro)
                *erro = QStringLiteral("o arquivo foi criado por uma versão mais nova do programa "
                                       "(versão %1 do cadastro; esta versão conhece até a %2)")
                            .arg(versao)
                            .arg(VersaoEsquemaAtual());
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
