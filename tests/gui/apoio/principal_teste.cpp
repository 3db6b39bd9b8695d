#include "apoio/principal_teste.h"

#include <QElapsedTimer>

#include "viewer/qt/frmExibeRelatorio.h"

namespace oraculandia::teste {

PrincipalTeste::PrincipalTeste(bool iniciar, bool comTextos) : ambiente(comTextos), comTextos_(comTextos) {
    janela = std::make_unique<frmPrincipal>(*ambiente.programa);
    janela->DefinirFimDoPrograma([this] { ++fins; });
    janela->resize(900, 640);
    janela->move(40, 30);
    if (iniciar)
        Iniciar(false);
}

void PrincipalTeste::Iniciar(bool comAbertura) {
    const auto antes = ambiente.mensagens.mostradas.size();
    janela->Iniciar(comAbertura);
    if (comTextos_)
        return;
    auto& m = ambiente.mensagens.mostradas;
    for (auto i = antes; i < m.size(); ++i) {
        if (AvisoDeArquivosDeInterpretacao(m[i])) {
            m.removeAt(i);
            break;
        }
    }
}

bool AvisoDeArquivosDeInterpretacao(const MensagemMostrada& m) {
    return m.titulo == QStringLiteral("Aviso:") &&
           m.texto.startsWith(QStringLiteral("Estes arquivos de interpretação não existem ou estão vazios"));
}

void MoverMouse(QWidget* alvo, QPoint local) {
    if (local.x() < 0)
        local = alvo->rect().center();
    QMouseEvent evento(QEvent::MouseMove, QPointF(local), QPointF(alvo->mapToGlobal(local)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &evento);
}

namespace {
void Procurar(std::function<void(QWidget*)> acao, int tentativas) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal) {
        acao(modal);
        return;
    }
    if (tentativas <= 0)
        return;
    QTimer::singleShot(
        20, [acao = std::move(acao), tentativas]() mutable { Procurar(std::move(acao), tentativas - 1); });
}
} // namespace

void AoAbrirModal(std::function<void(QWidget*)> acao) {
    QTimer::singleShot(0, [acao = std::move(acao)]() mutable { Procurar(std::move(acao), 250); });
}

frmExibeRelatorio* CriarAnalise(PrincipalTeste& t, const char* nome, const char* data) {
    Programa& p = *t.ambiente.programa;
    p.NomeCompleto = nome;
    p.DataNascimento = data;
    p.ComporAnalise();
    t.janela->ImprimirAnaliseNoMonitor();
    return t.janela->JanelaAtiva();
}

} // namespace oraculandia::teste
