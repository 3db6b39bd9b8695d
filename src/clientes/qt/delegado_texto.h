#pragma once
// Draws the cells of the client list with their text laid out once and kept: the list is
// refilled on every key typed in the search box, and laying out the same names again for every
// repaint would cost more than the search itself.

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace oraculandia {

class DelegadoTexto : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;

private:
    mutable QHash<QString, QStaticText> textos_;
};

} // namespace oraculandia
