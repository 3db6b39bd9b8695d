// The name study from the main window: menu Arquivo, and the Clientes window for a client.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/qt/frmPrincipal.h"
#include "clientes/qt/cadastro_clientes.h"
#include "estudo/qt/frmEstudoNome.h"
#include "programa/qt/programa.h"

namespace oraculandia {

void frmPrincipal::mnuEstudoNome_Click() {
    InicioComumDasAcoes();
    AbrirEstudoNome(nullptr);
}

frmEstudoNome* frmPrincipal::AbrirEstudoNome(const Cliente* cliente) {
    auto* janela = new frmEstudoNome(programa_);
    QMdiSubWindow* sub = areaMdi_->addSubWindow(janela);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(frmEstudoNome::Titulo());
    // Shown before the client's spellings are read, so that a message about them has its window.
    const QSize area = areaMdi_->viewport()->size();
    sub->resize(std::min(area.width(), 860), std::min(area.height(), 680));
    sub->show();
    areaMdi_->setActiveSubWindow(sub);
    if (cliente != nullptr) {
        // The register was opened for the Clientes window; the study keeps the connection for as
        // long as it is open.
        janela->AbrirCliente(cadastro_, *cliente);
        sub->setWindowTitle(janela->windowTitle());
    }
    return janela;
}

} // namespace oraculandia
