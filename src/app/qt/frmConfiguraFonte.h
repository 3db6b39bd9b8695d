#pragma once
// The font dialog: the face, size, bold and italic of the three kinds of report text, with a
// preview. The dialog edits a copy of the program's FontesAnalise, which follows every change at
// once; Ok writes the copy to fontes.dat and then into the program, Cancel (button, Esc or window
// frame) leaves the program's fonts as they were.
//
// Rows: 0 the description (group introductions), 1 the title (headings), 2 the body.

#include <QDialog>
#include <QImage>
#include <array>
#include <cstdint>
#include <optional>

#include "dados/fontes.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace oraculandia {

struct Programa;

class frmConfiguraFonte : public QDialog {
    Q_OBJECT

public:
    explicit frmConfiguraFonte(Programa& programa, QWidget* pai = nullptr);
    ~frmConfiguraFonte() override;

    bool CarregandoFontes = false;

    void PreencheFontes();
    void PreencherFonte();
    void Visualizar();
    // The preview as last drawn.
    const QImage& Amostra() const { return amostra_; }
    // The fonts as the dialog shows them: what Ok saves.
    const FontesAnalise& FontesEditadas() const { return fontes_; }

    // The face names offered: the installed families, each once, plus the Windows faces of the
    // defaults, which the Liberation faces stand in for.
    static QStringList FontesDisponiveis();
    // The family names of a font list, each once: without the foundry Qt adds in brackets when
    // several foundries provide the same family, plus the Windows faces, sorted.
    static QStringList FamiliasUmaVezCada(const QStringList& familias);

public slots:
    void cmdOk_Click();
    void cmdCancelar_Click();
    void reject() override;

private:
    FonteTexto& Entrada(int linha);
    void AoMudar();
    // The size typed in row `linha` when it is a whole number in the accepted range.
    std::optional<int16_t> TamanhoDigitado(int linha) const;
    // A size outside the range: the box shows the entry's size again and a message names the
    // range. False when refused.
    bool ConferirTamanho(int linha);
    // A face that fontes.dat cannot hold (Windows-1252): the box shows the entry's face again and
    // a message names the characters. False when refused.
    bool ConferirFace(int linha);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Tests reach these by their object names: the names below without the underscore, a row's
    // with "_" and the row ("cmbTamanho_2").
    std::array<QLabel*, 3> lblInfo_{};
    std::array<QComboBox*, 3> cmbFonte_{};
    std::array<QComboBox*, 3> cmbTamanho_{};
    std::array<QCheckBox*, 3> chkNegrito_{};
    std::array<QCheckBox*, 3> chkItalico_{};
    QLabel* picExemplo_ = nullptr;
    QPushButton* cmdVisualizar_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;

    Programa& programa_;
    FontesAnalise fontes_; // the copy edited, the program's own until Ok
    QImage amostra_;
    // Per row, the last size accepted: the one a refused size gives way to.
    std::array<int16_t, 3> tamanhoAceito_{};
    bool fechando_ = false;
};

} // namespace oraculandia
