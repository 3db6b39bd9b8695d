#pragma once
// The About window: who made the program, the maker's logo and a link to the maker's web page.

#include <QDialog>

class QLabel;
class QPushButton;

namespace oraculandia {

struct Programa;

class frmSobre : public QDialog {
    Q_OBJECT

public:
    explicit frmSobre(Programa& programa, QWidget* pai = nullptr);

    QLabel* lblInfo0 = nullptr; // lblInfo element 0
    QWidget* imgLogotipo = nullptr;
    QLabel* lblInternet = nullptr; // the link label; its caption is the maker's address
    QLabel* lblVersao = nullptr;   // version and the program folder in use
    QPushButton* cmdSair = nullptr;

public slots:
    void lblInternet_Click();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Programa& programa_;
};

} // namespace oraculandia
