#pragma once
// The frame of the program's small dialogs: a fixed size and, in the title bar, only the close
// button (no minimize, no maximize), as dialogs have. Every window manager gets the same
// request: the flags say exactly which buttons the frame carries.

#include <QDialog>
#include <QSize>

namespace oraculandia {

inline constexpr Qt::WindowFlags kFlagsDialogoFixo =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Gives the dialog the frame above and fixes its size (its size hint when `tamanho` is not given).
// Called at the end of the constructor, once the controls are laid out.
inline void FixarDialogo(QDialog& dialogo, QSize tamanho = QSize()) {
    dialogo.setWindowFlags(kFlagsDialogoFixo);
    dialogo.setFixedSize(tamanho.isValid() ? tamanho : dialogo.sizeHint());
}

} // namespace oraculandia
