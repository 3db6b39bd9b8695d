// The shell's own dialogs and menu entries: program settings, help, About, window arrangement.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QUrl>

#include "app/qt/enderecos.h"
#include "app/qt/frmConfiguraPrograma.h"
#include "app/qt/frmPrincipal.h"
#include "app/qt/frmSobre.h"
#include "app/qt/programa.h"

namespace oraculandia {

void frmPrincipal::cmdConfiguraPrograma_Click() {
    InicioComumDasAcoes();
    DefinirOcupado(true);
    {
        frmConfiguraPrograma dialogo(programa(), this);
        dialogo.exec();
    }
    DefinirOcupado(false);
}

void frmPrincipal::cmdAjuda_Click() {
    InicioComumDasAcoes();
    const RespostaMensagem r = programa().mensagens.Mostrar(
        this, QStringLiteral("Aviso:"),
        QStringLiteral("ATENÇÃO: A ajuda deste programa está disponível somente através da "
                       "internet. Se você não possui acesso à internet neste computador e realmente "
                       "necessita de ajuda, ligue para o nosso atendimento de suporte no telefone "
                       "(00) 0000-0000. Você gostaria de obter a ajuda deste programa através da "
                       "internet agora?"),
        IconeMensagem::Pergunta, BotoesMensagem::SimNao);
    if (r == RespostaMensagem::Sim)
        programa().navegador.Abrir(QUrl(QString::fromLatin1(enderecos::kPaginaDeSuporte)));
}

void frmPrincipal::mnuSobreEstePrograma_Click() {
    InicioComumDasAcoes();
    frmSobre sobre(programa(), this);
    sobre.exec();
}

void frmPrincipal::mnuJanelaLadoLado_Click() {
    // Tiled horizontally: each window a full-width strip, one above the other, in the order
    // the windows were created.
    QList<QMdiSubWindow*> janelas;
    for (QMdiSubWindow* sub : areaMdi()->subWindowList(QMdiArea::CreationOrder))
        if (sub->isVisible() && !sub->isMinimized())
            janelas.append(sub);
    if (janelas.isEmpty())
        return;
    const QRect area = areaMdi()->viewport()->rect();
    const int n = static_cast<int>(janelas.size());
    const int altura = qMax(1, area.height() / n);
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = janelas[i];
        if (sub->isMaximized())
            sub->showNormal();
        const int topo = i * altura;
        const int h = i == n - 1 ? area.height() - topo : altura;
        sub->setGeometry(0, topo, area.width(), h);
    }
}

void frmPrincipal::mnuJanelaEmCascata_Click() {
    areaMdi()->cascadeSubWindows();
}

} // namespace oraculandia
