#include "app/qt/gerador_pdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <cstdio>
#include <filesystem>

#include "app/qt/arquivos_iniciais.h"
#include "print/limites_margens.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/servicos_impressao.h"
#include "print/qt/trabalho_impressao.h"
#include "print/qt/valor_margem.h"
#include "programa/cp1252_qt.h"
#include "programa/programa.h"
#include "programa/servicos.h"

namespace oraculandia {

// The print job asks nothing of these; they complete the program state. Messages (the files of
// the folder that could not be read) go to standard error, as "Título: texto".
struct GeradorPdf::Servicos {
    struct MensagensNoTerminal : Mensagens {
        RespostaMensagem Mostrar(QWidget*, const QString& titulo, const QString& texto, IconeMensagem,
                                 BotoesMensagem) override {
            std::fputs(QStringLiteral("%1 %2\n").arg(titulo, texto).toUtf8().constData(), stderr);
            return RespostaMensagem::Nao;
        }
        void Bipe() override {}
    } mensagens;
    struct Silencio : Sons {
        void Tocar(const QString&, bool) override {}
        void Parar() override {}
    } sons;
    struct DiaFixo : Relogio {
        QDate Hoje() const override { return dia; }
        QDate dia;
    } relogio;
    struct SemNavegador : Navegador {
        void Abrir(const QUrl&) override {}
    } navegador;
};

GeradorPdf::GeradorPdf(const std::filesystem::path& pastaPrograma, const Data& hoje)
    : servicos_(std::make_unique<Servicos>()) {
    servicos_->relogio.dia = QDate(hoje.ano, hoje.mes, hoje.dia);
    programa_ = std::make_unique<Programa>(pastaPrograma, servicos_->mensagens, servicos_->sons,
                                           servicos_->relogio, servicos_->navegador);
    Programa& p = *programa_;
    // As the main window loads them at start, and the print dialog when it opens; the files that
    // could not be read are named once, as the main window names them.
    EstadoArquivo estado = EstadoArquivo::Lido;
    p.Fontes = CarregaFontes(p.PastaPrograma, &estado);
    p.AnotarLeitura(kArquivoFontes, estado);
    p.Configuracao = CarregarConfiguracao(p.PastaPrograma, &estado);
    p.AnotarLeitura(kArquivoConfiguracao, estado);
    p.Rodape = CarregaLinhasRodape(p.PastaPrograma, &estado);
    p.AnotarLeitura(kArquivoRodape, estado);
    AvisarArquivosDaPasta(p, nullptr);

    // The page as the print dialog takes it, in the orientation the main window's start-up gives
    // the default printer.
    ServicosImpressao& servicos = ServicosImpressaoAtuais();
    if (servicos.HaImpressora())
        servicos.DefinirOrientacao(QPageLayout::Portrait);
    pagina_ = servicos.Pagina();
    // The margins as the dialog shows them (a field no sheet can take becomes 10) and reads them
    // back from its boxes.
    const Margens m = MargensImprimiveis(CarregaMargens(p.PastaPrograma, &estado), LarguraImprimivel(pagina_),
                                         AlturaImprimivel(pagina_));
    auto caixa = [](float valor) { return static_cast<float>(ValorNumerico(TextoMargem(valor))); };
    p.MargensImpressao = Margens{caixa(m.Esquerda), caixa(m.Superior), caixa(m.Direita), caixa(m.Inferior)};

    pdf_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrepararPdf(*pdf_, pagina_, QString());
}

GeradorPdf::~GeradorPdf() = default;

bool GeradorPdf::RodapeProvisorio() const {
    return oraculandia::RodapeProvisorio(programa_->Rodape);
}

bool GeradorPdf::Gravar(const std::string& nome, const Data& nascimento, const QString& destino,
                        bool substituir, QString* erro, const std::string& nomeDigitado) {
    auto falha = [erro](const QString& motivo) {
        if (erro)
            *erro = motivo;
        return false;
    };
    const QFileInfo info(destino);
    if (!substituir && !info.isDir() && (info.exists() || info.isSymLink()))
        return falha(QStringLiteral("o arquivo %1 já existe (para substituí-lo, use --substituir)")
                         .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    QString motivo;
    const std::unique_ptr<QTemporaryFile> temporario = CriarTemporarioPdf(info, &motivo);
    if (!temporario)
        return falha(motivo);

    Programa& p = *programa_;
    p.NomeCompleto = nome;
    p.NomeDigitado = nomeDigitado;
    p.DataNascimento = FormatarData(nascimento);
    pdf_->setDocName(Cp1252ParaQString(p.NomeExibido()));
    pdf_->setOutputFileName(temporario->fileName());
    const ResultadoImpressao r = ImprimirAnalise(p, *pdf_, Ligado(p.Configuracao.ImprimirFolhaRosto));
    if (!r.ok)
        return falha(r.erro);

    if (!ConcluirPdf(temporario->fileName(), info.absoluteFilePath(), substituir)) {
        if (!substituir && QFileInfo::exists(info.absoluteFilePath()))
            return falha(QStringLiteral("o arquivo %1 já existe (para substituí-lo, use --substituir)")
                             .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
        return falha(QStringLiteral("não foi possível dar ao arquivo o nome %1")
                         .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    }
    return true;
}

} // namespace oraculandia
