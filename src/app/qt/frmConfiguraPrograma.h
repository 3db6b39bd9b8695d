#pragma once
// The calculation selection dialog: which of the 28 calculations make up an analysis, and four
// options. The settings change in memory only on Ok; the file is written when the program ends.

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

public slots:
    void cmdOk_Click();
    void cmdCancelar_Click();

private:
    Programa& programa_;
};

} // namespace oraculandia
