#include "clientes/qt/modelo_clientes.h"

namespace oraculandia {

void ModeloClientes::DefinirTodos(std::vector<ClienteListado> todos) {
    beginResetModel();
    todos_ = std::move(todos);
    visiveis_.clear();
    endResetModel();
}

void ModeloClientes::Filtrar(const QStringList& palavras) {
    beginResetModel();
    visiveis_.clear();
    visiveis_.reserve(todos_.size());
    for (std::size_t i = 0; i < todos_.size(); ++i) {
        const QString& chave = todos_[i].chave;
        bool todas = true;
        for (const QString& p : palavras) {
            if (!chave.contains(p)) {
                todas = false;
                break;
            }
        }
        if (todas)
            visiveis_.push_back(static_cast<int>(i));
    }
    endResetModel();
}

const ClienteListado* ModeloClientes::Linha(int linha) const {
    if (linha < 0 || linha >= Total())
        return nullptr;
    return &todos_[static_cast<std::size_t>(visiveis_[static_cast<std::size_t>(linha)])];
}

int ModeloClientes::LinhaDoId(qint64 id) const {
    for (std::size_t i = 0; i < visiveis_.size(); ++i)
        if (todos_[static_cast<std::size_t>(visiveis_[i])].id == id)
            return static_cast<int>(i);
    return -1;
}

int ModeloClientes::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : Total();
}

int ModeloClientes::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 3;
}

QVariant ModeloClientes::data(const QModelIndex& indice, int papel) const {
    const ClienteListado* c = Linha(indice.row());
    if (c == nullptr)
        return {};
    if (papel == Qt::DisplayRole || papel == Qt::ToolTipRole) {
        switch (indice.column()) {
        case 0:
            return c->nome;
        case 1:
            return c->nascimento;
        case 2:
            return c->ultimaAnalise;
        default:
            return {};
        }
    }
    if (papel == Qt::TextAlignmentRole && indice.column() > 0)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QVariant ModeloClientes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    // The dates are centred under their headings.
    if (orientacao == Qt::Horizontal && papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::Alignment((secao > 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter));
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    switch (secao) {
    case 0:
        return QStringLiteral("Nome");
    case 1:
        return QStringLiteral("Nascimento");
    case 2:
        return QStringLiteral("Última análise");
    default:
        return {};
    }
}

} // namespace oraculandia
