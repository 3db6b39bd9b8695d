// Creating an analysis, showing it in a new viewer window, the font dialog.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>
#include <new>

#include "app/qt/frmConfiguraFonte.h"
#include "app/qt/frmEntraNome.h"
#include "app/qt/frmPrincipal.h"
#include "layout/percurso.h"
#include "layout/unidades.h"
#include "programa/qt/programa.h"
#include "viewer/qt/frmExibeRelatorio.h"

namespace oraculandia {

namespace {

// The viewer's page store as a page target: each new page is a fresh recorded page, up to the
// page limit (the walk then stops with FalhaPercurso::PaginasDemais).
class AlvoVisualizador : public AlvoPaginas {
public:
    AlvoVisualizador(frmExibeRelatorio& janela, int maximo) : janela_(janela), maximo_(maximo) {
        janela_.PreparaPictureBox(0);
    }
    SuperficieDesenho& Superficie() override { return janela_.picFolha(indice_); }
    bool AceitaNovaFolha() const override { return indice_ + 1 < maximo_; }
    void NovaFolha() override {
        ++indice_;
        janela_.PreparaPictureBox(indice_);
    }

private:
    frmExibeRelatorio& janela_;
    int maximo_;
    int indice_ = 0;
};

} // namespace

void frmPrincipal::cmdCriaAnalise_Click() {
    InicioComumDasAcoes();
    Programa& p = programa_;

    OferecerFecharAnaliseAtiva();

    QString nomeDigitado;
    bool incluir = true;
    {
        frmEntraNome dialogo(p, this);
        dialogo.exec();
        nomeDigitado = dialogo.TextoDoNome();
        incluir = dialogo.IncluirNoCadastro();
    }
    if (p.NomeCompleto == "Descartar")
        return;

    if (incluir)
        RegistrarAnalise(nomeDigitado);
    GerarAnalise();
}

void frmPrincipal::OferecerFecharAnaliseAtiva() {
    if (frmExibeRelatorio* janela = JanelaAtiva()) {
        const RespostaMensagem r = programa_.mensagens.Mostrar(
            this, QStringLiteral("Advertência:"),
            QStringLiteral(
                "Há uma análise sendo exibida atualmente. É aconselhável fechar esta análise antes de "
                "prosseguir com a criação de uma nova análise. Gostaria que o programa fechasse esta "
                "análise automaticamente antes de prosseguir com a criação desta nova análise?"),
            IconeMensagem::Pergunta, BotoesMensagem::SimNao);
        if (r == RespostaMensagem::Sim) {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(janela->parentWidget()))
                sub->close();
            else
                janela->close();
        }
    }
}

void frmPrincipal::GerarAnalise() {
    Programa& p = programa_;
    // The hourglass for the whole screen, cleared however the rendering ends.
    struct Ampulheta {
        Ampulheta() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~Ampulheta() { QApplication::restoreOverrideCursor(); }
    } ampulheta;
    p.ComporAnalise();
    if (Ligado(p.Configuracao.EscutarSons))
        p.sons.Tocar(p.Caminho("aguarda.wav"), true);
    ImprimirAnaliseNoMonitor();
}

void frmPrincipal::ImprimirAnaliseNoMonitor() {
    Programa& p = programa_;
    p.MargensImpressao = Margens{10, 5, 10, 5};
    constexpr float kLimiteTexto = 272;

    auto* janela = new frmExibeRelatorio(p);
    const float larguraPagina = janela->GetLarguraEmMm();
    connect(janela, &frmExibeRelatorio::StatusNavegacao, this, &frmPrincipal::DefinirStatus);
    connect(janela, &frmExibeRelatorio::MouseSobreJanela, this, &frmPrincipal::MouseSobreJanelaDeAnalise);

    Paginacao paginacao(p.ContextoPaginas(p.MargensImpressao));
    int paginas = 0;
    QString falha;
    try {
        AlvoVisualizador alvo(*janela, maximoPaginas_);
        const std::optional<SeusNumeros> seus = p.SeusNumerosDoRelatorio(p.Referencia());
        const Resultado<int, FalhaPercurso> desenhadas = ImprimirSecoes(
            alvo, paginacao, GeometriaPagina{larguraPagina, unidades::kAlturaPaginaMm, kLimiteTexto},
            p.SecoesDasPaginas(p.Referencia()), p.ComplementosDoRelatorio(), p.Configuracao, p.Fontes,
            seus ? &*seus : nullptr);
        if (desenhadas) {
            paginas = *desenhadas;
        } else { // FalhaPercurso::PaginasDemais, the only way a walk on the screen stops
            falha = QStringLiteral(
                        "Com as fontes escolhidas (texto em %1 pontos) esta análise passaria de %2 páginas, "
                        "e por isso não será exibida. Escolha fontes menores no botão de configuração das "
                        "fontes e crie a análise novamente.")
                        .arg(p.Fontes.FonteCorpo.Tamanho)
                        .arg(QLocale(QLocale::Portuguese, QLocale::Brazil).toString(maximoPaginas_));
        }
    } catch (const std::bad_alloc&) {
        falha = QStringLiteral("Não há memória suficiente para montar as páginas desta análise, e por isso "
                               "ela não será exibida. Feche outras análises ou outros programas e crie a "
                               "análise novamente.");
    }
    if (!falha.isEmpty()) {
        delete janela;
        p.sons.Parar(); // the waiting sound would otherwise loop on
        p.mensagens.Mostrar(this, QStringLiteral("Aviso:"), falha, IconeMensagem::Informacao,
                            BotoesMensagem::Ok);
        return;
    }
    numeroPagina_ = paginacao.NumeroPagina;
    fonteSalva_.Nome = paginacao.FonteSalva.Nome;
    fonteSalva_.Tamanho = paginacao.FonteSalva.Tamanho;
    fonteSalva_.Negrito = paginacao.FonteSalva.Negrito ? kLigado : kDesligado;
    fonteSalva_.Italico = paginacao.FonteSalva.Italico ? kLigado : kDesligado;

    janela->GravaDados(paginas, 1, p.DataNascimento, p.NomeCompleto, p.NomeDigitado);

    QMdiSubWindow* sub = areaMdi_->addSubWindow(janela);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(janela->windowTitle());
    // Each new analysis a little below and right of the one before, as large as the area allows.
    const int jaAbertas = static_cast<int>(areaMdi_->subWindowList().size()) - 1;
    const int deslocamento = 24 * (jaAbertas % 6);
    const QSize area = areaMdi_->viewport()->size();
    sub->setGeometry(deslocamento, deslocamento, std::max(320, area.width() - deslocamento),
                     std::max(240, area.height() - deslocamento));
    sub->show();
    areaMdi_->setActiveSubWindow(sub);
    janela->setFocus();
    DefinirStatus(janela->TextoStatus());
}

void frmPrincipal::cmdConfigurarFontes_Click() {
    InicioComumDasAcoes();
    DefinirOcupado(true);
    {
        frmConfiguraFonte dialogo(programa_, this);
        dialogo.exec();
    }
    DefinirOcupado(false);
}

} // namespace oraculandia
