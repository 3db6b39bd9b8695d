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

    picHelp = new QWidget(this);
    picHelp->setObjectName(QStringLiteral("picHelp"));
    imgLuz = new QLabel(picHelp);
    imgLuz->setObjectName(QStringLiteral("imgLuz"));
    imgLuz->setFixedSize(kLadoLuz, kLadoLuz);
    const qreal escala = devicePixelRatioF();
    QPixmap luz = QIcon(QStringLiteral(":/imagens/luz.svg")).pixmap(QSize(kLadoLuz, kLadoLuz), escala);
    imgLuz->setPixmap(luz);
    imgLuz->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblDica = new QLabel(picHelp);
    lblDica->setObjectName(QStringLiteral("lblDica"));
    lblDica->setWordWrap(true);
    lblDica->setTextFormat(Qt::PlainText);
    lblDica->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDica->setMouseTracking(true);
    lblDica->installEventFilter(this);
    QPalette paleta = lblDica->palette();
    paleta.setColor(QPalette::WindowText, QColor(0x3a, 0x2a, 0x05));
    lblDica->setPalette(paleta);

    auto* linha = new QHBoxLayout(picHelp);
    linha->setContentsMargins(8, 6, 10, 6);
    linha->setSpacing(8);
    linha->addWidget(imgLuz, 0, Qt::AlignTop);
    linha->addWidget(lblDica, 1);

    auto* fora = new QHBoxLayout(this);
    fora->setContentsMargins(1, 1, 1, 1);
    fora->addWidget(picHelp);
    setFixedWidth(kLarguraDica);
}

void frmDicas::DefinirTexto(const QString& texto) {
    lblDica->setText(texto);
    const int altura = qMax(kLadoLuz + 14, layout()->heightForWidth(kLarguraDica));
    setFixedHeight(altura);
}

QString frmDicas::Texto() const {
    return lblDica->text();
}

bool frmDicas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lblDica && (evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter)) {
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
