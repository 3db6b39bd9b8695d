#pragma once
// The list of the Clientes window: every client of the register, kept in memory, of which the
// model shows those whose name holds every word searched for; three columns (Nome, Nascimento,
// Última análise), read-only. Filtering in memory keeps each key typed in the search box cheaper
// than a query of the file.

#include <QAbstractTableModel>
#include <vector>

#include "clientes/qt/cadastro_clientes.h"

namespace oraculandia {

class ModeloClientes : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the clients kept (in the order of their names); shown after the next Filtrar.
    void DefinirTodos(std::vector<ClienteListado> todos);
    // Shows the clients whose folded name (ClienteListado::chave) holds every word of `palavras`
    // (folded the same way); all of them for no word.
    void Filtrar(const QStringList& palavras);
    const ClienteListado* Linha(int linha) const;
    // The row of the client, or -1.
    int LinhaDoId(qint64 id) const;
    int Total() const { return static_cast<int>(visiveis_.size()); }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

private:
    std::vector<ClienteListado> todos_;
    std::vector<int> visiveis_; // positions in todos_ of the rows shown
};

} // namespace oraculandia
