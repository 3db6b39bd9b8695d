#include "app/qt/frmPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageLayout>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/qt/arquivos_iniciais.h"
#include "app/qt/frmConfiguraRodape.h"
#include "app/qt/frmDicas.h"
#include "app/qt/frmEntrada.h"
#include "app/qt/janela_ativa.h"
#include "dados/preferencias.h"
#include "dados/rodape.h"
#include "layout/unidades.h"
#include "programa/qt/falhas.h"
#include "programa/qt/programa.h"
#include "viewer/qt/frmExibeRelatorio.h"

namespace oraculandia {

namespace {

// Windows are measured in twips (layout/unidades.h).
using unidades::kTwipsPorPixel;
int Pixels(double twips) {
    return unidades::PixelsDeTwips(twips);
}

constexpr int kAlturaBarraTwips = 735;
constexpr int kAlturaRodapeTwips = 465;
constexpr int kLarguraBotaoTwips = 645;
constexpr int kAlturaBotaoTwips = 600;
constexpr int kTopoBotaoTwips = 45;
constexpr int kPassoBotaoTwips = 720;

// Offsets of a tip from the main window's corner plus the button's corner.
constexpr int kDicaDeslocamentoXTwips = 120;
constexpr int kDicaDeslocamentoYTwips = 1380;
constexpr int kDicaMargemDireitaTwips = 200;

const char* const kPropriedadeChave = "chaveDaDica";

} // namespace

frmPrincipal::frmPrincipal(Programa& programa, QWidget* pai) : QMainWindow(pai), programa_(programa) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowIcon(QIcon(QStringLiteral(":/imagens/icone.svg")));
    fimDoPrograma_ = [] { QCoreApplication::exit(0); };

    auto* central = new QWidget(this);
    auto* coluna = new QVBoxLayout(central);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);

    MontarBarraDeFerramentas();
    areaMdi_ = new QMdiArea(central);
    areaMdi_->setObjectName(QStringLiteral("areaMdi"));
    areaMdi_->setBackground(QColor(0x6f, 0x6a, 0x86));
    areaMdi_->viewport()->setMouseTracking(true);
    areaMdi_->viewport()->installEventFilter(this);
    // An analysis window larger than the area (the main window made small) stays reachable.
    areaMdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    areaMdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The status line speaks of the window in front, as the page buttons act on it.
    connect(areaMdi_, &QMdiArea::subWindowActivated, this, [this] { StatusDaJanelaAtiva(); });
    MontarRodape();

    picMenu_->setParent(central);
    picRodape_->setParent(central);
    coluna->addWidget(picMenu_);
    coluna->addWidget(areaMdi_, 1);
    coluna->addWidget(picRodape_);
    setCentralWidget(central);

    MontarMenus();
    StatusInicial();
    resize(800, 600);
}

frmPrincipal::~frmPrincipal() {
    if (dica_)
        delete dica_.data();
}

void frmPrincipal::MontarBarraDeFerramentas() {
    picMenu_ = new QWidget(this);
    picMenu_->setObjectName(QStringLiteral("picMenu"));
    picMenu_->setFixedHeight(Pixels(kAlturaBarraTwips));
    picMenu_->setAutoFillBackground(true);
    picMenu_->setMouseTracking(true);
    picMenu_->installEventFilter(this);

    struct Botao {
        QToolButton** membro;
        const char* nome;
        const char* chave;
        const char* imagem;
        const char* descricao;
        void (frmPrincipal::*acao)();
    };
    const Botao botoes[] = {
        {&cmdCriaAnalise_, "cmdCriaAnalise", "Criar", "botao_criar", "Criar análise",
         &frmPrincipal::cmdCriaAnalise_Click},
        {&cmdImprimir_, "cmdImprimir", "Imprimir", "botao_imprimir", "Imprimir",
         &frmPrincipal::cmdImprimir_Click},
        {&cmdConfigurarFontes_, "cmdConfigurarFontes", "Fontes", "botao_fontes", "Fontes",
         &frmPrincipal::cmdConfigurarFontes_Click},
        {&cmdConfiguraPrograma_, "cmdConfiguraPrograma", "ConfigPrograma", "botao_configurar",
         "Configurar o programa", &frmPrincipal::cmdConfiguraPrograma_Click},
        {&cmdAjuda_, "cmdAjuda", "Ajuda", "botao_ajuda", "Ajuda", &frmPrincipal::cmdAjuda_Click},
        {&cmdExportar_, "cmdExportar", "Exportar", "botao_exportar", "Exportar",
         &frmPrincipal::cmdExportar_Click},
        // After the six buttons of the program's first versions, which keep their places; "Sair"
        // stays the last one.
        {&cmdClientes_, "cmdClientes", "Clientes", "botao_clientes", "Clientes",
         &frmPrincipal::mnuClientes_Click},
        {&cmdEstudoNome_, "cmdEstudoNome", "Estudo", "botao_estudo", "Estudo do nome",
         &frmPrincipal::mnuEstudoNome_Click},
        {&cmdSair_, "cmdSair", "Sair", "botao_sair", "Sair", &frmPrincipal::cmdSair_Click},
    };
    int k = 0;
    for (const Botao& b : botoes) {
        auto* botao = new QToolButton(picMenu_);
        botao->setObjectName(QString::fromLatin1(b.nome));
        botao->setProperty(kPropriedadeChave, QString::fromLatin1(b.chave));
        botao->setAccessibleName(QString::fromUtf8(b.descricao));
        botao->setIcon(QIcon(QStringLiteral(":/imagens/%1.svg").arg(QString::fromLatin1(b.imagem))));
        botao->setIconSize(QSize(32, 32));
        botao->setFocusPolicy(Qt::NoFocus);
        botao->setGeometry(Pixels(kTopoBotaoTwips + kPassoBotaoTwips * k), Pixels(kTopoBotaoTwips),
                           Pixels(kLarguraBotaoTwips), Pixels(kAlturaBotaoTwips));
        botao->setMouseTracking(true);
        botao->installEventFilter(this);
        connect(botao, &QToolButton::clicked, this, b.acao);
        *b.membro = botao;
        ++k;
    }
}

void frmPrincipal::MontarRodape() {
    picRodape_ = new QWidget(this);
    picRodape_->setObjectName(QStringLiteral("picRodape"));
    picRodape_->setFixedHeight(Pixels(kAlturaRodapeTwips));
    picRodape_->setAutoFillBackground(true);
    picRodape_->installEventFilter(this); // its resize places the arrows and the status line

    picVolta_ = new QToolButton(picRodape_);
    picVolta_->setObjectName(QStringLiteral("picVolta"));
    picVolta_->setAccessibleName(QStringLiteral("Página anterior"));
    picVolta_->setIcon(QIcon(QStringLiteral(":/imagens/seta_volta.svg")));
    picVolta_->setFocusPolicy(Qt::NoFocus);
    connect(picVolta_, &QToolButton::clicked, this, &frmPrincipal::picVolta_Click);

    lblInfoNavega_ = new QLabel(picRodape_);
    lblInfoNavega_->setObjectName(QStringLiteral("lblInfoNavega"));
    lblInfoNavega_->setAlignment(Qt::AlignCenter);
    lblInfoNavega_->setTextFormat(Qt::PlainText);
    lblInfoNavega_->setFrameShape(QFrame::StyledPanel);
    lblInfoNavega_->setFrameShadow(QFrame::Sunken);
    QFont fonte = lblInfoNavega_->font();
    fonte.setBold(true);
    lblInfoNavega_->setFont(fonte);

    picAvanca_ = new QToolButton(picRodape_);
    picAvanca_->setObjectName(QStringLiteral("picAvanca"));
    picAvanca_->setAccessibleName(QStringLiteral("Próxima página"));
    picAvanca_->setIcon(QIcon(QStringLiteral(":/imagens/seta_avanca.svg")));
    picAvanca_->setFocusPolicy(Qt::NoFocus);
    connect(picAvanca_, &QToolButton::clicked, this, &frmPrincipal::picAvanca_Click);
}

void frmPrincipal::MontarMenus() {
    QMenuBar* barra = menuBar();
    mnuArquivo_ = barra->addMenu(QStringLiteral("&Arquivo"));
    mnuArquivo_->setObjectName(QStringLiteral("mnuArquivo"));
    mnuNovaAnalise_ = mnuArquivo_->addAction(QStringLiteral("&Nova Análise..."));
    mnuNovaAnalise_->setObjectName(QStringLiteral("mnuNovaAnalise"));
    mnuNovaAnalise_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuImprimir_ = mnuArquivo_->addAction(QStringLiteral("&Imprimir..."));
    mnuImprimir_->setObjectName(QStringLiteral("mnuImprimir"));
    mnuImprimir_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuArquivo_->addSeparator();
    mnuClientes_ = mnuArquivo_->addAction(QStringLiteral("&Clientes..."));
    mnuClientes_->setObjectName(QStringLiteral("mnuClientes"));
    mnuClientes_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuEstudoNome_ = mnuArquivo_->addAction(QStringLiteral("&Estudo do Nome..."));
    mnuEstudoNome_->setObjectName(QStringLiteral("mnuEstudoNome"));
    mnuEstudoNome_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuPrevisoes_ = mnuArquivo_->addAction(QStringLiteral("&Previsões..."));
    mnuPrevisoes_->setObjectName(QStringLiteral("mnuPrevisoes"));
    mnuPrevisoes_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    mnuHarmonia_ = mnuArquivo_->addAction(QStringLiteral("&Harmonia..."));
    mnuHarmonia_->setObjectName(QStringLiteral("mnuHarmonia"));
    mnuHarmonia_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    mnuConfigurarRodape_ = mnuArquivo_->addAction(QStringLiteral("Configurar Ca&beçalho e Rodapé"));
    mnuConfigurarRodape_->setObjectName(QStringLiteral("mnuConfigurarRodape"));
    QAction* mnuNulo = mnuArquivo_->addSeparator();
    mnuNulo->setObjectName(QStringLiteral("mnuNulo"));
    mnuEncerrar_ = mnuArquivo_->addAction(QStringLiteral("Encerra&r Programa"));
    mnuEncerrar_->setObjectName(QStringLiteral("mnuEncerrar"));

    mnuJanela_ = barra->addMenu(QStringLiteral("&Janela"));
    mnuJanela_->setObjectName(QStringLiteral("mnuJanela"));
    mnuJanelaLadoLado_ = mnuJanela_->addAction(QStringLiteral("Organizar &Lado a Lado"));
    mnuJanelaLadoLado_->setObjectName(QStringLiteral("mnuJanelaLadoLado"));
    mnuJanelaEmCascata_ = mnuJanela_->addAction(QStringLiteral("Organizar em &Cascata"));
    mnuJanelaEmCascata_->setObjectName(QStringLiteral("mnuJanelaEmCascata"));

    mnuAlterarNada_ = barra->addMenu(QStringLiteral("A&lterar"));
    mnuAlterarNada_->setObjectName(QStringLiteral("mnuAlterarNada"));
    mnuAlterarConteudoDasAnalises_ = mnuAlterarNada_->addAction(QStringLiteral("&Conteúdo das Análises"));
    mnuAlterarConteudoDasAnalises_->setObjectName(QStringLiteral("mnuAlterarConteudoDasAnalises"));

    mnuSobre_ = barra->addMenu(QStringLiteral("&Sobre"));
    mnuSobre_->setObjectName(QStringLiteral("mnuSobre"));
    mnuSobreEstePrograma_ = mnuSobre_->addAction(QStringLiteral("Sobre &este Programa"));
    mnuSobreEstePrograma_->setObjectName(QStringLiteral("mnuSobreEstePrograma"));

    connect(mnuNovaAnalise_, &QAction::triggered, this, &frmPrincipal::cmdCriaAnalise_Click);
    connect(mnuImprimir_, &QAction::triggered, this, &frmPrincipal::cmdImprimir_Click);
    connect(mnuClientes_, &QAction::triggered, this, &frmPrincipal::mnuClientes_Click);
    connect(mnuEstudoNome_, &QAction::triggered, this, &frmPrincipal::mnuEstudoNome_Click);
    connect(mnuPrevisoes_, &QAction::triggered, this, [this] { AbrirConsulta(false); });
    connect(mnuHarmonia_, &QAction::triggered, this, [this] { AbrirConsulta(true); });
    connect(mnuConfigurarRodape_, &QAction::triggered, this, &frmPrincipal::mnuConfigurarRodape_Click);
    connect(mnuEncerrar_, &QAction::triggered, this, &frmPrincipal::mnuEncerrar_Click);
    connect(mnuJanelaLadoLado_, &QAction::triggered, this, &frmPrincipal::mnuJanelaLadoLado_Click);
    connect(mnuJanelaEmCascata_, &QAction::triggered, this, &frmPrincipal::mnuJanelaEmCascata_Click);
    connect(mnuAlterarConteudoDasAnalises_, &QAction::triggered, this,
            &frmPrincipal::mnuAlterarConteudoDasAnalises_Click);
    connect(mnuSobreEstePrograma_, &QAction::triggered, this, &frmPrincipal::mnuSobreEstePrograma_Click);

    // The open windows, listed when the menu opens; Ctrl+F6 and Ctrl+Tab go to the next one
    // (with Shift, to the one before).
    mnuJanela_->addSeparator();
    connect(mnuJanela_, &QMenu::aboutToShow, this, &frmPrincipal::ListarJanelas);
    mnuProximaJanela_ = new QAction(QStringLiteral("Próxima Janela"), this);
    mnuProximaJanela_->setObjectName(QStringLiteral("mnuProximaJanela"));
    mnuProximaJanela_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    mnuProximaJanela_->setShortcutContext(Qt::ApplicationShortcut);
    connect(mnuProximaJanela_, &QAction::triggered, areaMdi_, &QMdiArea::activateNextSubWindow);
    addAction(mnuProximaJanela_);
    mnuJanelaAnterior_ = new QAction(QStringLiteral("Janela Anterior"), this);
    mnuJanelaAnterior_->setObjectName(QStringLiteral("mnuJanelaAnterior"));
    mnuJanelaAnterior_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    mnuJanelaAnterior_->setShortcutContext(Qt::ApplicationShortcut);
    connect(mnuJanelaAnterior_, &QAction::triggered, areaMdi_, &QMdiArea::activatePreviousSubWindow);
    addAction(mnuJanelaAnterior_);
}

void frmPrincipal::ListarJanelas() {
    for (QAction* a : std::as_const(acoesJanelas_)) {
        mnuJanela_->removeAction(a);
        a->deleteLater();
    }
    acoesJanelas_.clear();
    const QList<QMdiSubWindow*> janelas = areaMdi_->subWindowList();
    int n = 0;
    for (QMdiSubWindow* sub : janelas) {
        ++n;
        const QString rotulo = n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(sub->windowTitle())
                                      : QStringLiteral("%1 %2").arg(n).arg(sub->windowTitle());
        QAction* a = mnuJanela_->addAction(rotulo);
        a->setCheckable(true);
        a->setChecked(sub == areaMdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                areaMdi_->setActiveSubWindow(sub);
        });
        acoesJanelas_.append(a);
    }
}

// ---- Start-up ---------------------------------------------------------------------------------

void frmPrincipal::Iniciar(bool comAbertura, bool pedirDadosDoNumerologo) {
    DefinirOcupado(true);
    // A file that cannot be read leaves its defaults for this run and is never written over
    // (reported below, once the window is up). A settings file that cannot be created
    // (read-only folder) leaves the defaults too; that is reported when the settings are saved.
    EstadoArquivo estado = EstadoArquivo::Lido;
    programa_.Fontes = CarregaFontes(programa_.PastaPrograma, &estado);
    programa_.AnotarLeitura(kArquivoFontes, estado);
    programa_.Configuracao = CarregarConfiguracao(programa_.PastaPrograma, &estado);
    programa_.AnotarLeitura(kArquivoConfiguracao, estado);
    CarregaLinhasRodape();
    programa_.PreferenciasPrograma = CarregarPreferencias(programa_.PastaPrograma, &estado);
    programa_.AnotarLeitura(kArquivoPreferencias, estado);
    setWindowTitle(QStringLiteral("Oraculandia Comercial"));
    programa_.sons.Tocar(programa_.Caminho("welcomeb.wav"), false);
    show();
    if (comAbertura) {
        frmEntrada entrada(this);
        entrada.exec();
    }
    DefinirOrientacaoDaImpressora();
    DefinirOcupado(false);
    AvisarArquivosDaPasta(programa_, this);
    if (pedirDadosDoNumerologo)
        PedirDadosDoNumerologo();
}

void frmPrincipal::PedirDadosDoNumerologo() {
    if (!RodapeProvisorio(programa_.Rodape) || programa_.Ilegivel(kArquivoRodape))
        return;
    // A settings file that cannot be read cannot remember the question either: not asked then,
    // rather than at every start.
    EstadoArquivo estado = EstadoArquivo::Lido;
    Preferencias preferencias = CarregarPreferencias(programa_.PastaPrograma, &estado);
    if (estado == EstadoArquivo::Ilegivel || preferencias.Chave(kChaveDadosNumerologoPedidos, false))
        return;
    preferencias.DefinirChave(kChaveDadosNumerologoPedidos, true);
    SalvarPreferencias(programa_.PastaPrograma, preferencias);
    {
        frmConfiguraRodape dialogo(programa(), this);
        dialogo.MostrarMotivo(QStringLiteral(
            "Estas linhas saem em todas as páginas das análises que você entrega: informe o seu nome e "
            "os seus contatos, para que os seus clientes saibam como encontrar você."));
        dialogo.exec();
    }
    CarregaLinhasRodape();
}

void frmPrincipal::DefinirOrientacaoDaImpressora() {
    // Portrait for the default printer, kept by the print services so that the printer of every
    // print job (made afresh for each job) and the print dialog's page carry it. No printer
    // installed is normal: nothing to do then. A failure of the platform is told, and the
    // program goes on without the setting.
    try {
        ServicosImpressao& servicos = programa_.impressao;
        if (servicos.HaImpressora())
            servicos.DefinirOrientacao(QPageLayout::Portrait);
    } catch (...) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Aviso:"),
            QStringLiteral("Não foi possível preparar a impressora padrão: %1. O programa continua, "
                           "e as impressões usarão a orientação que a impressora tiver.")
                .arg(FalhaAtual(QStringLiteral("faltou memória"),
                                QStringLiteral("ocorreu um erro inesperado"))),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
    }
}

void frmPrincipal::CarregaLinhasRodape() {
    EstadoArquivo estado = EstadoArquivo::Lido;
    programa_.Rodape = oraculandia::CarregaLinhasRodape(programa_.PastaPrograma, &estado);
    programa_.AnotarLeitura(kArquivoRodape, estado);
}

// ---- Status line, busy pointer ------------------------------------------------------------------

QString frmPrincipal::TextoStatusInicial() {
    return frmExibeRelatorio::TextoStatusInicial();
}

void frmPrincipal::DefinirStatus(const QString& texto) {
    lblInfoNavega_->setText(texto);
}
void frmPrincipal::StatusInicial() {
    DefinirStatus(TextoStatusInicial());
}
QString frmPrincipal::TextoStatusEstudo() {
    return QStringLiteral("Estudo do Nome em exibição: para navegar nas páginas, clique numa análise.");
}
void frmPrincipal::StatusDaJanelaAtiva() {
    // The current child, not the argument of the signal: that is empty while the program is not
    // the active application, and the line must not change then.
    if (frmExibeRelatorio* janela = JanelaAtiva())
        DefinirStatus(janela->TextoStatus());
    else if (EstudoDoNomeAtivo(areaMdi_))
        DefinirStatus(TextoStatusEstudo());
    else if (areaMdi_->subWindowList().isEmpty())
        StatusInicial();
}
QString frmPrincipal::Status() const {
    return lblInfoNavega_->text();
}

void frmPrincipal::DefinirOcupado(bool ocupado) {
    if (ocupado)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

bool frmPrincipal::Ocupado() const {
    return testAttribute(Qt::WA_SetCursor) && cursor().shape() == Qt::WaitCursor;
}

// ---- Layout -------------------------------------------------------------------------------------

void frmPrincipal::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    PosicionarRodape();
}

void frmPrincipal::PosicionarRodape() {
    // Proportions of the window's width: the status line in the middle 80%, the arrows at the
    // ends, 7% each.
    const double W = picRodape_->width();
    const int altura = picRodape_->height();
    const int margem = 2;
    auto px = [](double v) { return static_cast<int>(std::nearbyint(v)); };
    lblInfoNavega_->setGeometry(px(0.10 * W), margem, px(0.80 * W), altura - 2 * margem);
    picVolta_->setGeometry(px(0.01 * W), margem, px(0.07 * W), altura - 2 * margem);
    picAvanca_->setGeometry(px(0.91 * W), margem, px(0.07 * W), altura - 2 * margem);
    const int lado = qMax(8, qMin(altura - 2 * margem - 4, px(0.07 * W) - 4));
    picVolta_->setIconSize(QSize(lado, lado));
    picAvanca_->setIconSize(QSize(lado, lado));
}

// ---- Tips ---------------------------------------------------------------------------------------

QString frmPrincipal::TextoDaDica(const QString& chave) {
    if (chave == QLatin1String("Criar"))
        return QStringLiteral("Este botão gera a análise numerológica de uma pessoa.");
    if (chave == QLatin1String("Imprimir"))
        return QStringLiteral("Utilize este botão para imprimir a análise atual na impressora.");
    if (chave == QLatin1String("Fontes"))
        return QStringLiteral("Configurar a fonte dos textos exibidos na análise.");
    if (chave == QLatin1String("ConfigPrograma"))
        return QStringLiteral("Selecionar os números a serem calculados pelo programa.");
    if (chave == QLatin1String("Ajuda"))
        return QStringLiteral("Abrir uma janela da internet com a ajuda deste programa.");
    if (chave == QLatin1String("Exportar"))
        return QStringLiteral("Cria uma cópia da análise atual na área de transferência.");
    if (chave == QLatin1String("Sair"))
        return QStringLiteral("Este botão finaliza o programa de Oraculandia.");
    if (chave == QLatin1String("Clientes"))
        return QStringLiteral("Abrir o cadastro de clientes e criar a análise de um deles.");
    if (chave == QLatin1String("Estudo"))
        return QStringLiteral("Comparar as grafias de um nome: os números de cada uma, letra a letra.");
    return {};
}

frmDicas* frmPrincipal::Dica() const {
    return dica_ && dica_->isVisible() ? dica_.data() : nullptr;
}

void frmPrincipal::ApagaAjudaDoBotao() {
    botaoComAjuda_ = QStringLiteral("Nenhum");
}

void frmPrincipal::FecharDica() {
    if (dica_)
        dica_->close();
}

void frmPrincipal::InicioComumDasAcoes() {
    ApagaAjudaDoBotao();
    FecharDica();
}

void frmPrincipal::MouseSobreBotao(const QString& chave, QWidget* botao) {
    if (Ocupado())
        return;
    if (chave != botaoComAjuda_) {
        const QString texto = TextoDaDica(chave);
        if (!texto.isEmpty())
            MostrarDicaDoBotao(botao, texto);
    }
    botaoComAjuda_ = chave;
}

void frmPrincipal::MouseSobreFundo() {
    botaoComAjuda_ = QStringLiteral("Nenhum");
    FecharDica();
}

void frmPrincipal::MouseSobreJanelaDeAnalise() {
    ApagaAjudaDoBotao();
    FecharDica();
}

void frmPrincipal::MostrarDicaDoBotao(QWidget* botao, const QString& texto) {
    if (!dica_)
        dica_ = new frmDicas(); // one tip window, hidden when closed, owned by this window
    dica_->DefinirTexto(texto);

    // Positions in twips, as the window system of the original layout counts them.
    const QPoint canto = frameGeometry().topLeft();
    const QPoint botaoNaBarra = botao->mapTo(picMenu_, QPoint(0, 0));
    double esquerda = (canto.x() + botaoNaBarra.x()) * kTwipsPorPixel + kDicaDeslocamentoXTwips;
    const double topo = (canto.y() + botaoNaBarra.y()) * kTwipsPorPixel + kDicaDeslocamentoYTwips;
    const double largura = dica_->width() * kTwipsPorPixel;
    QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->geometry() : QRect(0, 0, 1024, 768);
    const double larguraTela = (area.x() + area.width()) * kTwipsPorPixel;
    if (esquerda + largura > larguraTela)
        esquerda = larguraTela - largura - kDicaMargemDireitaTwips;
    dica_->move(Pixels(esquerda), Pixels(topo));
    dica_->show();
}

bool frmPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (objeto == picRodape_ && tipo == QEvent::Resize)
        PosicionarRodape();
    if (areaMdi_ != nullptr && objeto == areaMdi_->viewport() && tipo == QEvent::Resize)
        ManterJanelasNaArea();
    // Only real mouse moves count: a button that finds itself under a still pointer (a dialog
    // closing over it) shows no tip.
    if (tipo == QEvent::MouseMove) {
        const QVariant chave = objeto->property(kPropriedadeChave);
        if (chave.isValid() && objeto->isWidgetType()) {
            MouseSobreBotao(chave.toString(), static_cast<QWidget*>(objeto));
        } else if (objeto == picMenu_ || objeto == areaMdi_->viewport()) {
            // A move that a child (a button, a viewer) ignored reaches its parent too; only a
            // move over the bare strip or background counts.
            auto* fundo = static_cast<QWidget*>(objeto);
            const auto* movimento = static_cast<QMouseEvent*>(evento);
            if (fundo->childAt(movimento->position().toPoint()) == nullptr)
                MouseSobreFundo();
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

// ---- Page buttons -------------------------------------------------------------------------------

frmExibeRelatorio* frmPrincipal::JanelaAtiva() const {
    return JanelaDeAnaliseAtiva(areaMdi_);
}

void frmPrincipal::MostrarRecusaNavegacao() {
    programa_.mensagens.Mostrar(
        this, QStringLiteral("Importante:"),
        QStringLiteral("Para você poder navegar é fundamental que exista uma análise sendo exibida "
                       "na tela de seu computador. Crie uma análise clicando no primeiro botão do "
                       "menu e então este botão de navegação funcionará."),
        IconeMensagem::Informacao, BotoesMensagem::Ok);
}

void frmPrincipal::picAvanca_Click() {
    if (!MudarPaginaDaJanelaAtiva(*this, +1))
        MostrarRecusaNavegacao();
}

void frmPrincipal::picVolta_Click() {
    if (!MudarPaginaDaJanelaAtiva(*this, -1))
        MostrarRecusaNavegacao();
}

// ---- Ending the program -------------------------------------------------------------------------

bool frmPrincipal::SalvarConfiguracaoUmaVez() {
    if (configuracaoSalva_)
        return true;
    configuracaoSalva_ = true;
    // preferencias.ini: the keys changed in this run, never over a file that could not be read.
    if (!programa_.PreferenciasPrograma.Alteradas().empty() && !programa_.Ilegivel(kArquivoPreferencias) &&
        !SalvarPreferencias(programa_.PastaPrograma, programa_.PreferenciasPrograma))
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível salvar as preferências do programa no arquivo "
                           "preferencias.ini da pasta do programa (a pasta pode estar protegida contra "
                           "gravação). As alterações feitas agora nas seções do bloco cármico e dos "
                           "números mestres serão perdidas."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
    // A settings file that could not be read is not written over: the user was told at start.
    if (programa_.Ilegivel(kArquivoConfiguracao))
        return true;
    if (SalvarConfiguracao(programa_.PastaPrograma, programa_.Configuracao))
        return true;
    programa_.mensagens.Mostrar(
        this, QStringLiteral("Erro:"),
        QStringLiteral("Não foi possível salvar as configurações do programa no arquivo "
                       "oraculandia.dat da pasta do programa (a pasta pode estar protegida contra "
                       "gravação). As alterações de configuração feitas agora serão perdidas."),
        IconeMensagem::Critico, BotoesMensagem::Ok);
    return false;
}

void frmPrincipal::SalvarEEncerrar() {
    SalvarConfiguracaoUmaVez();
    encerrando_ = true;
    FecharDica();
    if (fimDoPrograma_)
        fimDoPrograma_();
}

void frmPrincipal::cmdSair_Click() {
    InicioComumDasAcoes();
    const RespostaMensagem r =
        programa_.mensagens.Mostrar(this, QStringLiteral("Oraculandia:"),
                                    QStringLiteral("Está certo de que deseja encerrar este programa agora?"),
                                    IconeMensagem::Pergunta, BotoesMensagem::SimNao);
    if (r == RespostaMensagem::Sim)
        SalvarEEncerrar();
}

void frmPrincipal::mnuEncerrar_Click() {
    SalvarEEncerrar();
}

void frmPrincipal::closeEvent(QCloseEvent* evento) {
    // The close is never refused; the viewers go with the main window.
    if (!encerrando_) {
        FecharDica();
        SalvarConfiguracaoUmaVez();
        encerrando_ = true;
    }
    evento->accept();
}

} // namespace oraculandia
