// What leaves the study window: the clipboard, the printer, a PDF file, and the spellings kept
// with a client in the register.
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <exception>

#include "clientes/qt/cadastro_clientes.h"
#include "estudo/qt/frmEstudoNome.h"
#include "estudo/qt/grafias_cliente.h"
#include "estudo/qt/impressao_estudo.h"
#include "layout/qt/cp1252_qt.h"
#include "print/limites_margens.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/saida_documento.h"
#include "print/qt/servicos_impressao.h"
#include "programa/qt/falhas.h"
#include "programa/qt/programa.h"

namespace oraculandia {

FolhasEstudo frmEstudoNome::Folhas(double larguraImprimivel, double alturaImprimivel) const {
    FolhasEstudo f;
    f.contexto = ContextoDocumento(programa_, estudo_ ? estudo_->grafias.front().nome : std::string(),
                                   estudo_ ? FormatarData(estudo_->nascimento) : std::string(),
                                   larguraImprimivel, alturaImprimivel);
    f.fontes = programa_.Fontes;
    return f;
}

void frmEstudoNome::cmdCopiar_Click() {
    if (!estudo_)
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(TextoEstudo(*estudo_)));
    lblSituacao->setText(QStringLiteral("O estudo foi copiado para a área de transferência."));
}

void frmEstudoNome::cmdImprimir_Click() {
    if (!estudo_)
        return;
    ImprimirNaImpressora(
        this, programa_, QStringLiteral("o estudo"),
        [this](QPrinter& impressora, double largura, double altura) {
            return ImprimirEstudo(*estudo_, Folhas(largura, altura), impressora);
        },
        [this] { cmdSalvarPdf_Click(); });
}

void frmEstudoNome::cmdSalvarPdf_Click() {
    if (!estudo_)
        return;
    try {
        ServicosImpressao& servicos = programa_.impressao;
        const QString sugestao = SugestaoArquivoPdf(
            QStringLiteral("Estudo do Nome - %1").arg(txtNome->text()), QStringLiteral("Estudo do Nome"));
        QString arquivo =
            servicos.EscolherArquivoPdf(this, sugestao, QStringLiteral("Salvar o estudo em PDF"));
        if (arquivo.isEmpty())
            return;
        QFileInfo info(arquivo);
        if (!info.isDir() && info.suffix().isEmpty()) {
            arquivo += QStringLiteral(".pdf");
            info = QFileInfo(arquivo);
            // The file dialog asked about the name as typed, not about this one.
            if (info.exists() && !info.isDir() &&
                programa_.mensagens.Mostrar(
                    this, QStringLiteral("Atenção:"),
                    QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo pelo estudo?")
                        .arg(QDir::toNativeSeparators(info.absoluteFilePath())),
                    IconeMensagem::Pergunta, BotoesMensagem::SimNao) != RespostaMensagem::Sim)
                return;
        }
        const QString destino = QDir::toNativeSeparators(info.absoluteFilePath());
        const QPageLayout pagina = servicos.Pagina();
        setCursor(Qt::WaitCursor);
        const ResultadoQt<void> gravado = GravarPdfEstudo(
            *estudo_, Folhas(LarguraImprimivel(pagina), AlturaImprimivel(pagina)), pagina, arquivo);
        unsetCursor();
        if (!gravado) {
            Erro(QStringLiteral("Não foi possível salvar o estudo no arquivo PDF %1: %2.")
                     .arg(destino, gravado.error()));
            return;
        }
        programa_.mensagens.Mostrar(this, QStringLiteral("Informação:"),
                                    QStringLiteral("O estudo foi salvo no arquivo %1.").arg(destino),
                                    IconeMensagem::Informacao, BotoesMensagem::Ok);
    } catch (...) {
        unsetCursor();
        Erro(MensagemFalhaAtual(QStringLiteral("salvar o estudo em PDF")));
    }
}

// ---- The register -----------------------------------------------------------------------------

void frmEstudoNome::AbrirCliente(std::shared_ptr<CadastroClientes> cadastro, const Cliente& cliente) {
    cadastro_ = std::move(cadastro);
    clienteId_ = cliente.id;
    gravar_ = false;
    setWindowTitle(QStringLiteral("%1 - %2").arg(Titulo(), cliente.nome));
    // The client's name and date are changed in the Clientes window, where the register checks them.
    txtDataNasc->setText(DataExibida(cliente.nascimento));
    txtNome->setText(cliente.nome);
    txtDataNasc->setReadOnly(true);
    txtNome->setReadOnly(true);
    DataDigitada();
    NomeDigitado();

    const ResultadoQt<QStringList> lidas = LerGrafiasCliente(*cadastro_, clienteId_);
    if (!lidas) {
        Erro(QStringLiteral(
                 "Não foi possível ler as grafias guardadas com este cliente: %1. O estudo pode ser "
                 "feito, mas as grafias não serão guardadas no cadastro.")
                 .arg(lidas.error()));
        return;
    }
    const QStringList& guardadas = *lidas;
    // What the file brings passes the same checks as what is typed. A spelling refused, or one
    // past the limit, is left in the file untouched: saving is then off for this window, so that
    // nothing kept there is lost.
    QStringList recusas;
    for (int i = 0; i < guardadas.size(); ++i) {
        const VerificacaoCliente v = VerificarGrafia(guardadas[i]);
        if (!v.ok()) {
            recusas << QStringLiteral("\"%1\" (%2)").arg(guardadas[i].left(60), v.Motivo());
        } else if (static_cast<int>(grafias_.size()) + 1 >= kMaximoGrafias) {
            recusas << QStringLiteral("\"%1\" (passa do limite de %2 grafias)")
                           .arg(guardadas[i].left(60))
                           .arg(kMaximoGrafias);
        } else {
            grafias_.push_back(v.nome);
        }
    }
    MostrarGrafias(lstGrafias->currentRow());
    gravar_ = recusas.isEmpty();
    Recalcular();
    if (!recusas.isEmpty())
        Erro(
            QStringLiteral("Algumas grafias guardadas com este cliente não puderam ser usadas: %1. As demais "
                           "foram carregadas; as alterações feitas agora não serão guardadas, para que nada "
                           "do que está no cadastro se perca.")
                .arg(recusas.join(QStringLiteral(", "))));
}

void frmEstudoNome::GravarNoCadastro() {
    if (!GravandoNoCadastro())
        return;
    const ResultadoQt<void> gravadas = GravarGrafiasCliente(*cadastro_, clienteId_, Grafias());
    if (gravadas || falhaGravacaoAvisada_)
        return;
    falhaGravacaoAvisada_ = true;
    Erro(QStringLiteral("Não foi possível guardar as grafias no cadastro de clientes: %1. O estudo continua "
                        "funcionando, mas as grafias desta janela podem não ficar guardadas.")
             .arg(gravadas.error()));
}

} // namespace oraculandia
