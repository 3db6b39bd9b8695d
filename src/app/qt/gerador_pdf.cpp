#include "app/qt/gerador_pdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#if defined(_WIN32)
#include <io.h>
#else
#include <pthread.h>
#include <signal.h>
#include <unistd.h>
#endif

#include "app/qt/arquivos_iniciais.h"
#include "layout/qt/cp1252_qt.h"
#include "print/limites_margens.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/servicos_impressao.h"
#include "print/qt/trabalho_impressao.h"
#include "print/qt/valor_margem.h"
#include "programa/qt/programa.h"
#include "programa/qt/servicos.h"

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
    struct SemDialogosDeClientes : ServicosClientes {
        QString EscolherArquivoImportar(QWidget*) override { return {}; }
        QString EscolherArquivoExportar(QWidget*, const QString&) override { return {}; }
        bool ConfirmarImportacao(QWidget*, const QString&, const std::vector<LinhaRecusada>&, int) override {
            return false;
        }
    } clientes;
};

namespace {

// The temporary file being written, for the signal handler: a fixed buffer (nothing is allocated
// or freed in a handler), written only outside the handler while the signals are blocked.
char arquivoEmCurso[4096];

extern "C" void AoInterromper(int sinal) {
    if (arquivoEmCurso[0] != '\0')
#if defined(_WIN32)
        _unlink(arquivoEmCurso);
#else
        ::unlink(arquivoEmCurso);
#endif
    // The default action, so that the caller sees the program ended by the signal.
    std::signal(sinal, SIG_DFL);
    std::raise(sinal);
}

// Blocks SIGINT and SIGTERM while the buffer changes.
class SinaisBloqueados {
public:
#if defined(_WIN32)
    // Windows runs a console's Ctrl+C handler in a thread of its own: nothing to block.
    SinaisBloqueados() = default;
#else
    SinaisBloqueados() {
        sigset_t s;
        sigemptyset(&s);
        sigaddset(&s, SIGINT);
        sigaddset(&s, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &s, &antes_);
    }
    ~SinaisBloqueados() {
        pthread_sigmask(SIG_SETMASK, &antes_, nullptr);
    }
#endif
    SinaisBloqueados(const SinaisBloqueados&) = delete;
    SinaisBloqueados& operator=(const SinaisBloqueados&) = delete;

private:
#if !defined(_WIN32)
    sigset_t antes_{};
#endif
};

} // namespace

// Names the file being written for the handler while it lives.
class GeradorPdf::GuardarArquivoEmCurso {
public:
    explicit GuardarArquivoEmCurso(const QString& arquivo) {
        const QByteArray nome = QFile::encodeName(arquivo);
        const SinaisBloqueados bloqueio;
        if (static_cast<std::size_t>(nome.size()) < sizeof arquivoEmCurso)
            std::memcpy(arquivoEmCurso, nome.constData(), static_cast<std::size_t>(nome.size()) + 1);
    }
    ~GuardarArquivoEmCurso() {
        const SinaisBloqueados bloqueio;
        arquivoEmCurso[0] = '\0';
    }
    GuardarArquivoEmCurso(const GuardarArquivoEmCurso&) = delete;
    GuardarArquivoEmCurso& operator=(const GuardarArquivoEmCurso&) = delete;

    // Installs the handler for SIGINT and SIGTERM, unless the signal is ignored (a program
    // started in the background with nohup keeps ignoring it).
    static void Instalar() {
#if defined(_WIN32)
        for (int sinal : {SIGINT, SIGTERM})
            if (std::signal(sinal, AoInterromper) == SIG_IGN)
                std::signal(sinal, SIG_IGN);
#else
        for (int sinal : {SIGINT, SIGTERM}) {
            struct sigaction atual {};
            if (sigaction(sinal, nullptr, &atual) == 0 && atual.sa_handler == SIG_IGN)
                continue;
            struct sigaction nova {};
            nova.sa_handler = AoInterromper;
            sigemptyset(&nova.sa_mask);
            sigaction(sinal, &nova, nullptr);
        }
#endif
    }
};

// How long a temporary report must have been left untouched before a later run removes it.
constexpr int kSegundosTemporarioAbandonado = 600;

int GeradorPdf::RemoverTemporariosAntigos(const QString& pasta, const QDateTime& inicio) {
    // QTemporaryFile puts six letters or digits in place of the XXXXXX of CriarTemporarioPdf.
    static const QRegularExpression padrao(QStringLiteral("^\\.oraculandia-[A-Za-z0-9]{6}\\.pdf$"));
    int removidos = 0;
    const QDir dir(pasta);
    for (const QFileInfo& f : dir.entryInfoList({QStringLiteral(".oraculandia-*.pdf")},
                                                QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!padrao.match(f.fileName()).hasMatch() || !f.isFile() || f.isSymLink())
            continue;
        // Older than the run, and untouched for a while: a file another instance is writing
        // right now into the same folder is left to it.
        if (f.lastModified() >= inicio.addSecs(-kSegundosTemporarioAbandonado))
            continue;
        if (QFile::remove(f.absoluteFilePath()))
            ++removidos;
    }
    return removidos;
}

GeradorPdf::GeradorPdf(const std::filesystem::path& pastaPrograma, const Data& hoje,
                       ServicosImpressao& impressao)
    : servicos_(std::make_unique<Servicos>()) {
    servicos_->relogio.dia = QDate(hoje.ano, hoje.mes, hoje.dia);
    programa_ =
        std::make_unique<Programa>(pastaPrograma, servicos_->mensagens, servicos_->sons, servicos_->relogio,
                                   servicos_->navegador, impressao, servicos_->clientes);
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
    p.PreferenciasPrograma = CarregarPreferencias(p.PastaPrograma, &estado);
    p.AnotarLeitura(kArquivoPreferencias, estado);
    AvisarArquivosDaPasta(p, nullptr);

    // The page as the print dialog takes it, in the orientation the main window's start-up gives
    // the default printer.
    ServicosImpressao& servicos = p.impressao;
    if (servicos.HaImpressora())
        servicos.DefinirOrientacao(QPageLayout::Portrait);
    pagina_ = servicos.Pagina();
    // The margins as the dialog shows them (a field no sheet can take becomes 10) and reads them
    // back from its boxes.
    const Margens m = MargensImprimiveis(CarregaMargens(p.PastaPrograma, &estado), LarguraImprimivel(pagina_),
                                         AlturaImprimivel(pagina_));
    auto caixa = [](float valor) { return static_cast<float>(ValorNumerico(TextoMargem(valor))); };
    p.MargensImpressao = Margens{caixa(m.Esquerda), caixa(m.Superior), caixa(m.Direita), caixa(m.Inferior)};

    GuardarArquivoEmCurso::Instalar();
}

GeradorPdf::~GeradorPdf() = default;

bool GeradorPdf::RodapeProvisorio() const {
    return oraculandia::RodapeProvisorio(programa_->Rodape);
}

ResultadoQt<void> GeradorPdf::Gravar(const std::string& nome, const Data& nascimento, const QString& destino,
                                     bool substituir, const std::string& nomeDigitado) {
    const QFileInfo info(destino);
    if (!substituir && !info.isDir() && (info.exists() || info.isSymLink()))
        return Falha(QStringLiteral("o arquivo %1 já existe (para substituí-lo, use --substituir)")
                         .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    // An interruption between creating the temporary file and naming it for the handler would
    // leave it behind: the signals wait until the handler knows it.
    auto bloqueio = std::make_unique<SinaisBloqueados>();
    ResultadoQt<std::unique_ptr<QTemporaryFile>> criado = CriarTemporarioPdf(info);
    if (!criado)
        return Falha(std::move(criado).error());
    const std::unique_ptr<QTemporaryFile> temporario = std::move(*criado);
    const GuardarArquivoEmCurso guarda(temporario->fileName());
    bloqueio.reset();

    Programa& p = *programa_;
    p.NomeCompleto = nome;
    p.NomeDigitado = nomeDigitado;
    p.DataNascimento = FormatarData(nascimento);
    {
        QPrinter pdf(QPrinter::HighResolution);
        PrepararPdf(pdf, pagina_, Cp1252ParaQString(p.NomeExibido()));
        pdf.setOutputFileName(temporario->fileName());
        const ResultadoImpressao r = ImprimirAnalise(p, pdf, Ligado(p.Configuracao.ImprimirFolhaRosto));
        if (!r)
            return Falha(r.error());
    }
    if (!PdfCompleto(temporario->fileName()))
        return Falha(QStringLiteral("o arquivo não foi gravado por inteiro (verifique se há espaço livre no "
                                    "disco da pasta %1)")
                         .arg(QDir::toNativeSeparators(info.absolutePath())));

    if (!ConcluirPdf(temporario->fileName(), info.absoluteFilePath(), substituir)) {
        if (!substituir && QFileInfo::exists(info.absoluteFilePath()))
            return Falha(QStringLiteral("o arquivo %1 já existe (para substituí-lo, use --substituir)")
                             .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
        return Falha(QStringLiteral("não foi possível dar ao arquivo o nome %1")
                         .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    }
    return {};
}

} // namespace oraculandia
