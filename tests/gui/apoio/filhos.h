#pragma once
// The windows keep their widgets to themselves; tests reach the ones they drive by the object
// name each widget is given where it is made.

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace oraculandia::teste {

// The child of `janela` (at any depth) named `nome` and of type T. A missing one is a fault of the
// test or of the window, not a result: the test program stops there, naming what it looked for.
template <class T> T* Filho(const QObject& janela, const char* nome) {
    T* filho = janela.findChild<T*>(QString::fromLatin1(nome));
    if (filho == nullptr)
        qFatal("%s: nenhum filho %s chamado \"%s\"", qPrintable(janela.objectName()),
               T::staticMetaObject.className(), nome);
    return filho;
}

} // namespace oraculandia::teste
