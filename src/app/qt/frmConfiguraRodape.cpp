#include "app/qt/frmConfiguraRodape.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dados/rodape.h"
#include "layout/qt/cp1252_qt.h"
#include "layout/qt/dialogo_fixo.h"
#include "programa/qt/programa.h"

namespace oraculandia {

frmConfiguraRodape::frmConfiguraRodape(Programa& programa, QWidget* pai) : QDialog(pai), programa_(programa) {
    setWindowTitle(QStringLiteral("Configuração do cabeçalho e do rodapé..."));
    setObjectName(QStringLiteral("frmConfiguraRodape"));

    auto novaCaixa = [this](const char* nome, std::size_t maximo) {
        auto* caixa = new QLineEdit(this);
        caixa->setObjectName(QString::fromLatin1(nome));
        caixa->setMaxLength(static_cast<int>(maximo));
        return caixa;
    };
    txtCabecalhoLinhaUm_ = novaCaixa("txtCabecalhoLinhaUm", kMaximoCabecalho);
    txtRodapeLinhaUm_ = novaCaixa("txtRodapeLinhaUm", kMaximoRodape);
    txtRodapeLinhaDois_ = novaCaixa("txtRodapeLinhaDois", kMaximoRodape);

    cmdOk_ = new QPushButton(QStringLiteral("O&k"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancelar_ = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));

    auto* layout = new QVBoxLayout(this);
    lblMotivo_ = new QLabel(this);
    lblMotivo_->setObjectName(QStringLiteral("lblMotivo"));
    lblMotivo_->setWordWrap(true);
    lblMotivo_->setVisible(false);
    layout->addWidget(lblMotivo_);
    auto rotulo = [this, layout](const QString& texto, QLineEdit* caixa) {
        auto* lblInfo = new QLabel(texto, this);
        lblInfo->setObjectName(QStringLiteral("lblInfo"));
        lblInfo->setWordWrap(true);
        lblInfo->setBuddy(caixa);
        layout->addWidget(lblInfo);
        layout->addWidget(caixa);
        layout->addSpacing(6);
    };
    rotulo(
        QStringLiteral("Informe abaixo o texto para o cabeçalho (o texto deverá ser extremamente pequeno):"),
        txtCabecalhoLinhaUm_);
    rotulo(QStringLiteral("Informe abaixo o texto para a primeira linha do rodapé (aparecerá em negrito):"),
           txtRodapeLinhaUm_);
    rotulo(QStringLiteral("Informe abaixo o texto para a segunda linha do rodapé (procure informar o "
                          "seu telefone e e-mail):"),
           txtRodapeLinhaDois_);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdOk_);
    botoes->addWidget(cmdCancelar_);
    layout->addLayout(botoes);
    FixarDialogo(*this, QSize(640, sizeHint().height()));

    txtRodapeLinhaUm_->setText(Cp1252ParaQString(programa_.Rodape.RodapeLinhaUm));
    txtRodapeLinhaDois_->setText(Cp1252ParaQString(programa_.Rodape.RodapeLinhaDois));
    txtCabecalhoLinhaUm_->setText(Cp1252ParaQString(programa_.Rodape.CabecalhoLinhaUm));

    connect(cmdOk_, &QPushButton::clicked, this, &frmConfiguraRodape::cmdOk_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmConfiguraRodape::cmdCancelar_Click);
}

void frmConfiguraRodape::MostrarMotivo(const QString& texto) {
    QFont negrito = lblMotivo_->font();
    negrito.setBold(true);
    lblMotivo_->setFont(negrito);
    lblMotivo_->setText(texto);
    lblMotivo_->setVisible(true);
    setFixedSize(QSize(640, sizeHint().height()));
}

void frmConfiguraRodape::cmdOk_Click() {
    const ConversaoCp1252 um = QStringParaCp1252(txtRodapeLinhaUm_->text());
    const ConversaoCp1252 dois = QStringParaCp1252(txtRodapeLinhaDois_->text());
    const ConversaoCp1252 cabecalho = QStringParaCp1252(txtCabecalhoLinhaUm_->text());
    std::vector<char32_t> invalidos;
    for (const ConversaoCp1252* c : {&cabecalho, &um, &dois}) {
        for (const char32_t ch : c->invalidos) {
            if (std::find(invalidos.begin(), invalidos.end(), ch) == invalidos.end()) {
                invalidos.push_back(ch);
            }
        }
    }
    if (!invalidos.empty()) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Aviso:"),
            QStringLiteral("As linhas não foram gravadas porque contêm caracteres que o arquivo de "
                           "cabeçalho e rodapé não consegue guardar: %1. Retire ou substitua esses "
                           "caracteres e clique novamente em Ok.")
                .arg(ListaCaracteresInvalidos(invalidos)),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
        return;
    }
    const LinhasRodape linhas{um.texto, dois.texto, cabecalho.texto};
    if (programa_.RecusarGravacao(this, kArquivoRodape,
                                  QStringLiteral("As linhas continuam nesta janela e nada foi alterado.")))
        return;
    if (!SalvarLinhasRodape(programa_.PastaPrograma, linhas)) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível gravar o arquivo %1. Verifique se a pasta do programa "
                           "permite gravação. As linhas continuam nesta janela e nada foi alterado.")
                .arg(QDir::toNativeSeparators(programa_.Caminho(kArquivoRodape))),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    programa_.mensagens.Mostrar(
        this, QStringLiteral("Informação:"),
        QStringLiteral("Atenção: Na próxima análise que você gerar estas alterações terão efeito!"),
        IconeMensagem::Informacao, BotoesMensagem::Ok);
    QDialog::accept();
}

void frmConfiguraRodape::cmdCancelar_Click() {
    const RespostaMensagem r = programa_.mensagens.Mostrar(
        this, QStringLiteral("Atenção:"),
        QStringLiteral("Tem certeza de que deseja cancelar esta alteração da linha de rodapé? "
                       "Nenhuma alteração terá efeito."),
        IconeMensagem::Pergunta, BotoesMensagem::SimNao);
    if (r != RespostaMensagem::Nao) {
        QDialog::reject();
    }
}

void frmConfiguraRodape::reject() {
    cmdCancelar_Click();
}

} // namespace oraculandia
