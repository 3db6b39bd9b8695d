#pragma once
// The dialog that takes the birth date and the full name of the person to analyse. On
// acceptance it leaves the subject in the program state: the name upper case with accents
// folded, the date as dd/mm/yyyy. Cancelling it, by its button, Esc or the window frame, leaves
// the name "Descartar".

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace oraculandia {

struct Programa;

// A picture box that shows one picture of the resources stretched over its whole area.
class QuadroFigura : public QWidget {
public:
    QuadroFigura(const QColor& fundo, QWidget* pai);
    void DefinirFigura(const std::string& nome); // empty: only the background
    const std::string& Figura() const { return figura_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor fundo_;
    std::string figura_;
};

class frmEntraNome : public QDialog {
    Q_OBJECT

public:
    explicit frmEntraNome(Programa& programa, QWidget* pai = nullptr);

    std::array<QLabel*, 2> lblInfo{};
    QLineEdit* txtDataNasc = nullptr;
    QLineEdit* txtNome = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancelar = nullptr;
    std::array<QuadroFigura*, 16> picSigno{};

    // Zodiac sign now shown in the picture boxes (0: none yet).
    int SignoExibido() const { return signo_; }

public slots:
    void cmdOk_Click();
    void cmdCancelar_Click();
    void reject() override; // Esc and the window frame count as Cancel

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Leaving the date field: rewrites it as dd/mm/yyyy and shows the sign, or selects the
    // whole text when it is not a date. Returns true for a valid date.
    bool SairDaData(bool selecionarSeInvalida);

    Programa& programa_;
    int signo_ = 0;
    bool aceito_ = false;
    bool fechando_ = false;
};

} // namespace oraculandia
