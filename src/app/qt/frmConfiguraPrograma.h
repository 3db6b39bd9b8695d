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

    QGroupBox* fraFundo = nullptr;
    std::array<QCheckBox*, 28> chkInterpretacoes{};
    QGroupBox* fraComplementos = nullptr;
    std::array<QCheckBox*, 7> chkComplementos{}; // sections 29 to 35
    QCheckBox* chkImprimirDescricao = nullptr;
    QCheckBox* chkImprimirNumero = nullptr;
    QCheckBox* chkImprimirCabecalho = nullptr;
    QCheckBox* chkEscutarSons = nullptr;
    // The "Seus Números" first page (preferencias.ini, kChaveSeusNumeros), saved on Ok.
    QCheckBox* chkSeusNumeros = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancelar = nullptr;

    // Caption of box `elemento` (0 to 27).
    static QString Legenda(int elemento);
    // Caption of the box of section `id` (29 to 35), with its access key.
    static QString LegendaComplemento(int id);

public slots:
    void cmdOk_Click();
    void cmdCancelar_Click();

private:
    Programa& programa_;
};

} // namespace oraculandia
