// The print dialog's buttons that start the job: on the default printer or into a PDF file, and
// the one message that tells the user what happened to the analysis and to the margins.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "layout/qt/cp1252_qt.h"
#include "print/qt/frmImprimir.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/servicos_impressao.h"
#include "print/qt/trabalho_impressao.h"
#include "programa/qt/falhas.h"
#include "programa/qt/programa.h"

namespace oraculandia {

void frmImprimir::MostrarAguarde() {
    QImage imagem = picExemplo->NovaImagem();
    {
        QPainter p(&imagem);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont fonte(QStringLiteral("Times New Roman"));
        fonte.setPointSizeF(14); // converted with the image's own dots per inch
        p.setFont(fonte);
        p.setPen(Qt::black);
        const double pxPorMm = imagem.dotsPerMeterY() / 1000.0;
        const QFontMetricsF fm(fonte, &imagem);
        double y = 5 * pxPorMm;
        for (const QString& linha : {QStringLiteral("Imprimindo,"), QStringLiteral("Aguarde...")}) {
            p.drawText(QPointF(5 * pxPorMm, y + fm.ascent()), linha);
            y += fm.height();
        }
    }
    picExemplo->DefinirImagem(std::move(imagem));
    picExemplo->repaint();
}

QString frmImprimir::ArquivoMargens() const {
    return QDir::toNativeSeparators(programa_.Caminho(kArquivoMargens));
}

std::optional<frmImprimir::DestinoMargens> frmImprimir::ExecutarTrabalho(QPrinter& impressora,
                                                                         ResultadoImpressao& resultado) {
    RedefinirMargens();
    // Margins no sheet could take are refused before anything is saved or started.
    const QString recusa = MotivoMargensRecusadas(programa_.MargensImpressao, largura_, altura_);
    if (!recusa.isEmpty()) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"),
                                    QStringLiteral("A análise não foi impressa: %1. Corrija a margem e tente "
                                                   "novamente; nada foi impresso e as margens não foram "
                                                   "guardadas.")
                                        .arg(recusa),
                                    IconeMensagem::Critico, BotoesMensagem::Ok);
        return std::nullopt;
    }

    setCursor(Qt::WaitCursor);
    MostrarAguarde();
    // The margins are saved before anything is printed, and stay saved whatever happens next;
    // never over a margens.dat that could not be read in this run.
    const DestinoMargens margens = programa_.Ilegivel(kArquivoMargens) ? DestinoMargens::Recusadas
                                   : SalvarMargens(programa_.PastaPrograma, programa_.MargensImpressao)
                                       ? DestinoMargens::Guardadas
                                       : DestinoMargens::NaoGuardadas;

    const bool pretoEmBranco = chkPretoEmBranco->isChecked();
    const bool folhaRosto = chkImprimirFolhaRosto->isChecked();
    programa_.Configuracao.PretoEmBranco = pretoEmBranco ? kLigado : kDesligado;
    programa_.Configuracao.ImprimirFolhaRosto = folhaRosto ? kLigado : kDesligado;

    resultado = ImprimirAnalise(programa_, impressora, folhaRosto);
    unsetCursor();
    if (!resultado) {
        DesenhaExemplo(); // the miniature again instead of the busy message
    }
    return margens;
}

void frmImprimir::RelatarFalha(const QString& oQueFalhou, DestinoMargens margens) {
    QString sobreMargens;
    switch (margens) {
    case DestinoMargens::Guardadas:
        sobreMargens = QStringLiteral("As margens informadas foram guardadas");
        break;
    case DestinoMargens::NaoGuardadas:
        sobreMargens = QStringLiteral("As margens informadas também não puderam ser guardadas no arquivo %1 "
                                      "(verifique se a pasta do programa permite gravação)")
                           .arg(ArquivoMargens());
        break;
    case DestinoMargens::Recusadas:
        sobreMargens = QStringLiteral("As margens informadas não foram guardadas: o arquivo %1 não pôde ser "
                                      "lido nesta execução, e gravar por cima dele perderia o que ele guarda")
                           .arg(ArquivoMargens());
        break;
    }
    programa_.mensagens.Mostrar(
        this, QStringLiteral("Erro:"),
        QStringLiteral("%1. %2; verifique o problema e tente novamente.").arg(oQueFalhou, sobreMargens),
        IconeMensagem::Critico, BotoesMensagem::Ok);
}

void frmImprimir::RelatarMargensNaoSalvas(const QString& oQueFoiFeito, DestinoMargens margens) {
    if (margens == DestinoMargens::Recusadas) {
        programa_.RecusarGravacao(
            this, kArquivoMargens,
            QStringLiteral("%1; as margens informadas valeram para ela, mas não ficam guardadas.")
                .arg(oQueFoiFeito));
        return;
    }
    programa_.mensagens.Mostrar(
        this, QStringLiteral("Aviso:"),
        QStringLiteral("%1, mas as margens não puderam ser guardadas no arquivo %2 (verifique se a pasta "
                       "do programa permite gravação). Elas valeram para esta impressão, mas não ficarão "
                       "guardadas para a próxima.")
            .arg(oQueFoiFeito, ArquivoMargens()),
        IconeMensagem::Informacao, BotoesMensagem::Ok);
}

void frmImprimir::OferecePdfSemImpressora() {
    const RespostaMensagem r = programa_.mensagens.Mostrar(
        this, QStringLiteral("Aviso:"),
        QStringLiteral("Não há nenhuma impressora instalada neste computador. Deseja salvar a "
                       "análise em um arquivo PDF, que pode ser impresso depois ou enviado por "
                       "e-mail?"),
        IconeMensagem::Pergunta, BotoesMensagem::SimNao);
    if (r == RespostaMensagem::Sim) {
        SalvarPdf();
    }
}

template <typename F> void frmImprimir::ComFalhasTratadas(const QString& acao, F trabalho) {
    try {
        trabalho();
    } catch (...) {
        unsetCursor();
        falhou_ = true;
        falha_ = MensagemFalhaAtual(acao);
        reject();
    }
}

void frmImprimir::cmdImprimir_Click() {
    ComFalhasTratadas(QStringLiteral("imprimir a análise"), [this] { Imprimir(); });
}

void frmImprimir::cmdSalvarPdf_Click() {
    ComFalhasTratadas(QStringLiteral("salvar a análise em PDF"), [this] { SalvarPdf(); });
}

void frmImprimir::cmdVisualizar_Click() {
    ComFalhasTratadas(QStringLiteral("visualizar as páginas"), [this] {
        RedefinirMargens();
        const QString recusa = MotivoMargensRecusadas(programa_.MargensImpressao, largura_, altura_);
        if (!recusa.isEmpty()) {
            programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"),
                                        QStringLiteral("As páginas não podem ser mostradas: %1. Corrija a "
                                                       "margem e tente novamente.")
                                            .arg(recusa),
                                        IconeMensagem::Critico, BotoesMensagem::Ok);
            return;
        }
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setPageLayout(pagina_);
        impressora.setDocName(Cp1252ParaQString(programa_.NomeExibido()));
        QPrintPreviewDialog previa(&impressora, this);
        previa.setObjectName(QStringLiteral("previaImpressao"));
        previa.setWindowTitle(
            QStringLiteral("Visualizar: %1").arg(Cp1252ParaQString(programa_.NomeExibido())));
        // The options of the dialog as they are now, for the preview only.
        const ConfiguracaoPrograma guardada = programa_.Configuracao;
        const bool folhaRosto = chkImprimirFolhaRosto->isChecked();
        programa_.Configuracao.PretoEmBranco = chkPretoEmBranco->isChecked() ? kLigado : kDesligado;
        QString erro;
        connect(&previa, &QPrintPreviewDialog::paintRequested, this, [this, folhaRosto, &erro](QPrinter* p) {
            const ResultadoImpressao r = ImprimirAnalise(programa_, *p, folhaRosto);
            if (!r)
                erro = r.error();
        });
        previa.resize(900, 700);
        previa.exec();
        programa_.Configuracao.PretoEmBranco = guardada.PretoEmBranco;
        if (!erro.isEmpty())
            programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"),
                                        QStringLiteral("As páginas não puderam ser mostradas: %1.").arg(erro),
                                        IconeMensagem::Critico, BotoesMensagem::Ok);
    });
}

void frmImprimir::Imprimir() {
    std::unique_ptr<QPrinter> impressora =
        servicos_.HaImpressora() ? servicos_.Impressora() : std::unique_ptr<QPrinter>{};
    if (!impressora) {
        OferecePdfSemImpressora();
        return;
    }
    ResultadoImpressao resultado;
    const std::optional<DestinoMargens> margensSalvas = ExecutarTrabalho(*impressora, resultado);
    if (!margensSalvas) {
        return;
    }
    if (!resultado) {
        RelatarFalha(QStringLiteral("Não foi possível imprimir a análise: %1").arg(resultado.error()),
                     *margensSalvas);
        return;
    }
    if (*margensSalvas != DestinoMargens::Guardadas) {
        RelatarMargensNaoSalvas(QStringLiteral("A análise foi enviada para a impressora"), *margensSalvas);
    }
    accept();
}

QString frmImprimir::SugestaoArquivoPdf() const {
    return oraculandia::SugestaoArquivoPdf(Cp1252ParaQString(programa_.NomeExibido()),
                                           QStringLiteral("Análise"));
}

void frmImprimir::SalvarPdf() {
    QString arquivo = servicos_.EscolherArquivoPdf(this, SugestaoArquivoPdf());
    if (arquivo.isEmpty()) {
        return; // the user gave up choosing: the dialog stays as it was
    }
    QFileInfo info(arquivo);
    if (!info.isDir() && info.suffix().isEmpty()) {
        arquivo += QStringLiteral(".pdf");
        info = QFileInfo(arquivo);
        // The file dialog asked about the name as typed, not about this one.
        if (info.exists() && !info.isDir()) {
            const RespostaMensagem r = programa_.mensagens.Mostrar(
                this, QStringLiteral("Atenção:"),
                QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo pela análise?")
                    .arg(QDir::toNativeSeparators(info.absoluteFilePath())),
                IconeMensagem::Pergunta, BotoesMensagem::SimNao);
            if (r != RespostaMensagem::Sim) {
                return;
            }
        }
    }
    if (info.isDir()) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("\"%1\" é uma pasta, não um arquivo. Para salvar a análise em PDF, "
                           "escolha dentro dela um nome de arquivo.")
                .arg(QDir::toNativeSeparators(arquivo)),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }

    // The PDF is written under a temporary name in the same folder and takes its name only when
    // complete: a failed job never leaves a half-written file, nor destroys the one it replaces.
    QTemporaryFile temporario(info.absolutePath() + QStringLiteral("/.oraculandia-XXXXXX.pdf"));
    if (!info.absoluteDir().exists() || !temporario.open()) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível criar o arquivo PDF na pasta %1. Verifique se a pasta "
                           "existe e permite gravação, ou escolha outra pasta.")
                .arg(QDir::toNativeSeparators(info.absolutePath())),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    temporario.close();

    QPrinter pdf(QPrinter::HighResolution);
    PrepararPdf(pdf, pagina_, Cp1252ParaQString(programa_.NomeExibido()));
    pdf.setOutputFileName(temporario.fileName());

    const QString destino = QDir::toNativeSeparators(info.absoluteFilePath());
    ResultadoImpressao resultado;
    const std::optional<DestinoMargens> margensSalvas = ExecutarTrabalho(pdf, resultado);
    if (!margensSalvas) {
        return;
    }
    if (!resultado) {
        RelatarFalha(QStringLiteral("Não foi possível salvar a análise no arquivo PDF %1: %2")
                         .arg(destino, resultado.error()),
                     *margensSalvas);
        return;
    }
    // A PDF cut short (a full disk) never takes the name, nor replaces the file of that name.
    if (!PdfCompleto(temporario.fileName())) {
        RelatarFalha(QStringLiteral("Não foi possível salvar a análise no arquivo PDF %1: o arquivo não foi "
                                    "gravado por inteiro (verifique se há espaço livre no disco da pasta %2)")
                         .arg(destino, QDir::toNativeSeparators(info.absolutePath())),
                     *margensSalvas);
        return;
    }
    const bool renomeado = ConcluirPdf(temporario.fileName(), info.absoluteFilePath());
    if (!renomeado) {
        RelatarFalha(QStringLiteral("Não foi possível gravar o arquivo PDF %1 (verifique se ele não está "
                                    "aberto em outro programa e se a pasta permite gravação)")
                         .arg(destino),
                     *margensSalvas);
        DesenhaExemplo();
        return;
    }
    if (*margensSalvas == DestinoMargens::Guardadas) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Informação:"),
                                    QStringLiteral("A análise foi salva no arquivo %1.").arg(destino),
                                    IconeMensagem::Informacao, BotoesMensagem::Ok);
    } else {
        RelatarMargensNaoSalvas(QStringLiteral("A análise foi salva no arquivo %1").arg(destino),
                                *margensSalvas);
    }
    accept();
}

} // namespace oraculandia
