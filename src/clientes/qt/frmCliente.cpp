#include "clientes/qt/frmCliente.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "clientes/qt/cadastro_clientes.h"
#include "engine/entrada.h"
#include "layout/qt/cp1252_qt.h"
#include "programa/qt/servicos.h"

namespace oraculandia {

frmCliente::frmCliente(Mensagens& mensagens, const Relogio& relogio, const Cliente* existente,
                       std::function<bool(const VerificacaoCliente&)> gravar, QWidget* pai)
    : QDialog(pai), mensagens_(mensagens), relogio_(relogio), gravar_(std::move(gravar)) {
    setObjectName(QStringLiteral("frmCliente"));
    setWindowTitle(existente ? QStringLiteral("Alterar cliente") : QStringLiteral("Novo cliente"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    // No cap on the boxes (a widget cap would cut a pasted text short without a word): a name
    // longer than the register takes is refused with its message.
    txtNome->setMaxLength(std::numeric_limits<int>::max());
    txtNascimento = new QLineEdit(this);
    txtNascimento->setObjectName(QStringLiteral("txtNascimento"));
    txtNascimento->setMaxLength(std::numeric_limits<int>::max());
    txtNascimento->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    txtObservacoes = new QPlainTextEdit(this);
    txtObservacoes->setObjectName(QStringLiteral("txtObservacoes"));
    txtObservacoes->setTabChangesFocus(true);

    auto* lblNome = new QLabel(QStringLiteral("&Nome completo:"), this);
    lblNome->setBuddy(txtNome);
    auto* lblNascimento = new QLabel(QStringLiteral("&Data de nascimento (dd/mm/aaaa):"), this);
    lblNascimento->setBuddy(txtNascimento);
    auto* lblObservacoes = new QLabel(QStringLiteral("O&bservações:"), this);
    lblObservacoes->setBuddy(txtObservacoes);

    cmdGravar = new QPushButton(QStringLiteral("&Gravar"), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdGravar->setDefault(true);
    cmdCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));

    auto* formulario = new QFormLayout;
    formulario->addRow(lblNome, txtNome);
    formulario->addRow(lblNascimento, txtNascimento);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdGravar);
    botoes->addWidget(cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formulario);
    layout->addWidget(lblObservacoes);
    layout->addWidget(txtObservacoes, 1);
    layout->addLayout(botoes);
    resize(520, 340);

    if (existente) {
        txtNome->setText(existente->nome);
        txtNascimento->setText(DataExibida(existente->nascimento));
        txtObservacoes->setPlainText(existente->observacoes);
    }
    setTabOrder(txtNome, txtNascimento);
    setTabOrder(txtNascimento, txtObservacoes);
    setTabOrder(txtObservacoes, cmdGravar);
    setTabOrder(cmdGravar, cmdCancelar);
    txtNome->setFocus();

    // Leaving the date box writes the date as dd/mm/yyyy, as the entry dialog does.
    connect(txtNascimento, &QLineEdit::editingFinished, this, [this] {
        const ConversaoCp1252 t = QStringParaCp1252(txtNascimento->text());
        if (!t.ok())
            return;
        const QString novo = Cp1252ParaQString(NormalizarData(t.texto, Hoje()));
        if (novo != txtNascimento->text())
            txtNascimento->setText(novo);
    });
    connect(cmdGravar, &QPushButton::clicked, this, &frmCliente::cmdGravar_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

Data frmCliente::Hoje() const {
    return DataDe(relogio_.Hoje());
}

void frmCliente::cmdGravar_Click() {
    const VerificacaoCliente v =
        VerificarCliente(txtNome->text(), txtNascimento->text(), Hoje(), txtObservacoes->toPlainText());
    if (!v.ok()) {
        QWidget* campo = v.recusa == Recusa::DataInvalida ? static_cast<QWidget*>(txtNascimento)
                         : v.recusa == Recusa::ObservacoesInvalidas || v.recusa == Recusa::ObservacoesLongas
                             ? static_cast<QWidget*>(txtObservacoes)
                             : static_cast<QWidget*>(txtNome);
        // An empty name only takes the focus back, as in the entry dialog.
        if (v.recusa != Recusa::NomeVazio)
            mensagens_.Mostrar(this, QStringLiteral("Erro:"), v.Mensagem(), IconeMensagem::Critico,
                               BotoesMensagem::Ok);
        campo->setFocus();
        return;
    }
    txtNascimento->setText(DataExibida(v.nascimento));
    if (gravar_ && !gravar_(v))
        return;
    accept();
}

} // namespace oraculandia
