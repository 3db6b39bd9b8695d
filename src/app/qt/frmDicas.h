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

    // Puts the text into the label and resizes the window to fit it.
    void DefinirTexto(const QString& texto);
    QString Texto() const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    // Tests reach these by their object names (the names below without the underscore).
    QWidget* picHelp_ = nullptr;
    QLabel* imgLuz_ = nullptr;
    QLabel* lblDica_ = nullptr;
};

} // namespace oraculandia
