#include "print/qt/trabalho_impressao.h"

#include <QPainter>
#include <QPrinter>
#include <exception>

#include "app/qt/programa.h"
#include "layout/paginacao.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"

namespace oraculandia {

namespace {

// The printer as a page target: one painter for the whole document, a new sheet per page.
class AlvoImpressora final : public AlvoPaginas {
public:
    AlvoImpressora(QPrinter& impressora, SuperficieQt& superficie)
        : impressora_(impressora), superficie_(superficie) {}
    SuperficieDesenho& Superficie() override { return superficie_; }
    void NovaFolha() override {
        if (!impressora_.newPage()) {
            falhou = true;
        }
    }
    bool falhou = false;

private:
    QPrinter& impressora_;
    SuperficieQt& superficie_;
};

} // namespace

ResultadoImpressao ImprimirAnalise(Programa& programa, QPrinter& impressora, bool folhaRosto) {
    ResultadoImpressao resultado;
    impressora.setColorMode(Ligado(programa.Configuracao.PretoEmBranco) ? QPrinter::GrayScale
                                                                         : QPrinter::Color);
    QPainter pintor;
    if (!pintor.begin(&impressora)) {
        resultado.erro = impressora.outputFormat() == QPrinter::PdfFormat
                             ? QStringLiteral("o arquivo não pôde ser criado")
                             : QStringLiteral("a impressora não aceitou o documento");
        return resultado;
    }

    bool falhou = false;
    QString erro;
    try {
        // The surface lives inside this block: it gives the painter back before the document ends.
        SuperficieQt superficie(pintor, &impressora);
        const Margens margens = programa.MargensImpressao;
        if (folhaRosto) {
            DesenhaFolhaRosto(superficie, margens);
            if (!impressora.newPage()) {
                falhou = true;
            }
        }
        GeometriaPagina geometria;
        geometria.LarguraPagina = static_cast<float>(superficie.LarguraEscala());
        geometria.AlturaPagina = static_cast<float>(superficie.AlturaEscala());
        geometria.LimiteTexto = geometria.AlturaPagina - margens.Inferior - 20;

        // Composed again: the numbers of the day are those of the day of printing.
        programa.ComporAnalise();

        ContextoPagina contexto;
        contexto.MargensImpressao = margens;
        contexto.CabecalhoLinhaUm = programa.Rodape.CabecalhoLinhaUm;
        contexto.RodapeLinhaUm = programa.Rodape.RodapeLinhaUm;
        contexto.RodapeLinhaDois = programa.Rodape.RodapeLinhaDois;
        contexto.NomeCompleto = programa.NomeCompleto;
        contexto.DataNascimento = programa.DataNascimento;
        contexto.ImprimirCabecalho = Ligado(programa.Configuracao.ImprimirCabecalho);
        Paginacao paginacao(std::move(contexto));

        AlvoImpressora alvo(impressora, superficie);
        resultado.paginas = ImprimirSecoes(alvo, paginacao, geometria, programa.Secoes,
                                           programa.Configuracao, programa.Fontes);
        falhou = falhou || alvo.falhou;
    } catch (const std::exception&) {
        falhou = true;
        erro = QStringLiteral("faltou memória para montar as páginas");
    }
    const bool terminou = pintor.end();
    if (falhou || !terminou || impressora.printerState() == QPrinter::Error) {
        if (erro.isEmpty()) {
            erro = impressora.outputFormat() == QPrinter::PdfFormat
                       ? QStringLiteral("o arquivo não pôde ser gravado por completo")
                       : QStringLiteral("a impressora informou um erro durante a impressão");
        }
        resultado.erro = erro;
        return resultado;
    }
    resultado.ok = true;
    return resultado;
}

} // namespace oraculandia
