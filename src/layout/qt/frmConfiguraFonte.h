#pragma once
// The font dialog: the face, size, bold and italic of the three kinds of report text, with a
// preview. The program's FontesAnalise follows every change at once; Ok writes fontes.dat,
// Cancel (button, Esc or window frame) reads the record back from the file.
//
// Rows: 0 the description (group introductions), 1 the title (headings), 2 the body.

#include <QDialog>
#include <QImage>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace oraculandia {

struct Programa;
struct FonteTexto;

class frmConfiguraFonte : public QDialog {
    Q_OBJECT

public:
    explicit frmConfiguraFonte(Programa& programa, QWidget* pai = nullptr);

    std::array<QLabel*, 3> lblInfo{};
    std::array<QComboBox*, 3> cmbFonte{};
    std::array<QComboBox*, 3> cmbTamanho{};
    std::array<QCheckBox*, 3> chkNegrito{};
    std::array<QCheckBox*, 3> chkItalico{};
    QLabel* picExemplo = nullptr;
    QPushButton* cmdVisualizar = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancelar = nullptr;

    bool CarregandoFontes = false;

    void PreencheFontes();
    void PreencherFonte();
    void Visualizar();
    // The preview as last drawn.
    const QImage& Amostra() const { return amostra_; }

    // The face names offered: the installed families plus the Windows faces of the defaults,
    // which the Liberation faces stand in for.
    static QStringList FontesDisponiveis();

public slots:
    void cmdOk_Click();
    void cmdCancelar_Click();
    void reject() override;

private:
    FonteTexto& Entrada(int linha);
    void AoMudar();

    Programa& programa_;
    QImage amostra_;
    bool fechando_ = false;
};

} // namespace oraculandia
