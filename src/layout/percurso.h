#pragma once
// The section walker: lays a composed analysis out page after page on any target that can give
// its current page as a SuperficieDesenho and start a fresh one. The screen rendering (a new
// page image of the viewer per page) and the print job (one printer, a new sheet per page) both
// use it, so they break pages by the same rules:
//
//   * the first page starts with NovaPagina(..., 1); every page break saves the block's font
//     (SalvarFontesTela), asks the target for a new page, runs NovaPagina(..., 2) on it and
//     restores the font (RestaurarFontesTela);
//   * for every selected CalculationId 1..28: the introduction (when ImprimirDescricao is on and
//     it has more than 5 characters), the heading (with " Número N", or " Letra X" for 26, when
//     ImprimirNumero is on), the interpretation text, then the divider picture;
//   * then, by the same rules, every selected section after the 28 (29 to 35), the inclusion
//     table (29) drawn as its grid in place of a text: the grid moves to a new page when it
//     does not fit above LimiteTexto, and is never split;
//   * a heading or an interpretation text moves to a new page first when its first line does
//     not fit above LimiteTexto (an introduction has no such check); on a page with nothing on
//     it yet the block simply starts;
//   * a block continues over as many pages as it needs: nothing is ever dropped;
//   * each block starts 5 mm below the last line of the one before; the divider (3 mm high, 40 mm
//     inside each margin) moves to the top of the next page's text area when it would start less
//     than 5 mm above LimiteTexto; the next section starts 8 mm below the divider's top.

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "dados/configuracao.h"
#include "dados/fontes.h"
#include "layout/paginacao.h"
#include "layout/superficie.h"

namespace oraculandia {

// Where the pages go.
class AlvoPaginas {
public:
    virtual ~AlvoPaginas() = default;
    // The page being drawn.
    virtual SuperficieDesenho& Superficie() = 0;
    // Ends the current page and starts a fresh, empty one; Superficie() returns it afterwards.
    virtual void NovaFolha() = 0;
};

struct GeometriaPagina {
    float LarguraPagina = 0; // screen: the viewer's page width; printer: its printable width
    float AlturaPagina = 0;  // screen: 297; printer: its printable height
    float LimiteTexto = 0;   // screen: 272; printer: AlturaPagina - bottom margin - 20
};

// Heading of section `c` as the analysis shows it (Windows-1252).
std::string TituloSecao(const SecoesAnalise& secoes, int c, const ConfiguracaoPrograma& cfg);

// Sets the surface's font from a font entry: name without surrounding blanks, size, italic, bold.
void AplicarFonte(SuperficieDesenho& superficie, const FonteTexto& fonte);

// Draws the whole analysis, starting with NovaPagina(..., 1) on the target's current page. The
// margins are those of paginacao.Contexto. Returns the number of pages drawn.
int ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao, const GeometriaPagina& geometria,
                   const SecoesAnalise& secoes, const ConfiguracaoPrograma& configuracao,
                   const FontesAnalise& fontes);

// The sections after the 28 that a walk draws after them.
struct ComplementosRelatorio {
    const SecoesComplementares* secoes = nullptr; // none drawn when null
    SelecaoComplementos selecao{};
};

// The same walk, followed by the selected sections after the 28.
int ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao, const GeometriaPagina& geometria,
                   const SecoesAnalise& secoes, const ComplementosRelatorio& complementos,
                   const ConfiguracaoPrograma& configuracao, const FontesAnalise& fontes);

// The cover page inside the margins: the border picture over the whole area, the cover picture
// and "Análise" / "Numerológica" centred below it. Leaves Y at the bottom of the surface.
void DesenhaFolhaRosto(SuperficieDesenho& superficie, const Margens& margens);

} // namespace oraculandia
