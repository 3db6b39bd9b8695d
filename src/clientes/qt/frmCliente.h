#pragma once
// The dialog that adds a client to the register or changes one: full name, birth date and notes.
// The name and the date are checked by the entry's rules, with the entry dialog's messages; what
// the register then says (the same person already there, a database failure) is handled by the
// caller's `gravar`, and the dialog closes only when it succeeds.

#include <QDialog>
#include <functional>

#include "clientes/qt/regras_cliente.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace oraculandia {

class Mensagens;
class Relogio;
struct Cliente;

class frmCliente : public QDialog {
    Q_OBJECT
public:
    // `gravar` receives the checked client and returns true when it was recorded. `existente`
    // fills the boxes for a change; nullptr for a new client.
    frmCliente(Mensagens& mensagens, const Relogio& relogio, const Cliente* existente,
               std::function<bool(const VerificacaoCliente&)> gravar, QWidget* pai = nullptr);

public slots:
    void cmdGravar_Click();

private:
    QLineEdit* txtNome = nullptr;
    QLineEdit* txtNascimento = nullptr;
    QPlainTextEdit* txtObservacoes = nullptr;
    QPushButton* cmdGravar = nullptr;
    QPushButton* cmdCancelar = nullptr;

    Data Hoje() const;
    Mensagens& mensagens_;
    const Relogio& relogio_;
    std::function<bool(const VerificacaoCliente&)> gravar_;
};

} // namespace oraculandia
