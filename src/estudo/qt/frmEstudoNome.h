#pragma once
// The Estudo do Nome window, a child window of the main window's area: the birth date, the birth
// name and up to eight other spellings of the name (a list the user adds to, removes from and
// reorders), the table of their numbers with the numbers that differ from the birth name's marked,
// and the working of the spelling selected in the table. The study is copied as text, printed and
// saved as PDF (frmEstudoNome_saida.cpp).
//
// The date and every spelling are typed by the entry dialog's rules and refused with its messages;
// a refused spelling stays in its box and nothing else changes. Every number and every line of
// working comes from the study core (estudo/estudo_nome.h).
//
// Opened for a client of the register, the window shows the client's name and date (changed in
// the Clientes window, not here) and the spellings kept with the client, and writes the spellings
// back to the register at every change of the list.

#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "estudo/estudo_nome.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace oraculandia {

struct Programa;
struct Cliente;
class CadastroClientes;
struct FolhasEstudo;

class frmEstudoNome : public QWidget {
    Q_OBJECT

public:
    explicit frmEstudoNome(Programa& programa, QWidget* pai = nullptr);
    ~frmEstudoNome() override;

    static QString Titulo() { return QStringLiteral("Estudo do Nome"); }

    // Starts the study of a client: the client's name and date, and the spellings kept in the
    // register, which are saved there again at every change.
    void AbrirCliente(std::shared_ptr<CadastroClientes> cadastro, const Cliente& cliente);
    // The client whose spellings are kept (0: none), and whether they are being saved.
    qint64 ClienteId() const { return clienteId_; }
    bool GravandoNoCadastro() const { return cadastro_ != nullptr && gravar_; }

    // The study shown, or nothing while the date or the birth name is missing.
    const std::optional<EstudoNome>& Estudo() const { return estudo_; }
    // The other spellings in the list, as accepted (accents composed, blanks around removed).
    QStringList Grafias() const { return grafias_; }
    // What the header and footer of the printed pages show, with the print margins of margens.dat
    // on a page of the given printable size (millimetres).
    FolhasEstudo Folhas(double larguraImprimivel, double alturaImprimivel) const;

public slots:
    // Leaving the date or the birth name (or Enter in it): checked as the entry dialog checks them.
    void DataDigitada();
    void NomeDigitado();
    void cmdAdicionar_Click();
    void cmdRemover_Click();
    void cmdSubir_Click();
    void cmdDescer_Click();
    // frmEstudoNome_saida.cpp
    void cmdCopiar_Click();
    void cmdImprimir_Click();
    void cmdSalvarPdf_Click();

private:
    QLineEdit* txtDataNasc = nullptr;
    QLineEdit* txtNome = nullptr;
    QListWidget* lstGrafias = nullptr;
    QLineEdit* txtGrafia = nullptr;
    QPushButton* cmdAdicionar = nullptr;
    QPushButton* cmdRemover = nullptr;
    QPushButton* cmdSubir = nullptr;
    QPushButton* cmdDescer = nullptr;
    QTableWidget* tblEstudo = nullptr;
    QPlainTextEdit* txtTrabalho = nullptr;
    QLabel* lblSituacao = nullptr;
    QPushButton* cmdCopiar = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdSalvarPdf = nullptr;

    void MontarJanela();
    // Computes the study again and shows it (table, working, buttons).
    void Recalcular();
    void PreencherTabela();
    void MostrarTrabalho();
    void AtualizarBotoes();
    // Moves the spelling selected in the list by `passo` places.
    void Mover(int passo);
    // The list shows grafias_ again, with the spelling at `atual` selected (-1: none). The list
    // only shows the spellings: what is studied, printed and saved is grafias_.
    void MostrarGrafias(int atual);
    // The list changed: the study is computed again and the spellings saved with the client.
    void GrafiasMudaram();
    void GravarNoCadastro();
    void Erro(const QString& texto);

    Programa& programa_;
    std::optional<Data> nascimento_;
    std::optional<std::string> nomeNascimento_; // Windows-1252, as accepted
    QStringList grafias_;                       // as accepted, in the order of the list
    std::optional<EstudoNome> estudo_;
    QString dataVerificada_; // the last texts checked, so that leaving a field twice
    QString nomeVerificado_; // does not repeat its message

    std::shared_ptr<CadastroClientes> cadastro_;
    qint64 clienteId_ = 0;
    bool gravar_ = false;
    bool falhaGravacaoAvisada_ = false;
};

} // namespace oraculandia
