#include "app/qt/frmSobre.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/qt/enderecos.h"
#include "layout/qt/dialogo_fixo.h"
#include "programa/qt/caminhos_qt.h"
#include "programa/qt/programa.h"
#include "versao.h"

namespace oraculandia {

frmSobre::frmSobre(Programa& programa, QWidget* pai) : QDialog(pai), programa_(programa) {
    setObjectName(QStringLiteral("frmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Programa de Oraculandia"));
    setModal(true);

    lblInfo0 = new QLabel(QStringLiteral("Este programa de oraculandia foi desenvolvido por:"), this);
    lblInfo0->setObjectName(QStringLiteral("lblInfo_0"));
    lblInfo0->setAlignment(Qt::AlignCenter);

    auto* logotipo = new QSvgWidget(QStringLiteral(":/imagens/logotipo.svg"), this);
    logotipo->setObjectName(QStringLiteral("imgLogotipo"));
    logotipo->setFixedSize(280, 120);
    imgLogotipo = logotipo;

    const QString endereco = QString::fromLatin1(enderecos::kPaginaDoFabricante);
    lblInternet = new QLabel(this);
    lblInternet->setObjectName(QStringLiteral("lblInternet"));
    lblInternet->setTextFormat(Qt::RichText);
    lblInternet->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(endereco.toHtmlEscaped()));
    lblInternet->setOpenExternalLinks(false);
    lblInternet->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblInternet->setCursor(Qt::PointingHandCursor);
    lblInternet->setAlignment(Qt::AlignCenter);
    lblInternet->setToolTip(endereco);
    connect(lblInternet, &QLabel::linkActivated, this, [this] { lblInternet_Click(); });

    // Where the texts and settings are: what support asks first.
    lblVersao = new QLabel(this);
    lblVersao->setObjectName(QStringLiteral("lblVersao"));
    lblVersao->setText(QStringLiteral("Versão %1\nPasta do programa:\n%2")
                           .arg(QString::fromLatin1(kVersao),
                                QDir::toNativeSeparators(QStringDeCaminho(programa_.PastaPrograma))));
    lblVersao->setAlignment(Qt::AlignCenter);
    lblVersao->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblVersao->setWordWrap(true);
    lblVersao->setMaximumWidth(480);

    cmdSair = new QPushButton(QStringLiteral("O&k"), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    cmdSair->setDefault(true);
    connect(cmdSair, &QPushButton::clicked, this, &QDialog::accept);

    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(24, 20, 24, 16);
    coluna->setSpacing(12);
    coluna->addWidget(lblInfo0);
    coluna->addWidget(imgLogotipo, 0, Qt::AlignHCenter);
    coluna->addWidget(lblInternet);
    coluna->addWidget(lblVersao);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdSair);
    botoes->addStretch(1);
    coluna->addLayout(botoes);
    FixarDialogo(*this);
}

void frmSobre::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // The welcome sound plays each time the window opens, whatever the sound setting says.
    if (!evento->spontaneous())
        programa_.sons.Tocar(programa_.Caminho("welcomeb.wav"), false);
}

void frmSobre::lblInternet_Click() {
    // The window stays open; a failure to open the browser is silent.
    programa_.navegador.Abrir(QUrl(QString::fromLatin1(enderecos::kPaginaDoFabricante)));
}

} // namespace oraculandia
