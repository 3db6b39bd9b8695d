// Printing, export to the clipboard, the header and footer dialog, the interpretation editor.
// Provisional bodies: only the refusals shown while no analysis is open.
#include <QMdiArea>

#include "app/qt/frmPrincipal.h"
#include "app/qt/programa.h"

namespace oraculandia {

void frmPrincipal::cmdImprimir_Click() {
    InicioComumDasAcoes();
    if (areaMdi()->currentSubWindow() == nullptr) {
        programa().mensagens.Mostrar(
            this, QStringLiteral("Informação:"),
            QStringLiteral("Para você poder imprimir uma análise é fundamental que exista uma "
                           "análise sendo exibida em seu monitor. Para isso, clique no primeiro "
                           "botão e crie uma análise. Depois clique novamente neste botão para "
                           "imprimir."),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
    }
}

void frmPrincipal::cmdExportar_Click() {
    InicioComumDasAcoes();
    if (areaMdi()->currentSubWindow() == nullptr) {
        programa().mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Para que você possa exportar uma análise é necessário que você a tenha "
                           "gerada antes. Para isso, clique sobre o primeiro botão, crie uma "
                           "análise e então repita a operação."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
    }
}

void frmPrincipal::EnviarAnaliseParaAreaTransf() {}

void frmPrincipal::mnuConfigurarRodape_Click() { InicioComumDasAcoes(); }

void frmPrincipal::mnuAlterarConteudoDasAnalises_Click() { InicioComumDasAcoes(); }

} // namespace oraculandia
