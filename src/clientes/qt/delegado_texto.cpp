#include "clientes/qt/delegado_texto.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace oraculandia {

namespace {
// Texts kept at most: a few screens of names; beyond that the cache starts again.
constexpr qsizetype kMaximoTextos = 4000;
} // namespace

void DelegadoTexto::paint(QPainter* pintor, const QStyleOptionViewItem& opcao,
                          const QModelIndex& indice) const {
    QStyleOptionViewItem o = opcao;
    initStyleOption(&o, indice);
    const QString texto = o.text;
    o.text.clear();
    const QWidget* widget = o.widget;
    QStyle* estilo = widget ? widget->style() : QApplication::style();
    // Background, selection and focus as the style draws them, without the text.
    estilo->drawControl(QStyle::CE_ItemViewItem, &o, pintor, widget);
    if (texto.isEmpty())
        return;

    o.text = texto; // the text rectangle depends on there being a text
    const QRect area = estilo->subElementRect(QStyle::SE_ItemViewItemText, &o, widget).adjusted(3, 0, -3, 0);
    const bool selecionado = o.state & QStyle::State_Selected;
    const QPalette::ColorGroup grupo = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (o.state & QStyle::State_Active) ? QPalette::Active
                                                                          : QPalette::Inactive;
    pintor->save();
    pintor->setFont(o.font);
    pintor->setPen(o.palette.color(grupo, selecionado ? QPalette::HighlightedText : QPalette::Text));
    if (textos_.size() > kMaximoTextos)
        textos_.clear();
    auto it = textos_.find(texto);
    if (it == textos_.end()) {
        QStaticText novo(texto);
        novo.setTextFormat(Qt::PlainText);
        novo.setPerformanceHint(QStaticText::AggressiveCaching);
        novo.prepare(pintor->transform(), o.font);
        it = textos_.insert(texto, novo);
    }
    const QSizeF tamanho = it->size();
    if (tamanho.width() > area.width()) {
        // Too wide for its column: cut with an ellipsis, laid out each time (rare).
        const QString cortado = o.fontMetrics.elidedText(texto, Qt::ElideRight, area.width());
        pintor->drawText(area, static_cast<int>(o.displayAlignment | Qt::TextSingleLine), cortado);
    } else {
        double x = area.left();
        if (o.displayAlignment & Qt::AlignHCenter)
            x += (area.width() - tamanho.width()) / 2;
        else if (o.displayAlignment & Qt::AlignRight)
            x += area.width() - tamanho.width();
        const double y = area.top() + (area.height() - tamanho.height()) / 2;
        pintor->drawStaticText(QPointF(x, y), *it);
    }
    pintor->restore();
}

} // namespace oraculandia
