#pragma once
// The Harmonia window, a child window of the main window's area: two people, each typed or taken
// from the register and checked by the entry dialog's rules (the message names the person and the
// field); their Life Path, Expression, Soul Urge, Silent Self and birth-day vibration side by side
// with the relation of each pair from the table of relations; the text of each relation and the
// overall reading. Copied as text, printed and saved as PDF with both names. The table of relations
// is changed in its own dialog (dlgTabelaRelacoes), reached from here.

#include <QSet>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "consulta/harmonia.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace oraculandia {

struct Programa;
class CadastroClientes;
struct DocumentoConsulta;

class frmHarmonia : public QWidget {
    Q_OBJECT

public:
    explicit frmHarmonia(Programa& programa, QWidget* pai = nullptr);
    ~frmHarmonia() override;

    static QString Titulo() { return QStringLiteral("Harmonia"); }

    void DefinirCadastro(std::function<CadastroClientes*()> cadastro) { cadastro_ = std::move(cadastro); }
    // Fills person `i` (0 or 1) with a name and date, checked as if typed.
    void AbrirPessoa(int i, const QString& nome, const Data& nascimento);

    const std::optional<Harmonia>& HarmoniaAtual() const { return harmonia_; }
    QString TextoParaCopiar() const;
    DocumentoConsulta Documento() const;

public slots:
    void DataDigitada(int i);
    void NomeDigitado(int i);
    void cmdCliente_Click(int i);
    void cmdTabela_Click();
    void cmdCopiar_Click();
    void cmdImprimir_Click();
    void cmdSalvarPdf_Click();
    void Recalcular();

private:
    std::array<QLineEdit*, 2> txtNome{};
    std::array<QLineEdit*, 2> txtDataNasc{};
    std::array<QPushButton*, 2> cmdCliente{};
    QTableWidget* tblHarmonia = nullptr;
    QPlainTextEdit* txtLeitura = nullptr;
    QLabel* lblSituacao = nullptr;
    QPushButton* cmdTabela = nullptr;
    QPushButton* cmdCopiar = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdSalvarPdf = nullptr;

    void MontarJanela();
    void Preencher();
    void Erro(const QString& texto);
    void Avisar(const std::vector<std::string>& problemas);
    std::string NomesCabecalho() const;

    Programa& programa_;
    std::function<CadastroClientes*()> cadastro_;
    std::array<std::optional<Data>, 2> nascimento_;
    std::array<std::optional<std::string>, 2> nome_; // Windows-1252, as accepted
    std::array<QString, 2> dataVerificada_, nomeVerificado_;
    std::optional<Harmonia> harmonia_;
    QSet<QString> problemasAvisados_;
};

} // namespace oraculandia
