#include "app/qt/frmEntrada.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace oraculandia {

namespace {

// The picture box: paints the cover at the rectangle the animation sets.
class QuadroCapa : public QWidget {
public:
    explicit QuadroCapa(QWidget* pai) : QWidget(pai), capa_(QStringLiteral(":/imagens/capa.svg")) {
        setObjectName(QStringLiteral("imgEntrada"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void Desenhar(const QRectF& r) {
        area_ = r;
        repaint();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x1d, 0x17, 0x3a));
        p.setPen(QPen(QColor(0xe8, 0xa8, 0x20), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        if (area_.isEmpty())
            return;
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (capa_.isValid()) {
            capa_.render(&p, area_);
        } else {
            p.setBrush(QColor(0xe8, 0xb9, 0x4a));
            p.setPen(Qt::NoPen);
            p.drawEllipse(area_);
        }
    }

private:
    QSvgRenderer capa_;
    QRectF area_;
};

constexpr double kDuracaoCrescimento = 3.5; // seconds
constexpr double kIntervaloQuadro = 0.15;   // seconds
constexpr double kPermanencia = 1.0;        // seconds
constexpr double kLadoMinimo = 40.0;
constexpr int kLado = 420; // pixels of the picture box

} // namespace

frmEntrada::frmEntrada(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmEntrada"));
    setWindowTitle(QStringLiteral("Programa de Oraculandia"));
    setModal(true);
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    imgEntrada_ = new QuadroCapa(this);
    imgEntrada_->setFixedSize(kLado, kLado);
    coluna->addWidget(imgEntrada_);
    setFixedSize(kLado, kLado);
}

frmEntrada::~frmEntrada() = default;

void frmEntrada::showEvent(QShowEvent* evento) {
    // Centred on the screen, whatever the main window's size is by then.
    if (QScreen* tela = parentWidget() ? parentWidget()->screen() : screen())
        move(tela->availableGeometry().center() - QPoint(kLado / 2, kLado / 2));
    QDialog::showEvent(evento);
    if (!animando_) {
        animando_ = true;
        QTimer::singleShot(0, this, &frmEntrada::Animar);
    }
}

void frmEntrada::reject() {
    if (!animando_)
        QDialog::reject();
}

void frmEntrada::Aguardar(double segundos) {
    // Polls the clock and lets pending window events run, so the main window repaints.
    QElapsedTimer relogio;
    relogio.start();
    const qint64 limite = static_cast<qint64>(std::llround(segundos * 1000.0));
    while (relogio.elapsed() < limite) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(2);
    }
}

void frmEntrada::Animar() {
    setCursor(Qt::WaitCursor);
    auto* quadro = static_cast<QuadroCapa*>(imgEntrada_);
    const float W = static_cast<float>(imgEntrada_->width());
    const float H2 = W / 2.0f;
    const float F = static_cast<float>(kDuracaoCrescimento / kIntervaloQuadro);
    const float s = H2 / F;
    for (float i = std::floor(H2); i >= 0.0f; i -= s) {
        const double d = std::max(static_cast<double>(H2 - i) * 2.0, kLadoMinimo);
        quadro->Desenhar(QRectF(i, i, d, d));
        Aguardar(kIntervaloQuadro);
    }
    Aguardar(kPermanencia);
    unsetCursor();
    animando_ = false;
    accept();
}

} // namespace oraculandia
