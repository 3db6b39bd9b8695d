#pragma once
// The choice window of the interpretation editor: one of the 28 calculations and either a
// number 1 to 9 (its interpretation text) or the calculation's group introduction.

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace oraculandia {

struct Programa;
class frmAlteraForm;

class frmSelecionaAlteracao : public QDialog {
    Q_OBJECT
public:
    explicit frmSelecionaAlteracao(Programa& programa, QWidget* pai = nullptr);

    // Fills cmbItem with the 28 calculations (first one selected) and ArquivosInterpretacao.
    void PreencheCombo();

    // Record of the interpretation file written for list position p (1..28) and number k (1..9):
    // k + 1 for the birth-day challenge and gift (records 2 to 10); k + 1 for the four life
    // challenges, and record 1 (the challenge 0) for k = 9; k everywhere else.
    static int RegistroDoNumero(int posicao, int numero);
    // Record of CDATA.DAT holding the introduction of the group that calculation p opens (the
    // same numbering the composition reads), or 0 when p is not the first of its group and so has
    // no introduction of its own.
    static int RegistroDoCabecalho(int posicao);

    // The editing window filled for the current choice, not yet shown; nullptr (after the
    // message) when the chosen calculation has no introduction.
    std::unique_ptr<frmAlteraForm> PreparaAlteracaoTexto();
    std::unique_ptr<frmAlteraForm> PreparaAlteracaoCabecalho();

    int NumeroSelecionado() const; // 1..9

    QComboBox* cmbItem;
    QGroupBox* frmInfo;
    std::array<QRadioButton*, 9> optNumeros{};
    QPushButton* cmdAlterarTexto;
    QPushButton* cmdAlterarHeader;
    QPushButton* cmdRetornar;
    // File names without ".DAT", indexed 1 to 28 (index 0 unused).
    std::array<QString, 29> ArquivosInterpretacao;

public slots:
    void cmdAlterarTexto_Click();
    void cmdAlterarHeader_Click();
    void cmdRetornar_Click();

private:
    QString CaminhoArquivo(const QString& nomeSemExtensao) const;

    Programa& programa_;
};

} // namespace oraculandia
