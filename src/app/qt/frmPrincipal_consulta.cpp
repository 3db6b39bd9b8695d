// The consultation windows from the main window: menu Arquivo, Previsões and Harmonia, and the
// toolbar's print and export buttons with one of them in front.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/qt/consulta_ativa.h"
#include "app/qt/frmPrincipal.h"
#include "consulta/qt/frmHarmonia.h"
#include "consulta/qt/frmPrevisoes.h"
#include "layout/qt/cp1252_qt.h"
#include "programa/qt/programa.h"
#include "viewer/qt/frmExibeRelatorio.h"

namespace oraculandia {

bool AcaoNaConsultaAtiva(const QMdiArea* area, bool imprimir) {
    const QMdiSubWindow* sub = area ? area->currentSubWindow() : nullptr;
    if (sub == nullptr)
        return false;
    if (auto* p = qobject_cast<frmPrevisoes*>(sub->widget()); p && p->PrevisaoAtual()) {
        imprimir ? p->cmdImprimir_Click() : p->cmdCopiar_Click();
        return true;
    }
    if (auto* h = qobject_cast<frmHarmonia*>(sub->widget()); h && h->HarmoniaAtual()) {
        imprimir ? h->cmdImprimir_Click() : h->cmdCopiar_Click();
        return true;
    }
    return false;
}

QWidget* frmPrincipal::AbrirConsulta(bool harmonia) {
    InicioComumDasAcoes();
    // The person of the analysis in front, read before the new window takes the front.
    const frmExibeRelatorio* analise = JanelaAtiva();
    QWidget* janela = nullptr;
    QString titulo;
    auto cadastro = [this] { return Cadastro(true); };
    if (harmonia) {
        auto* h = new frmHarmonia(programa_);
        h->DefinirCadastro(cadastro);
        janela = h;
        titulo = frmHarmonia::Titulo();
    } else {
        auto* p = new frmPrevisoes(programa_);
        p->DefinirCadastro(cadastro);
        janela = p;
        titulo = frmPrevisoes::Titulo();
    }
    QMdiSubWindow* sub = areaMdi_->addSubWindow(janela);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(titulo);
    const QSize area = areaMdi_->viewport()->size();
    sub->resize(std::min(area.width(), 900), std::min(area.height(), 660));
    sub->show();
    areaMdi_->setActiveSubWindow(sub);
    if (!harmonia && analise != nullptr) {
        if (const auto data = LerDataNormalizada(analise->DataAnalisada())) {
            auto* p = static_cast<frmPrevisoes*>(janela);
            p->AbrirPessoa(Cp1252ParaQString(analise->NomeAnalisado()), *data);
            sub->setWindowTitle(p->windowTitle());
        }
    }
    return janela;
}

} // namespace oraculandia
