#pragma once
// The list of the Clientes window: the clients found by the last search, three columns (Nome,
// Nascimento, Última análise), read-only.

#include <QAbstractTableModel>
#include <vector>

#include "clientes/cadastro_clientes.h"

namespace oraculandia {

class ModeloClientes : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the whole list.
    void Definir(std::vector<ClienteListado> linhas);
    const ClienteListado* Linha(int linha) const;
    // The row of the client, or -1.
    int LinhaDoId(qint64 id) const;
    int Total() const { return static_cast<int>(linhas_.size()); }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

private:
    std::vector<ClienteListado> linhas_;
};

} // namespace oraculandia
