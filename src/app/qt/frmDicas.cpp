#include "app/qt/frmDicas.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>

namespace oraculandia {

namespace {
constexpr int kLarguraDica = 300; // pixels; the height follows the text
constexpr int kLadoLuz = 32;
} // namespace

frmDicas::frmDicas(QWidget* pai)
    : QWidget(pai, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                       Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint) {
    setObjectName(QStringLiteral("frmDicas"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    picHelp_ = new QWidget(this);
    picHelp_->setObjectName(QStringLiteral("picHelp"));
    imgLuz_ = new QLabel(picHelp_);
    imgLuz_->setObjectName(QStringLiteral("imgLuz"));
    imgLuz_->setFixedSize(kLadoLuz, kLadoLuz);
    const qreal escala = devicePixelRatioF();
    QPixmap luz = QIcon(QStringLiteral(":/imagens/luz.svg")).pixmap(QSize(kLadoLuz, kLadoLuz), escala);
    imgLuz_->setPixmap(luz);
    imgLuz_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblDica_ = new QLabel(picHelp_);
    lblDica_->setObjectName(QStringLiteral("lblDica"));
    lblDica_->setWordWrap(true);
    lblDica_->setTextFormat(Qt::PlainText);
    lblDica_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDica_->setMouseTracking(true);
    lblDica_->installEventFilter(this);
    QPalette paleta = lblDica_->palette();
    paleta.setColor(QPalette::WindowText, QColor(0x3a, 0x2a, 0x05));
    lblDica_->setPalette(paleta);

    auto* linha = new QHBoxLayout(picHelp_);
    linha->setContentsMargins(8, 6, 10, 6);
    linha->setSpacing(8);
    linha->addWidget(imgLuz_, 0, Qt::AlignTop);
    linha->addWidget(lblDica_, 1);

    auto* fora = new QHBoxLayout(this);
    fora->setContentsMargins(1, 1, 1, 1);
    fora->addWidget(picHelp_);
    setFixedWidth(kLarguraDica);
}

void frmDicas::DefinirTexto(const QString& texto) {
    lblDica_->setText(texto);
    const int altura = qMax(kLadoLuz + 14, layout()->heightForWidth(kLarguraDica));
    setFixedHeight(altura);
}

QString frmDicas::Texto() const {
    return lblDica_->text();
}

bool frmDicas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lblDica_ && (evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter)) {
        close();
        return false;
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmDicas::paintEvent(QPaintEvent*) {
    // A pale yellow note with a thin amber border, in the colours of the lamp.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), QColor(0xff, 0xf8, 0xd6));
    p.setPen(QColor(0xc8, 0x96, 0x1e));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace oraculandia
