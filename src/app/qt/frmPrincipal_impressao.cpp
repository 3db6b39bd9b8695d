// The main window's printing, export to the clipboard, header and footer dialog and
// interpretation editor entries.
#include <QClipboard>
#include <QGuiApplication>
#include <exception>

#include "analysis/exportacao.h"
#include "app/qt/consulta_ativa.h"
#include "app/qt/frmConfiguraRodape.h"
#include "app/qt/frmPrincipal.h"
#include "app/qt/janela_ativa.h"
#include "editor/qt/frmSelecionaAlteracao.h"
#include "estudo/qt/frmEstudoNome.h"
#include "layout/qt/cp1252_qt.h"
#include "print/qt/frmImprimir.h"
#include "programa/qt/falhas.h"
#include "programa/qt/programa.h"
#include "viewer/qt/frmExibeRelatorio.h"

namespace oraculandia {

namespace {

// Keeps the main window's busy pointer for the life of a job, however the job ends.
class PonteiroOcupado {
public:
    explicit PonteiroOcupado(frmPrincipal& janela) : janela_(janela) { janela_.DefinirOcupado(true); }
    ~PonteiroOcupado() { janela_.DefinirOcupado(false); }
    PonteiroOcupado(const PonteiroOcupado&) = delete;
    PonteiroOcupado& operator=(const PonteiroOcupado&) = delete;

private:
    frmPrincipal& janela_;
};

// With a name study in front, the toolbar's print and export buttons act on it (its own
// "Imprimir..." and "Copiar"), once its date and birth name are filled in. True when it did.
bool AcaoNoEstudoAtivo(const QMdiArea* area, void (frmEstudoNome::*acao)()) {
    frmEstudoNome* estudo = EstudoDoNomeAtivo(area);
    if (estudo == nullptr || !estudo->Estudo()) {
        return false;
    }
    (estudo->*acao)();
    return true;
}

} // namespace

void frmPrincipal::cmdImprimir_Click() {
    InicioComumDasAcoes();
    const auto recusa = [this] {
        programa().mensagens.Mostrar(
            this, QStringLiteral("Informação:"),
            QStringLiteral("Para você poder imprimir uma análise é fundamental que exista uma "
                           "análise sendo exibida em seu monitor. Para isso, clique no primeiro "
                           "botão e crie uma análise. Depois clique novamente neste botão para "
                           "imprimir."),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
    };
    frmExibeRelatorio* janela = JanelaAtiva();
    if (janela == nullptr) {
        if (!AcaoNoEstudoAtivo(areaMdi(), &frmEstudoNome::cmdImprimir_Click) &&
            !AcaoNaConsultaAtiva(areaMdi(), true)) {
            recusa();
        }
        return;
    }
    // A failure of the steps below, inside the print dialog too, is told as what it is: an
    // analysis is on screen, so the refusal above does not apply.
    QString falha;
    {
        PonteiroOcupado ocupado(*this); // back to normal however the dialog ends
        try {
            janela->AjustaDadosNaMemoria();
            frmImprimir dialogo(programa(), programa().impressao, this);
            dialogo.exec();
            if (dialogo.Falhou())
                falha = dialogo.Falha();
        } catch (...) {
            falha = MensagemFalhaAtual(QStringLiteral("preparar a impressão da análise"));
        }
    }
    if (!falha.isEmpty())
        programa().mensagens.Mostrar(this, QStringLiteral("Erro:"), falha, IconeMensagem::Critico,
                                     BotoesMensagem::Ok);
}

void frmPrincipal::cmdExportar_Click() {
    InicioComumDasAcoes();
    const auto recusa = [this] {
        programa().mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Para que você possa exportar uma análise é necessário que você a tenha "
                           "gerada antes. Para isso, clique sobre o primeiro botão, crie uma "
                           "análise e então repita a operação."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
    };
    frmExibeRelatorio* janela = JanelaAtiva();
    if (janela == nullptr) {
        if (!AcaoNoEstudoAtivo(areaMdi(), &frmEstudoNome::cmdCopiar_Click) &&
            !AcaoNaConsultaAtiva(areaMdi(), false)) {
            recusa();
        }
        return;
    }
    bool ok = false;
    QString falha;
    {
        // The pointer comes back whatever happens below.
        PonteiroOcupado ocupado(*this);
        try {
            janela->AjustaDadosNaMemoria();
            programa().ComporAnalise();
            EnviarAnaliseParaAreaTransf();
            const std::string esperado = programa().TextoDaExportacao();
            ok = QGuiApplication::clipboard()->text() == Cp1252ParaQString(esperado);
        } catch (...) {
            // Told as what it is: an analysis is on screen, so the refusal below does not apply.
            falha = MensagemFalhaAtual(QStringLiteral("exportar a análise"));
        }
    }
    if (!falha.isEmpty()) {
        programa().mensagens.Mostrar(this, QStringLiteral("Erro:"), falha, IconeMensagem::Critico,
                                     BotoesMensagem::Ok);
        return;
    }
    if (!ok) {
        recusa();
        return;
    }
    programa().mensagens.Mostrar(
        this, QStringLiteral("Importante:"),
        QStringLiteral("O texto da análise atualmente exibida em seu monitor foi copiado para a "
                       "área de transferência do seu computador. Para transportá-la para qualquer "
                       "editor de textos (ex. Word), primeiro inicie o programa, crie um novo "
                       "documento em branco e então pressione CTRL + V ou se preferir utilize a "
                       "opção Editar -> Colar no menu do programa."),
        IconeMensagem::Informacao, BotoesMensagem::Ok);
}

void frmPrincipal::EnviarAnaliseParaAreaTransf() {
    const std::string texto = programa().TextoDaExportacao();
    QClipboard* area = QGuiApplication::clipboard();
    area->clear();
    area->setText(Cp1252ParaQString(texto), QClipboard::Clipboard);
}

void frmPrincipal::mnuConfigurarRodape_Click() {
    InicioComumDasAcoes();
    {
        frmConfiguraRodape dialogo(programa(), this);
        dialogo.exec();
    }
    CarregaLinhasRodape();
}

void frmPrincipal::mnuAlterarConteudoDasAnalises_Click() {
    InicioComumDasAcoes();
    frmSelecionaAlteracao dialogo(programa(), this);
    dialogo.exec();
}

} // namespace oraculandia
