#include "editor/qt/frmAlteraForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "analysis/interpretacao.h"
#include "layout/qt/cp1252_qt.h"
#include "programa/qt/caminhos_qt.h"
#include "programa/qt/programa.h"

namespace oraculandia {

frmAlteraForm::frmAlteraForm(Programa& programa, QWidget* pai) : QDialog(pai), programa_(programa) {
    setWindowTitle(QStringLiteral("Alterando interpretação da análise..."));
    setObjectName(QStringLiteral("frmAlteraForm"));

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    QFont negrito = lblInfo->font();
    negrito.setBold(true);
    lblInfo->setFont(negrito);
    lblInfo->setWordWrap(true);

    txtTexto = new QPlainTextEdit(this);
    txtTexto->setObjectName(QStringLiteral("txtTexto"));
    txtTexto->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    txtTexto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtTexto->setTabChangesFocus(true);

    lblArquivo = new QLabel(this);
    lblArquivo->setObjectName(QStringLiteral("lblArquivo"));
    lblArquivo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPosicao = new QLabel(this);
    lblPosicao->setObjectName(QStringLiteral("lblPosicao"));

    cmdSalvar = new QPushButton(QStringLiteral("Atualizar Interpretação (&Salvar)"), this);
    cmdSalvar->setObjectName(QStringLiteral("cmdSalvar"));
    cmdRetornar = new QPushButton(QStringLiteral("Retornar sem Salva&r (Cancelar)"), this);
    cmdRetornar->setObjectName(QStringLiteral("cmdRetornar"));
    // Enter activates the focused button (in the text it starts a new line).
    cmdSalvar->setDefault(true);

    auto* rotuloArquivo = new QLabel(QStringLiteral("Arquivo:"), this);
    auto* rotuloPosicao = new QLabel(QStringLiteral("Registro:"), this);
    auto* linhaArquivo = new QHBoxLayout;
    linhaArquivo->addWidget(rotuloArquivo);
    linhaArquivo->addWidget(lblArquivo, 1);
    linhaArquivo->addSpacing(16);
    linhaArquivo->addWidget(rotuloPosicao);
    linhaArquivo->addWidget(lblPosicao);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdSalvar);
    botoes->addWidget(cmdRetornar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addWidget(txtTexto, 1);
    layout->addLayout(linhaArquivo);
    layout->addLayout(botoes);
    resize(720, 520);

    connect(cmdSalvar, &QPushButton::clicked, this, &frmAlteraForm::cmdSalvar_Click);
    connect(cmdRetornar, &QPushButton::clicked, this, &frmAlteraForm::cmdRetornar_Click);
}

void frmAlteraForm::DefinirRegistro(const QString& info, const QString& arquivo, int registro) {
    lblInfo->setText(info);
    lblArquivo->setText(arquivo);
    lblPosicao->setText(QString::number(registro));
}

void frmAlteraForm::DefinirTexto(const std::string& textoCp1252) {
    txtTexto->setPlainText(QuebrasParaLf(Cp1252ParaQString(textoCp1252)));
}

void frmAlteraForm::cmdSalvar_Click() {
    // toRawText keeps non-breaking spaces (toPlainText would turn them into plain spaces).
    const QString digitado = QuebrasParaCrLf(txtTexto->document()->toRawText());
    const ConversaoCp1252 conversao = QStringParaCp1252(digitado);
    if (!conversao.ok()) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Aviso:"),
            QStringLiteral("O texto não foi gravado porque contém caracteres que o arquivo de "
                           "interpretações não consegue guardar: %1. Retire ou substitua esses "
                           "caracteres e clique novamente em \"Atualizar Interpretação\".")
                .arg(ListaCaracteresInvalidos(conversao.invalidos)),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
        return;
    }
    if (conversao.texto.size() > kTamanhoRegistro) {
        const RespostaMensagem r = programa_.mensagens.Mostrar(
            this, QStringLiteral("Atenção:"),
            QStringLiteral("O texto tem %1 caracteres (cada quebra de linha conta como dois), mas "
                           "uma interpretação guarda no máximo %2. Se você continuar, somente os "
                           "primeiros %2 caracteres serão gravados e o restante do texto será "
                           "perdido. Gravar assim mesmo?")
                .arg(conversao.texto.size())
                .arg(kTamanhoRegistro),
            IconeMensagem::Pergunta, BotoesMensagem::SimNaoPadraoNao);
        if (r != RespostaMensagem::Sim) {
            return;
        }
    }

    const QFileInfo arquivo(lblArquivo->text());
    bool numeroOk = false;
    const int registro = lblPosicao->text().toInt(&numeroOk);
    const std::filesystem::path pasta = CaminhoDeQString(arquivo.absolutePath());
    const std::string nome = arquivo.fileName().toStdString();
    ResultadoGravacao resultado = ResultadoGravacao::NumeroInvalido;
    if (numeroOk && registro >= 1 && registro <= 32767) {
        resultado = GravarInterpretacao(pasta, static_cast<int16_t>(registro), nome, conversao.texto);
    }
    if (resultado != ResultadoGravacao::Ok) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível gravar a interpretação no arquivo %1 (registro %2). "
                           "Verifique se o arquivo e a pasta do programa permitem gravação. O "
                           "texto continua nesta janela e nada foi perdido.")
                .arg(QDir::toNativeSeparators(arquivo.filePath()), lblPosicao->text()),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    QDialog::accept();
}

void frmAlteraForm::cmdRetornar_Click() {
    const RespostaMensagem r = programa_.mensagens.Mostrar(
        this, QStringLiteral("Importante:"),
        QStringLiteral("Cancelando esta edição as modificações que você acabou de fazer não serão "
                       "atualizadas no arquivo de interpretações. Cancelar assim mesmo?"),
        IconeMensagem::Pergunta, BotoesMensagem::SimNaoPadraoNao);
    if (r == RespostaMensagem::Sim) {
        QDialog::reject();
    }
}

void frmAlteraForm::reject() {
    cmdRetornar_Click();
}

} // namespace oraculandia
