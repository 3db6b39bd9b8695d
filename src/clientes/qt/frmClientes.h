#pragma once
// The Clientes window: the register of the people analysed. A search box filters the list as the
// user types, ignoring case and accents; the buttons create the analysis of the selected client
// (as do Enter and a double-click), add, change and delete clients, and import and export CSV
// spreadsheets. The notes of the selected client are shown under the list.
//
// The window does not create the analysis itself: it closes with the chosen client
// (ClienteEscolhido) and the main window runs its creation sequence for that person. The same
// goes for the name study of the client (EstudoPedido).

#include <QDialog>
#include <optional>

#include "clientes/qt/cadastro_clientes.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

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
    // True when the window closed asking for the name study of the client, not its analysis.
    bool EstudoPedido() const { return estudoPedido_; }

    // Shows the clients whose name holds every word of the search box, ignoring case and accents,
    // keeping the selected client when it is still listed (the first one otherwise). The clients
    // are read from the file again when it has changed.
    void Filtrar();
    // Makes the next Filtrar read the clients from the file (after a change made here).
    void Recarregar() { recarregar_ = true; }
    // The client selected in the list, or 0.
    qint64 IdSelecionado() const;
    void Selecionar(qint64 id);
    ModeloClientes& Modelo() { return *modelo_; }

public slots:
    void cmdCriarAnalise_Click();
    void cmdEstudoNome_Click();
    void cmdNovo_Click();
    void cmdAlterar_Click();
    void cmdExcluir_Click();
    void cmdImportar_Click();
    void cmdExportar_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QLineEdit* txtProcurar = nullptr;
    QTableView* lstClientes = nullptr;
    QLabel* lblTotal = nullptr;
    QPlainTextEdit* txtObservacoes = nullptr;
    QPushButton* cmdCriarAnalise = nullptr;
    QPushButton* cmdEstudoNome = nullptr;
    QPushButton* cmdNovo = nullptr;
    QPushButton* cmdAlterar = nullptr;
    QPushButton* cmdExcluir = nullptr;
    QPushButton* cmdImportar = nullptr;
    QPushButton* cmdExportar = nullptr;
    QPushButton* cmdFechar = nullptr;

    // Buttons and notes for the selected client; the notes are read again when `reler` or when
    // the selection moved to another client.
    void MostrarSelecionado(bool reler);
    void MostrarErro(const QString& acao, const QString& motivo);
    bool Gravar(qint64 id, const VerificacaoCliente& cliente);
    // Closes the window with the selected client, once it passed the entry's rules again.
    void Escolher(bool estudo);
    Data Hoje() const;

    CadastroClientes& cadastro_;
    Mensagens& mensagens_;
    const Relogio& relogio_;
    ServicosClientes& servicos_;
    ModeloClientes* modelo_ = nullptr;
    std::optional<Cliente> escolhido_;
    bool estudoPedido_ = false;
    bool falhaDeBuscaMostrada_ = false;
    bool filtrando_ = false;
    bool recarregar_ = true;
    qint64 versaoLida_ = -1;
    qint64 idMostrado_ = -1;
};

} // namespace oraculandia
