#pragma once
// The main window: an MDI frame whose children are the analysis viewers. It owns the start-up
// sequence, the toolbar with its tips, the menus, the page buttons and status line at the
// bottom, the refusals shown when an action needs an analysis and none is open, and the three
// ways of ending the program (each of which saves the program settings exactly once).
//
// The handlers are split by concern over several files:
//   frmPrincipal.cpp            construction, layout, start-up, tips, page buttons, exit paths
//   frmPrincipal_menus.cpp      settings dialog, help question, about window, window arrangement
//   frmPrincipal_analise.cpp    creating an analysis, rendering it, the font dialog
//   frmPrincipal_impressao.cpp  printing, export, footer dialog, interpretation editor
//   frmPrincipal_clientes.cpp   the register of clients: its window, and each analysis recorded
//   frmPrincipal_estudo.cpp     the name study windows
//   frmPrincipal_consulta.cpp   the Previsões and Harmonia windows

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <utility>

#include "dados/fontes.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolButton;
class QWidget;

namespace oraculandia {

struct Programa;
class frmDicas;
class frmExibeRelatorio; // src/viewer/frmExibeRelatorio.h
class CadastroClientes;  // src/clientes/cadastro_clientes.h
class frmEstudoNome;     // src/estudo/qt/frmEstudoNome.h
struct Cliente;
struct VerificacaoCliente;

// preferencias.ini: "sim" once the numerologist was asked for the name and contacts of the footer.
inline constexpr const char* kChaveDadosNumerologoPedidos = "numerologo.dados_pedidos";

class frmPrincipal : public QMainWindow {
    Q_OBJECT

public:
    explicit frmPrincipal(Programa& programa, QWidget* pai = nullptr);
    ~frmPrincipal() override;

    // Start-up: busy pointer, fonts, settings, footer lines, caption, welcome sound, show, the
    // opening animation (skipped when `comAbertura` is false), printer orientation, pointer back.
    // With `pedirDadosDoNumerologo` (the program started by the user), a fresh install asks once
    // for the numerologist's name and contacts (PedirDadosDoNumerologo).
    void Iniciar(bool comAbertura, bool pedirDadosDoNumerologo = false);
    // While the footer is still the placeholder and it was never asked in this program folder
    // (preferencias.ini, kChaveDadosNumerologoPedidos): the header and footer dialog, with one
    // line saying why. Remembered as asked however the dialog is closed.
    void PedirDadosDoNumerologo();

    Programa& programa() { return programa_; }

    // The active viewer window, or nullptr when no analysis is shown.
    frmExibeRelatorio* JanelaAtiva() const;

    // Toolbar tip state. ApagaAjudaDoBotao only forgets the button; FecharDica closes the window.
    void ApagaAjudaDoBotao();
    void FecharDica();
    const QString& BotaoComAjuda() const { return botaoComAjuda_; }
    frmDicas* Dica() const;
    // The common start of every toolbar action: forget the tip's button and close the tip.
    void InicioComumDasAcoes();

    // The window's own busy pointer (not the application-wide one): while set, no tips appear.
    void DefinirOcupado(bool ocupado);
    bool Ocupado() const;

    // Reloads the header and footer lines from rodape.dat into the program state.
    void CarregaLinhasRodape();

    // Status line.
    void DefinirStatus(const QString& texto);
    void StatusInicial();
    // The status line for the window in front: the page of an analysis, the name study's line,
    // or the start text when no window is open.
    void StatusDaJanelaAtiva();
    static QString TextoStatusEstudo();
    QString Status() const;
    static QString TextoStatusInicial();

    // Mouse over a toolbar button (key as in the tip table), over the background / toolbar strip,
    // or over a viewer window or its page. Public so the viewer windows can report their part.
    void MouseSobreBotao(const QString& chave, QWidget* botao);
    void MouseSobreFundo();
    void MouseSobreJanelaDeAnalise();

    // Tip text of a toolbar key; empty for an unknown key.
    static QString TextoDaDica(const QString& chave);

    // Called when the program must end (after the settings were saved). By default it leaves
    // the application's event loop at once; tests replace it to observe the exit.
    void DefinirFimDoPrograma(std::function<void()> fim) { fimDoPrograma_ = std::move(fim); }

    // Page state of the layout, kept here for the monitor rendering.
    int NumeroPagina() const { return numeroPagina_; }
    const FonteTexto& FonteSalva() const { return fonteSalva_; }
    // Most pages the monitor rendering makes before it refuses the analysis with a message.
    // Recorded pages are small (a few hundred bytes each, under a second for the lot), and the
    // fonts the font dialog accepts (up to 200 points) stay well below it; a settings file with
    // larger sizes stops here. Tests lower it.
    static constexpr int kMaximoPaginas = 50000;
    int MaximoPaginas() const { return maximoPaginas_; }
    void DefinirMaximoPaginas(int maximo) { maximoPaginas_ = maximo; }

public slots:
    // Creating an analysis and showing it (frmPrincipal_analise.cpp).
    void cmdCriaAnalise_Click();
    void ImprimirAnaliseNoMonitor();
    void cmdConfigurarFontes_Click();

    // Printing, export, footer lines, interpretation editor (frmPrincipal_impressao.cpp).
    void cmdImprimir_Click();
    void cmdExportar_Click();
    void EnviarAnaliseParaAreaTransf();
    void mnuConfigurarRodape_Click();
    void mnuAlterarConteudoDasAnalises_Click();

    // The register of clients (frmPrincipal_clientes.cpp).
    void mnuClientes_Click();

    // The name study (frmPrincipal_estudo.cpp): a new study window, empty.
    void mnuEstudoNome_Click();

public:
    // Opens a study window in the area, for `cliente` of the register when given (its spellings
    // are kept there), empty otherwise. Returns the window.
    frmEstudoNome* AbrirEstudoNome(const Cliente* cliente);

public slots:

    // The shell's own handlers (frmPrincipal.cpp, frmPrincipal_menus.cpp).
    void cmdConfiguraPrograma_Click();
    void cmdAjuda_Click();
    void cmdSair_Click();
    void mnuEncerrar_Click();
    void mnuSobreEstePrograma_Click();
    void mnuJanelaLadoLado_Click();
    void mnuJanelaEmCascata_Click();
    void picAvanca_Click();
    void picVolta_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // The area of the child windows; tests reach it by its object name, "areaMdi".
    QMdiArea* areaMdi() const { return areaMdi_; }
    // Opens a Previsões (`harmonia` false) or Harmonia window in the area (frmPrincipal_consulta.cpp);
    // Previsões opened while an analysis window is active starts with that analysis' person.
    QWidget* AbrirConsulta(bool harmonia);
    // Lists the open windows at the end of the Janela menu (by their captions), the active one
    // checked; choosing one activates it.
    void ListarJanelas();
    void MontarBarraDeFerramentas();
    void MontarRodape();
    void MontarMenus();
    void PosicionarRodape();
    void MostrarDicaDoBotao(QWidget* botao, const QString& texto);
    void MostrarRecusaNavegacao();
    void DefinirOrientacaoDaImpressora();
    // The analysis windows that stick out of the area after it shrank are made smaller and
    // moved back inside, as far as their minimum size allows (frmPrincipal_menus.cpp).
    void ManterJanelasNaArea();
    // Saves the program settings once; reports a failure to save. Then ends the program.
    void SalvarEEncerrar();
    bool SalvarConfiguracaoUmaVez();
    // The creation sequence after the subject is known: hourglass, composition, waiting sound,
    // rendering into a new viewer.
    void GerarAnalise();
    // Offers to close the analysis being shown before a new one is created.
    void OferecerFecharAnaliseAtiva();
    // The register, opened on first use. nullptr when it cannot be used; the reason is shown
    // every time when `sempreAvisar`, otherwise only the first time in a run.
    CadastroClientes* Cadastro(bool sempreAvisar);
    // Records in the register the person of an analysis just created from the entry dialog.
    void RegistrarAnalise(const QString& nomeDigitado);
    void RegistrarAnalise(const VerificacaoCliente& cliente);

    Programa& programa_;
    QMdiArea* areaMdi_ = nullptr;
    QPointer<frmDicas> dica_;
    QString botaoComAjuda_;
    bool configuracaoSalva_ = false;
    bool encerrando_ = false;
    std::shared_ptr<CadastroClientes> cadastro_;

    // Toolbar, bottom strip and menus; tests reach them by their object names (the names below
    // without the underscore).
    QWidget* picMenu_ = nullptr;
    QToolButton* cmdCriaAnalise_ = nullptr;
    QToolButton* cmdImprimir_ = nullptr;
    QToolButton* cmdEstudoNome_ = nullptr;
    QToolButton* cmdConfigurarFontes_ = nullptr;
    QToolButton* cmdConfiguraPrograma_ = nullptr;
    QToolButton* cmdAjuda_ = nullptr;
    QToolButton* cmdExportar_ = nullptr;
    QToolButton* cmdSair_ = nullptr;
    QToolButton* cmdClientes_ = nullptr;
    QWidget* picRodape_ = nullptr;
    QToolButton* picVolta_ = nullptr;
    QLabel* lblInfoNavega_ = nullptr;
    QToolButton* picAvanca_ = nullptr;

    QMenu* mnuArquivo_ = nullptr;
    QAction* mnuClientes_ = nullptr;
    QAction* mnuEstudoNome_ = nullptr;
    QAction* mnuPrevisoes_ = nullptr;
    QAction* mnuHarmonia_ = nullptr;
    QAction* mnuConfigurarRodape_ = nullptr;
    QAction* mnuEncerrar_ = nullptr;
    QMenu* mnuJanela_ = nullptr;
    QAction* mnuNovaAnalise_ = nullptr;    // Ctrl+N
    QAction* mnuImprimir_ = nullptr;       // Ctrl+P
    QAction* mnuProximaJanela_ = nullptr;  // Ctrl+F6, Ctrl+Tab
    QAction* mnuJanelaAnterior_ = nullptr; // Ctrl+Shift+F6, Ctrl+Shift+Tab
    QList<QAction*> acoesJanelas_;
    QAction* mnuJanelaLadoLado_ = nullptr;
    QAction* mnuJanelaEmCascata_ = nullptr;
    QMenu* mnuAlterarNada_ = nullptr;
    QAction* mnuAlterarConteudoDasAnalises_ = nullptr;
    QMenu* mnuSobre_ = nullptr;
    QAction* mnuSobreEstePrograma_ = nullptr;

    std::function<void()> fimDoPrograma_;
    int numeroPagina_ = 0;
    FonteTexto fonteSalva_;
    int maximoPaginas_ = kMaximoPaginas;
};

} // namespace oraculandia
