#pragma once
// Before an import with refused lines: the list of those lines, each with its number and reason,
// and the question whether the good lines should be imported without them.

#include <QDialog>
#include <vector>

#include "clientes/qt/csv_clientes.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace oraculandia {

class frmRecusasImportacao : public QDialog {
    Q_OBJECT
public:
    frmRecusasImportacao(const QString& arquivo, const std::vector<LinhaRecusada>& recusadas, int validos,
                         QWidget* pai = nullptr);

    // "Linha 12: data de nascimento inválida ("31/02/1970")", one per line.
    static QString TextoDaLista(const std::vector<LinhaRecusada>& recusadas);

private:
    QLabel* lblResumo = nullptr;
    QPlainTextEdit* txtRecusadas = nullptr;
    QPushButton* cmdImportar = nullptr;
    QPushButton* cmdCancelar = nullptr;
};

} // namespace oraculandia
