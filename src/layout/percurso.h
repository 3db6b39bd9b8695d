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
//   * a section's introduction and heading move to a new page together with the first two lines
//     of its text when they do not all fit above LimiteTexto (and would fit on a new page); a
//     heading or an interpretation text moves to a new page first when its first line does not
//     fit above LimiteTexto; on a page with nothing on it yet the block simply starts, and a text
//     with nothing to print never starts a page;
//   * a block continues over as many pages as it needs: nothing is ever dropped;
//   * each block starts 5 mm below the last line of the one before; the divider (3 mm high, 40 mm
//     inside each margin) moves to the top of the next page's text area when it would start less
//     than 5 mm above LimiteTexto and another section follows (after the last one it is left
//     out: no page holds a divider alone); the next section starts 8 mm below the divider's top;
//   * a pinnacle (8 to 11) or a life challenge (12 to 15) whose number and text repeat those of
//     one printed before it in the same group shows one sentence pointing to that one instead
//     of the text again (TextoNasPaginas). The stored analysis keeps every text.

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "dados/configuracao.h"
#include "dados/fontes.h"
#include "engine/resultado.h"
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
    // Whether the target takes one more page. A walk that needs a page the target does not take
    // stops there and reports FalhaPercurso::PaginasDemais.
    virtual bool AceitaNovaFolha() const { return true; }
};

// Why a walk stopped before the end of the analysis.
enum class FalhaPercurso {
    PaginasDemais, // the target took no more pages
};

struct GeometriaPagina {
    float LarguraPagina = 0; // screen: the viewer's page width; printer: its printable width
    float AlturaPagina = 0;  // screen: 297; printer: its printable height
    float LimiteTexto = 0;   // screen: 272; printer: AlturaPagina - bottom margin - 20
};

// The text section `c` shows on the pages (Windows-1252): its own, or for a repeated pinnacle or
// life challenge "O número N volta aqui: a sua interpretação está no Desafio Maior, acima."
std::string TextoNasPaginas(const SecoesAnalise& secoes, const ConfiguracaoPrograma& cfg, int c);

// Heading of section `c` as the analysis shows it (Windows-1252).
std::string TituloSecao(const SecoesAnalise& secoes, int c, const ConfiguracaoPrograma& cfg);

// Sets the surface's font from a font entry: name without surrounding blanks, size, italic, bold.
void AplicarFonte(SuperficieDesenho& superficie, const FonteTexto& fonte);

struct SeusNumeros; // layout/seus_numeros.h

// Draws the whole analysis, starting with NovaPagina(..., 1) on the target's current page. The
// margins are those of paginacao.Contexto. With `seusNumeros`, the first page holds that page
// (DesenhaSeusNumeros) and section 1 starts on the next. Returns the number of pages drawn.
Resultado<int, FalhaPercurso> ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao,
                                             const GeometriaPagina& geometria, const SecoesAnalise& secoes,
                                             const ConfiguracaoPrograma& configuracao,
                                             const FontesAnalise& fontes,
                                             const SeusNumeros* seusNumeros = nullptr);

// Who the cover is for and who prepared it (Windows-1252).
struct DadosFolhaRosto {
    std::string Nome;           // as shown: typed, upper case, with its accents
    std::string DataNascimento; // dd/mm/yyyy
    std::string DataRelatorio;  // dd/mm/yyyy: the day the report is made
    std::string LinhaUm;        // the numerologist's name and contacts: the two footer lines
    std::string LinhaDois;
};
DadosFolhaRosto FolhaRostoDe(const ContextoPagina& contexto, const std::string& dataRelatorio);

// "Escorpião" ... "Capricórnio" (Windows-1252) for sign 1 ... 12; empty for anything else.
const char* NomeSigno(int signo);

// The sections after the 28 that a walk draws after them.
struct ComplementosRelatorio {
    const SecoesComplementares* secoes = nullptr; // none drawn when null
    SelecaoComplementos selecao{};
};

// The same walk, followed by the selected sections after the 28.
Resultado<int, FalhaPercurso> ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao,
                                             const GeometriaPagina& geometria, const SecoesAnalise& secoes,
                                             const ComplementosRelatorio& complementos,
                                             const ConfiguracaoPrograma& configuracao,
                                             const FontesAnalise& fontes,
                                             const SeusNumeros* seusNumeros = nullptr);

// The cover page inside the margins: the border picture over the whole area, the cover picture
// and "Análise" / "Numerológica" centred below it. With `dados`, below them the client's name
// (fitted, and broken into lines when long), "Nascimento: <date> - <sign>", "Análise preparada
// em <date>", and at the foot the numerologist's two lines. Leaves Y at the bottom of the surface.
void DesenhaFolhaRosto(SuperficieDesenho& superficie, const Margens& margens,
                       const DadosFolhaRosto* dados = nullptr);

} // namespace oraculandia
