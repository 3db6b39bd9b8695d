#pragma once
// The buttons and labels of the program's windows that are not dialogs (the name study, the
// forecasts, the harmony), made the same way in each.

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace oraculandia {

// A button with its caption (access key included) and object name. Enter on it while it has the
// focus activates it, as in the dialogs: a window that is no dialog does not do so by itself.
inline QPushButton* NovoBotao(QWidget* janela, const QString& texto, const QString& nome) {
    auto* b = new QPushButton(texto, janela);
    b->setObjectName(nome);
    b->setAutoDefault(true);
    return b;
}

// A label whose access key moves the focus to `parceiro`.
inline QLabel* NovoRotulo(QWidget* janela, const QString& texto, QWidget* parceiro) {
    auto* l = new QLabel(texto, janela);
    l->setBuddy(parceiro);
    return l;
}

} // namespace oraculandia
