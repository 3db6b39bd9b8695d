#include "estudo/qt/grafias_cliente.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "clientes/qt/cadastro_clientes.h"

namespace oraculandia {

namespace {

Falha<QString> FalhaDaConsulta(const QSqlQuery& q) {
    return Falha(q.lastError().text());
}

} // namespace

ResultadoQt<QStringList> LerGrafiasCliente(CadastroClientes& cadastro, qint64 id) {
    QSqlQuery q(cadastro.Banco());
    q.prepare(QStringLiteral("SELECT grafia FROM grafias_clientes WHERE cliente_id = ? ORDER BY posicao"));
    q.addBindValue(id);
    if (!q.exec())
        return FalhaDaConsulta(q);
    QStringList lidas;
    while (q.next())
        lidas << q.value(0).toString();
    return lidas;
}

ResultadoQt<void> GravarGrafiasCliente(CadastroClientes& cadastro, qint64 id, const QStringList& grafias) {
    QSqlQuery q(cadastro.Banco());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return FalhaDaConsulta(q);
    auto desfazer = [&q, &cadastro] {
        Falha<QString> r = FalhaDaConsulta(q);
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
        return Falha(
            QStringLiteral("o cliente não está mais no cadastro (outro programa pode tê-lo excluído)"));
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
    return {};
}

} // namespace oraculandia
