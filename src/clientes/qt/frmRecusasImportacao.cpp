#include "clientes/qt/frmRecusasImportacao.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace oraculandia {

QString frmRecusasImportacao::TextoDaLista(const std::vector<LinhaRecusada>& recusadas) {
    QString texto;
    for (const LinhaRecusada& r : recusadas)
        texto += QStringLiteral("Linha %1: %2\n").arg(r.linha).arg(r.motivo);
    return texto;
}

frmRecusasImportacao::frmRecusasImportacao(const QString& arquivo,
                                           const std::vector<LinhaRecusada>& recusadas, int validos,
                                           QWidget* pai)
    : QDialog(pai) {
    setObjectName(QStringLiteral("frmRecusasImportacao"));
    setWindowTitle(QStringLiteral("Aviso:"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int n = static_cast<int>(recusadas.size());
    lblResumo = new QLabel(this);
    lblResumo->setObjectName(QStringLiteral("lblResumo"));
    lblResumo->setWordWrap(true);
    lblResumo->setTextFormat(Qt::PlainText);
    const QString caminho = QDir::toNativeSeparators(arquivo);
    const QString inicio =
        n == 1 ? QStringLiteral("Uma linha do arquivo %1 foi recusada e não será importada.").arg(caminho)
               : QStringLiteral("%1 linhas do arquivo %2 foram recusadas e não serão importadas.")
                     .arg(n)
                     .arg(caminho);
    const QString pergunta =
        validos == 1
            ? QStringLiteral("Deseja importar a outra linha, que está correta?")
            : QStringLiteral("Deseja importar as outras %1 linhas, que estão corretas?").arg(validos);
    lblResumo->setText(inicio + QStringLiteral(" Confira a lista abaixo. ") + pergunta);

    auto* rotulo = new QLabel(QStringLiteral("&Linhas recusadas:"), this);
    txtRecusadas = new QPlainTextEdit(this);
    txtRecusadas->setObjectName(QStringLiteral("txtRecusadas"));
    txtRecusadas->setReadOnly(true);
    txtRecusadas->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRecusadas->setPlainText(TextoDaLista(recusadas));
    rotulo->setBuddy(txtRecusadas);

    cmdImportar = new QPushButton(QStringLiteral("&Importar as corretas"), this);
    cmdImportar->setObjectName(QStringLiteral("cmdImportar"));
    cmdCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    // Nothing is imported by a stray Enter: the safe answer is the default.
    cmdCancelar->setDefault(true);
    cmdImportar->setEnabled(validos > 0);
    connect(cmdImportar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdImportar);
    botoes->addWidget(cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblResumo);
    layout->addWidget(rotulo);
    layout->addWidget(txtRecusadas, 1);
    layout->addLayout(botoes);
    resize(560, 360);
}

} // namespace oraculandia
