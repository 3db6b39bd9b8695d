#pragma once
// The toolbar button tip: a small window without a title bar, kept on top and never activated,
// with a lamp picture and the tip text. It closes itself when the mouse moves over its text.

#include <QWidget>

class QLabel;

namespace oraculandia {

class frmDicas : public QWidget {
    Q_OBJECT

public:
    explicit frmDicas(QWidget* pai = nullptr);

    // Puts the text into lblDica and resizes the window to fit it.
    void DefinirTexto(const QString& texto);
    QString Texto() const;

    QWidget* picHelp = nullptr;
    QLabel* imgLuz = nullptr;
    QLabel* lblDica = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
};

} // namespace oraculandia
