#pragma once
// The choice window of the interpretation editor: one of the 28 calculations or of the sections
// after them, and either a number (its interpretation text) or the group introduction.
//
// After the 28 the list holds, at positions 29 to 37: Quadro de Inclusão (an introduction only),
// Lições Cármicas, Dívidas Cármicas (the four debts 13, 14, 16, 19), Tendências Ocultas, Paixão
// Oculta, Resposta Subconsciente (numbers 1 to 9), and the master numbers 11, 22 and 33, each in
// the five positions of the map.

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

    static constexpr int kPosicoes = 37;

    // Fills cmbItem with the 37 entries (first one selected) and ArquivosInterpretacao.
    void PreencheCombo();
    // Labels and shows the number choices that list position p offers (9 numbers, the four
    // debts, or the five positions of a master number); the first is chosen when the chosen one
    // goes.
    void AjustaNumeros(int posicao);
    // How many number choices position p offers.
    static int QuantidadeDeNumeros(int posicao);

    // Record of the interpretation file written for list position p (1..28) and number k (1..9):
    // k + 1 for the birth-day challenge and gift (records 2 to 10); k + 1 for the four life
    // challenges, and record 1 (the challenge 0) for k = 9; k everywhere else.
    // After the 28: record k for 30 and 32 to 34; the debt's number (13, 14, 16, 19) for 31; the
    // master number's record m * 5 + k for 35 to 37 (m = 0, 1, 2); 0 for 29, which has no text.
    static int RegistroDoNumero(int posicao, int numero);
    // Record of CDATA.DAT holding the introduction of the group that calculation p opens (the
    // same numbering the composition reads), or 0 when p is not the first of its group and so has
    // no introduction of its own.
    static int RegistroDoCabecalho(int posicao);

    // The editing window filled for the current choice, not yet shown; nullptr (after the
    // message) when the chosen calculation has no introduction.
    std::unique_ptr<frmAlteraForm> PreparaAlteracaoTexto();
    std::unique_ptr<frmAlteraForm> PreparaAlteracaoCabecalho();

    int NumeroSelecionado() const; // 1..9 (1..4 for the debts, 1..5 for a master number)

    // File names without ".DAT", indexed 1 to 37 (index 0 unused; 29 has none).
    std::array<QString, kPosicoes + 1> ArquivosInterpretacao;

public slots:
    void cmdAlterarTexto_Click();
    void cmdAlterarHeader_Click();
    void cmdRetornar_Click();

private:
    QComboBox* cmbItem;
    QGroupBox* frmInfo;
    std::array<QRadioButton*, 9> optNumeros{};
    QPushButton* cmdAlterarTexto;
    QPushButton* cmdAlterarHeader;
    QPushButton* cmdRetornar;

    QString CaminhoArquivo(const QString& nomeSemExtensao) const;
    // "do número 5", "da dívida 13", "do número 11 no Caminho da Vida".
    QString DescricaoDoNumero(int posicao, int numero) const;

    Programa& programa_;
};

} // namespace oraculandia
