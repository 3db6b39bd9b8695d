#pragma once
// The Clientes window: the register of the people analysed. A search box filters the list as the
// user types, ignoring case and accents; the buttons create the analysis of the selected client
// (as do Enter and a double-click), add, change and delete clients, and import and export CSV
// spreadsheets. The notes of the selected client are shown under the list.
//
// The window does not create the analysis itself: it closes with the chosen client
// (ClienteEscolhido) and the main window runs its creation sequence for that person.

#include <QDialog>
#include <optional>

#include "clientes/cadastro_clientes.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace oraculandia {

class Mensagens;
class Relogio;
class ServicosClientes;
class ModeloClientes;

class frmClientes : public QDialog {
    Q_OBJECT
public:
    frmClientes(CadastroClientes& cadastro, Mensagens& mensagens, const Relogio& relogio,
                ServicosClientes& servicos, QWidget* pai = nullptr);

    // The client whose analysis was asked for (after the window closed with Accepted).
    const std::optional<Cliente>& ClienteEscolhido() const { return escolhido_; }

    // Runs the search for the text of the box and refreshes the list, keeping the selected
    // client when it is still listed (the first one otherwise).
    void Filtrar();
    // The client selected in the list, or 0.
    qint64 IdSelecionado() const;
    void Selecionar(qint64 id);
    ModeloClientes& Modelo() { return *modelo_; }

    QLineEdit* txtProcurar = nullptr;
    QTreeView* lstClientes = nullptr;
    QLabel* lblTotal = nullptr;
    QPlainTextEdit* txtObservacoes = nullptr;
    QPushButton* cmdCriarAnalise = nullptr;
    QPushButton* cmdNovo = nullptr;
    QPushButton* cmdAlterar = nullptr;
    QPushButton* cmdExcluir = nullptr;
    QPushButton* cmdImportar = nullptr;
    QPushButton* cmdExportar = nullptr;
    QPushButton* cmdFechar = nullptr;

public slots:
    void cmdCriarAnalise_Click();
    void cmdNovo_Click();
    void cmdAlterar_Click();
    void cmdExcluir_Click();
    void cmdImportar_Click();
    void cmdExportar_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void MostrarSelecionado();
    void MostrarErro(const QString& acao, const QString& motivo);
    bool Gravar(qint64 id, const VerificacaoCliente& cliente);
    Data Hoje() const;

    CadastroClientes& cadastro_;
    Mensagens& mensagens_;
    const Relogio& relogio_;
    ServicosClientes& servicos_;
    ModeloClientes* modelo_ = nullptr;
    std::optional<Cliente> escolhido_;
    bool falhaDeBuscaMostrada_ = false;
};

} // namespace oraculandia
