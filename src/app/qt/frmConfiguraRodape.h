#pragma once
// The dialog for the header line and the two footer lines of every page. It writes rodape.dat;
// the main window reloads the lines after it closes, so the dialog never changes them in memory.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace oraculandia {

struct Programa;

class frmConfiguraRodape : public QDialog {
    Q_OBJECT
public:
    explicit frmConfiguraRodape(Programa& programa, QWidget* pai = nullptr);

    // A line above the boxes saying why the dialog was opened (at the first start).
    void MostrarMotivo(const QString& texto);

public slots:
    // Writes the three lines to rodape.dat and closes; characters the file cannot hold, or a file
    // that cannot be written, keep the dialog open with the texts as typed.
    void cmdOk_Click();
    // Asks before leaving; No keeps the dialog and every edit.
    void cmdCancelar_Click();
    void reject() override;

private:
    // Tests reach these by their object names (the names below without the underscore).
    QLabel* lblMotivo_ = nullptr;
    QLineEdit* txtCabecalhoLinhaUm_ = nullptr;
    QLineEdit* txtRodapeLinhaUm_ = nullptr;
    QLineEdit* txtRodapeLinhaDois_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;

    Programa& programa_;
};

} // namespace oraculandia
