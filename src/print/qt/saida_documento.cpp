#include "print/qt/saida_documento.h"

#include <QPageLayout>
#include <QPrinter>
#include <QWidget>
#include <memory>

#include "dados/margens.h"
#include "print/limites_margens.h"
#include "print/qt/servicos_impressao.h"
#include "programa/qt/falhas.h"
#include "programa/qt/programa.h"

namespace oraculandia {

ContextoPagina ContextoDocumento(const Programa& programa, const std::string& nomeCp1252,
                                 const std::string& data, double larguraImprimivel, double alturaImprimivel) {
    EstadoArquivo estado = EstadoArquivo::Lido;
    const Margens margens = MargensImprimiveis(CarregaMargens(programa.PastaPrograma, &estado),
                                               larguraImprimivel, alturaImprimivel);
    ContextoPagina contexto = programa.ContextoPaginas(margens);
    contexto.NomeCompleto = nomeCp1252;
    contexto.DataNascimento = data;
    return contexto;
}

void ImprimirNaImpressora(QWidget* janela, Programa& programa, const QString& oque,
                          const std::function<ResultadoImpressao(QPrinter&, double, double)>& imprimir,
                          const std::function<void()>& salvarPdf) {
    auto erro = [&](const QString& texto) {
        programa.mensagens.Mostrar(janela, QStringLiteral("Erro:"), texto, IconeMensagem::Critico,
                                   BotoesMensagem::Ok);
    };
    try {
        ServicosImpressao& servicos = programa.impressao;
        std::unique_ptr<QPrinter> impressora = servicos.HaImpressora() ? servicos.Impressora() : nullptr;
        if (!impressora) {
            const RespostaMensagem r = programa.mensagens.Mostrar(
                janela, QStringLiteral("Aviso:"),
                QStringLiteral("Não há nenhuma impressora instalada neste computador. Deseja salvar %1 em um "
                               "arquivo PDF, que pode ser impresso depois ou enviado por e-mail?")
                    .arg(oque),
                IconeMensagem::Pergunta, BotoesMensagem::SimNao);
            if (r == RespostaMensagem::Sim)
                salvarPdf();
            return;
        }
        if (!servicos.ConfirmarImpressao(janela, *impressora))
            return;
        const QPageLayout pagina = impressora->pageLayout();
        janela->setCursor(Qt::WaitCursor);
        const ResultadoImpressao r =
            imprimir(*impressora, LarguraImprimivel(pagina), AlturaImprimivel(pagina));
        janela->unsetCursor();
        if (!r)
            erro(QStringLiteral("Não foi possível imprimir %1: %2. Verifique o problema e tente novamente.")
                     .arg(oque, r.error()));
    } catch (...) {
        janela->unsetCursor();
        erro(MensagemFalhaAtual(QStringLiteral("imprimir %1").arg(oque)));
    }
}

} // namespace oraculandia
