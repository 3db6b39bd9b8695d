#pragma once
// The table of relations of the harmony, edited as a 9x9 grid: each cell a choice of the four
// relations, the cell across the diagonal following it (the table is symmetric). "Tabela padrão"
// brings back the classic families; "Salvar" writes relacoes-harmonia.txt in the program folder
// (through a temporary file). A file that could not be read, or is not a valid table, is never
// written over: the dialog says why and saving is off.

#include <QDialog>

#include "consulta/tabela_relacoes.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace oraculandia {

struct Programa;

class dlgTabelaRelacoes : public QDialog {
    Q_OBJECT
public:
    explicit dlgTabelaRelacoes(Programa& programa, QWidget* pai = nullptr);

    TabelaRelacoes Tabela() const;
    void Mostrar(const TabelaRelacoes& t);

public slots:
    void cmdPadrao_Click();
    void cmdSalvar_Click();

private:
    // The choice of the cell of numbers a and b (1 to 9), named "cbo<a><b>".
    QComboBox* Celula(int a, int b) const;

    QTableWidget* tblRelacoes = nullptr;
    QLabel* lblSituacao = nullptr;
    QPushButton* cmdPadrao = nullptr;
    QPushButton* cmdSalvar = nullptr;
    QPushButton* cmdCancelar = nullptr;

    Programa& programa_;
    bool mostrando_ = false;
};

} // namespace oraculandia
