#pragma once
// The calculation selection dialog: which of the 28 calculations make up an analysis, which of
// the sections after them (the karmic block and the master numbers, a group of their own), and
// four options. The settings change in memory only on Ok; the files are written when the
// program ends.

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace oraculandia {

struct Programa;

class frmConfiguraPrograma : public QDialog {
    Q_OBJECT

public:
    explicit frmConfiguraPrograma(Programa& programa, QWidget* pai = nullptr);

    // Caption of box `elemento` (0 to 27).
    static QString Legenda(int elemento);
    // Caption of the box of section `id` (29 to 35), with its access key.
    static QString LegendaComplemento(int id);

public slots:
    void cmdOk_Click();
    void cmdCancelar_Click();

private:
    // Tests reach these by their object names: the names below without the underscore;
    // "chkInterpretacoes_0" to "chkInterpretacoes_27", and "chkComplementos_29" to
    // "chkComplementos_35" by section.
    QGroupBox* fraFundo_ = nullptr;
    std::array<QCheckBox*, 28> chkInterpretacoes_{};
    QGroupBox* fraComplementos_ = nullptr;
    std::array<QCheckBox*, 7> chkComplementos_{}; // sections 29 to 35
    QCheckBox* chkImprimirDescricao_ = nullptr;
    QCheckBox* chkImprimirNumero_ = nullptr;
    QCheckBox* chkImprimirCabecalho_ = nullptr;
    QCheckBox* chkEscutarSons_ = nullptr;
    // The "Seus Números" first page (preferencias.ini, kChaveSeusNumeros), saved on Ok.
    QCheckBox* chkSeusNumeros_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;

    Programa& programa_;
};

} // namespace oraculandia
