// The shell's own dialogs and menu entries: program settings, help, About, window arrangement.
#include <QMdiArea>
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

void frmPrincipal::mnuJanelaLadoLado_Click() { areaMdi()->tileSubWindows(); }

void frmPrincipal::mnuJanelaEmCascata_Click() { areaMdi()->cascadeSubWindows(); }

} // namespace oraculandia
