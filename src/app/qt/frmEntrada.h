#pragma once
// The start-up window: the cover picture grows from the centre to its full size in about 3.5 s,
// stays for 1 s, and the window closes itself.

#include <QDialog>

namespace oraculandia {

class frmEntrada : public QDialog {
    Q_OBJECT

public:
    explicit frmEntrada(QWidget* pai = nullptr);
    ~frmEntrada() override;

protected:
    void showEvent(QShowEvent* evento) override;
    void reject() override; // Escape does not cut the opening short

private:
    // Picture box where the animation draws (object name "imgEntrada").
    QWidget* imgEntrada_ = nullptr;

    void Animar();
    void Aguardar(double segundos);

    bool animando_ = false;
};

} // namespace oraculandia
