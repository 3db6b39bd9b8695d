#include "estudo/qt/grafias_cliente.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "clientes/qt/cadastro_clientes.h"

namespace oraculandia {

namespace {

bool Falha(const QSqlQuery& q, QString* erro) {
    if (erro)
        *erro = q.lastError().text();
    return false;
}

} // namespace

bool LerGrafiasCliente(CadastroClientes& cadastro, qint64 id, QStringList& grafias, QString* erro) {
    QSqlQuery q(cadastro.Banco());
    q.prepare(QStringLiteral("SELECT grafia FROM grafias_clientes WHERE cliente_id = ? ORDER BY posicao"));
    q.addBindValue(id);
    if (!q.exec())
        return Falha(q, erro);
    QStringList lidas;
    while (q.next())
        lidas << q.value(0).toString();
    grafias = lidas;
    return true;
}

bool GravarGrafiasCliente(CadastroClientes& cadastro, qint64 id, const QStringList& grafias, QString* erro) {
    QSqlQuery q(cadastro.Banco());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Falha(q, erro);
    auto desfazer = [&q, &cadastro, erro] {
        const bool r = Falha(q, erro);
        QSqlQuery(cadastro.Banco()).exec(QStringLiteral("ROLLBACK"));
        return r;
    };
    // A client deleted meanwhile (by another program) gets no spellings.
    q.prepare(QStringLiteral("SELECT 1 FROM clientes WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return desfazer();
    if (!q.next()) {
        q.finish();
        QSqlQuery(cadastro.Banco()).exec(QStringLiteral("ROLLBACK"));
        if (erro)
            *erro =
                QStringLiteral("o cliente não está mais no cadastro (outro programa pode tê-lo excluído)");
        return false;
    }
    q.finish();
    q.prepare(QStringLiteral("DELETE FROM grafias_clientes WHERE cliente_id = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return desfazer();
    q.prepare(QStringLiteral("INSERT INTO grafias_clientes (cliente_id, posicao, grafia) VALUES (?, ?, ?)"));
    for (int i = 0; i < grafias.size(); ++i) {
        q.addBindValue(id);
        q.addBindValue(i + 1);
        q.addBindValue(grafias[i]);
        if (!q.exec())
            return desfazer();
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return desfazer();
    return true;
}

} // namespace oraculandia
