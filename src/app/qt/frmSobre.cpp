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

    lblInfo0_ = new QLabel(QStringLiteral("Este programa de oraculandia foi desenvolvido por:"), this);
    lblInfo0_->setObjectName(QStringLiteral("lblInfo_0"));
    lblInfo0_->setAlignment(Qt::AlignCenter);

    auto* logotipo = new QSvgWidget(QStringLiteral(":/imagens/logotipo.svg"), this);
    logotipo->setObjectName(QStringLiteral("imgLogotipo"));
    logotipo->setFixedSize(280, 120);
    imgLogotipo_ = logotipo;

    const QString endereco = QString::fromLatin1(enderecos::kPaginaDoFabricante);
    lblInternet_ = new QLabel(this);
    lblInternet_->setObjectName(QStringLiteral("lblInternet"));
    lblInternet_->setTextFormat(Qt::RichText);
    lblInternet_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(endereco.toHtmlEscaped()));
    lblInternet_->setOpenExternalLinks(false);
    lblInternet_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblInternet_->setCursor(Qt::PointingHandCursor);
    lblInternet_->setAlignment(Qt::AlignCenter);
    lblInternet_->setToolTip(endereco);
    connect(lblInternet_, &QLabel::linkActivated, this, [this] { lblInternet_Click(); });

    // Where the texts and settings are: what support asks first.
    lblVersao_ = new QLabel(this);
    lblVersao_->setObjectName(QStringLiteral("lblVersao"));
    lblVersao_->setText(QStringLiteral("Versão %1\nPasta do programa:\n%2")
                            .arg(QString::fromLatin1(kVersao),
                                 QDir::toNativeSeparators(QStringDeCaminho(programa_.PastaPrograma))));
    lblVersao_->setAlignment(Qt::AlignCenter);
    lblVersao_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblVersao_->setWordWrap(true);
    lblVersao_->setMaximumWidth(480);

    cmdSair_ = new QPushButton(QStringLiteral("O&k"), this);
    cmdSair_->setObjectName(QStringLiteral("cmdSair"));
    cmdSair_->setDefault(true);
    connect(cmdSair_, &QPushButton::clicked, this, &QDialog::accept);

    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(24, 20, 24, 16);
    coluna->setSpacing(12);
    coluna->addWidget(lblInfo0_);
    coluna->addWidget(imgLogotipo_, 0, Qt::AlignHCenter);
    coluna->addWidget(lblInternet_);
    coluna->addWidget(lblVersao_);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdSair_);
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
