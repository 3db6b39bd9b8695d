#pragma once
// The Previsões window, a child window of the main window's area: for one person (the birth date;
// the name is optional and only heads the pages) and a reference date (today by default), the
// nine Personal Years ahead beside the Universal Year with the new nine-year cycles marked, the
// twelve Personal Months of a chosen year, and the calendar of the Personal Days of a chosen
// month, each year and month with its short interpretation and the calendar with its legend.
// Copied as text, printed and saved as PDF. Every number comes from the forecast core
// (consulta/previsoes.h).
//
// Dates are typed by the entry dialog's rules and refused with its message, naming the field; a
// client of the register fills the name and date. A text file that cannot be read is said once
// per window and the numbers are shown all the same.

#include <QSet>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "consulta/previsoes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

namespace oraculandia {

struct Programa;
struct Cliente;
class CadastroClientes;
struct DocumentoConsulta;

class frmPrevisoes : public QWidget {
    Q_OBJECT

public:
    explicit frmPrevisoes(Programa& programa, QWidget* pai = nullptr);
    ~frmPrevisoes() override;

    static QString Titulo() { return QStringLiteral("Previsões"); }

    // Where the "Do cadastro" button finds the register (nullptr: the register cannot be used,
    // and the provider has said why).
    void DefinirCadastro(std::function<CadastroClientes*()> cadastro) { cadastro_ = std::move(cadastro); }
    // Fills the name and date of a person (a client, or the person of an analysis: the name is
    // Windows-1252 or UTF-8 as given by the caller's type).
    void AbrirPessoa(const QString& nome, const Data& nascimento);

    const std::optional<Previsao>& PrevisaoAtual() const { return previsao_; }
    QString TextoParaCopiar() const;
    DocumentoConsulta Documento() const;

public slots:
    void DataDigitada();
    void ReferenciaDigitada();
    void NomeDigitado();
    void cmdCliente_Click();
    void cmdCopiar_Click();
    void cmdImprimir_Click();
    void cmdSalvarPdf_Click();
    void Recalcular();

private:
    QLineEdit* txtNome = nullptr;
    QLineEdit* txtDataNasc = nullptr;
    QLineEdit* txtReferencia = nullptr;
    QPushButton* cmdCliente = nullptr;
    QSpinBox* spnAnoMeses = nullptr;
    QComboBox* cboMes = nullptr;
    QSpinBox* spnAnoCalendario = nullptr;
    QTabWidget* abas = nullptr;
    QTableWidget* tblAnos = nullptr;
    QTableWidget* tblMeses = nullptr;
    QTableWidget* tblCalendario = nullptr;
    QPlainTextEdit* txtAnos = nullptr;
    QPlainTextEdit* txtMeses = nullptr;
    QLabel* lblLegenda = nullptr;
    QLabel* lblSituacao = nullptr;
    QPushButton* cmdCopiar = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdSalvarPdf = nullptr;

    void MontarJanela();
    void Preencher();
    void AtualizarBotoes();
    void Erro(const QString& texto);
    std::string NomeCp1252() const;

    Programa& programa_;
    std::function<CadastroClientes*()> cadastro_;
    std::optional<Data> nascimento_;
    Data referencia_;
    QString nome_; // accepted name, or empty
    std::optional<Previsao> previsao_;
    QString dataVerificada_, referenciaVerificada_, nomeVerificado_;
    QSet<QString> problemasAvisados_;
    bool preenchendo_ = false;
};

} // namespace oraculandia
