// The shell's own dialogs and menu entries: program settings, help, About, window arrangement.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QUrl>

#include "app/qt/enderecos.h"
#include "app/qt/frmConfiguraPrograma.h"
#include "app/qt/frmPrincipal.h"
#include "app/qt/frmSobre.h"
#include "programa/qt/programa.h"

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

namespace {

// The analysis windows an arrangement moves: shown and not minimized, bottom of the stack first.
QList<QMdiSubWindow*> JanelasParaOrganizar(const QMdiArea* area) {
    QList<QMdiSubWindow*> janelas;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::StackingOrder))
        if (sub->isVisible() && !sub->isMinimized())
            janelas.append(sub);
    return janelas;
}

} // namespace

void frmPrincipal::mnuJanelaEmCascata_Click() {
    // Qt's own cascade gives each window its size hint, a bare title bar for a viewer. Here each
    // window is as large as the area allows after the offsets: one title bar down and right per
    // window, the same size for all, the active one in front. Past as many steps as leave each
    // window half the area, the steps start again at the corner.
    const QList<QMdiSubWindow*> janelas = JanelasParaOrganizar(areaMdi());
    if (janelas.isEmpty())
        return;
    QMdiSubWindow* ativa = areaMdi()->activeSubWindow();
    QStyleOptionTitleBar opcao;
    opcao.initFrom(janelas.first());
    const int passo =
        qMax(16, janelas.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, &opcao, janelas.first()));
    const QSize area = areaMdi()->viewport()->size();
    const int n = static_cast<int>(janelas.size());
    const int passos = qMin(n - 1, qMin(area.width(), area.height()) / 2 / passo);
    const QSize tamanho(area.width() - passos * passo, area.height() - passos * passo);
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = janelas[i];
        if (sub->isMaximized())
            sub->showNormal();
        const int desvio = (i % (passos + 1)) * passo;
        sub->setGeometry(QRect(QPoint(desvio, desvio), tamanho));
        sub->raise();
    }
    if (ativa != nullptr && janelas.contains(ativa)) {
        ativa->raise();
        areaMdi()->setActiveSubWindow(ativa);
    }
}

void frmPrincipal::ManterJanelasNaArea() {
    const QSize area = areaMdi()->viewport()->size();
    if (area.isEmpty())
        return;
    for (QMdiSubWindow* sub : JanelasParaOrganizar(areaMdi())) {
        if (sub->isMaximized())
            continue; // the area itself sizes a maximized window
        const QRect antes = sub->geometry();
        QRect depois = antes;
        depois.setWidth(qMin(antes.width(), area.width()));
        depois.setHeight(qMin(antes.height(), area.height()));
        // A window scrolled partly out on the left or top is left where it is.
        if (depois.right() >= area.width())
            depois.moveLeft(qMax(0, area.width() - depois.width()));
        if (depois.bottom() >= area.height())
            depois.moveTop(qMax(0, area.height() - depois.height()));
        if (depois != antes)
            sub->setGeometry(depois);
    }
}

} // namespace oraculandia
