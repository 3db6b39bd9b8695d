#pragma once
// The dialog that takes the birth date and the full name of the person to analyse. On
// acceptance it leaves the subject in the program state: the name upper case with accents
// folded, the date as dd/mm/yyyy. Cancelling it, by its button, Esc or the window frame, leaves
// the name "Descartar".
//
// Below the original controls, a strip holds two additions: "Data de referência" (today unless
// changed: the day whose universal and personal numbers the analysis shows, so that a
// consultation can be prepared ahead) and "Incluir no cadastro de clientes" (remembered in
// preferencias.ini), so that a typing mistake or a test does not join the register.

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "engine/datas.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace oraculandia {

struct Programa;

// A picture box that shows one picture of the resources stretched over its whole area.
class QuadroFigura : public QWidget {
    Q_OBJECT

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

    // The text of the name box as it stands, whether or not the dialog was accepted.
    QString TextoDoNome() const;

    // After acceptance: whether the person goes into the register.
    bool IncluirNoCadastro() const;

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
    // The reference date rewritten as dd/mm/yyyy; nothing when it is not a date.
    std::optional<Data> LerReferencia();
    // Keeps the check box's state in preferencias.ini when it changed.
    void GuardarEscolhaCadastro();

    // Tests reach these by their object names: the names below without the underscore, the
    // elements of an array with "_" and their index ("lblInfo_0", "picSigno_15").
    std::array<QLabel*, 2> lblInfo_{};
    QLineEdit* txtDataNasc_ = nullptr;
    QLineEdit* txtNome_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
    std::array<QuadroFigura*, 16> picSigno_{};
    QWidget* pnlOpcoes_ = nullptr; // the strip of the additions, over the hidden row of pictures
    QLabel* lblReferencia_ = nullptr;
    QLineEdit* txtReferencia_ = nullptr;
    QCheckBox* chkIncluirCadastro_ = nullptr;

    Programa& programa_;
    int signo_ = 0;
    bool aceito_ = false;
    bool fechando_ = false;
    std::string futuraConfirmada_; // a birth date after today that the user confirmed
};

} // namespace oraculandia
