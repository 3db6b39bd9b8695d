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

public slots:
    void lblInternet_Click();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    // Tests reach these by their object names: "lblInfo_0" (lblInfo element 0), and the names
    // below without the underscore.
    QLabel* lblInfo0_ = nullptr;
    QWidget* imgLogotipo_ = nullptr;
    QLabel* lblInternet_ = nullptr; // the link label; its caption is the maker's address
    QLabel* lblVersao_ = nullptr;   // version and the program folder in use
    QPushButton* cmdSair_ = nullptr;

    Programa& programa_;
};

} // namespace oraculandia
