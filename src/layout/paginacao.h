#pragma once
// The page machinery shared by the screen rendering, the print job and the print preview:
// justified text blocks (ImprimeTexto), page starts with header and footer (Paginacao::NovaPagina,
// DesenhaCabecalho, DesenhaRodape) and the font kept across a page break (SalvarFontesTela,
// RestaurarFontesTela). Everything draws on a SuperficieDesenho, in millimetres.
//
// Page geometry, with L, T, R, B the margins of the current target:
//   header band   T .. T + 27 (picture 22 x 22 at L + 2, three centred lines, rule T + 24 .. 25)
//   text column   L + 2 .. LarguraPagina - R - 2 (the callers pass it to ImprimeTexto)
//   footer band   rule at H - B - 12 .. 11, two lines from H - B - 10, page number ending at H - B

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dados/margens.h"
#include "layout/superficie.h"

namespace oraculandia {

// Lays `texto` out as fully justified lines in the column XEsquerda..XDireita, the first line's
// top at Y. A line whose top plus the height of "textoatual" passes YLimite is still printed and
// is the last one of the page. Returns true when the whole text was printed; false when the page
// filled up, and then `texto` holds what was not printed, without leading control characters.
// On return the surface's Y is the top of the last line printed.
//
// Line breaks: CR LF (or a lone CR or LF) ends a paragraph; a line broken for width is justified
// so that its last word ends at XDireita; the last line of a paragraph is left-aligned, and so is
// a line of a single word. A word wider than the column is cut at the column's edge and goes on
// on the next line. Every call prints at least one line and consumes at least one character, so
// a caller that loops over pages always comes to the end of the text.
bool ImprimeTexto(SuperficieDesenho& superficie, double Y, double XEsquerda, double XDireita, double YLimite,
                  std::string& texto);

// "15 de março de 1970" (Windows-1252) for "15/03/1970"; a text that is not a date in the form
// dd/mm/yyyy is returned unchanged.
std::string DataPorExtenso(std::string_view dataNascimento);

// What the header and footer show, and the margins of the target they are drawn on.
struct ContextoPagina {
    Margens MargensImpressao;
    std::string CabecalhoLinhaUm;
    std::string RodapeLinhaUm;
    std::string RodapeLinhaDois;
    std::string NomeCompleto;       // the subject, Windows-1252, folded (what the numbers come from)
    std::string NomeExibido;        // the name as typed, upper case with its accents; empty: NomeCompleto
    std::string DataNascimento;     // dd/mm/yyyy
    bool ImprimirCabecalho = false; // header on every page, not only on the first
};

// The name a page shows: NomeExibido, or NomeCompleto when there is no typed name.
const std::string& NomeNaPagina(const ContextoPagina& ctx);

// A one-line text fitted into a width: the largest size from `tamanhoMaximo` down to
// `tamanhoMinimo` (half a point at a time) at which it fits on one line; when it does not fit even
// at `tamanhoMinimo`, it is broken at spaces into as many lines as it needs at that size (a word
// wider than the width is cut at the width). Measured in the surface's current font name and
// style; the surface is left at the size found.
struct TextoAjustado {
    double Tamanho = 0;
    std::vector<std::string> Linhas;
};
TextoAjustado AjustarTexto(SuperficieDesenho& superficie, std::string_view texto, double largura,
                           double tamanhoMaximo, double tamanhoMinimo);

// Sizes of the client's name in the page header: 14 points, never below 9.
inline constexpr double kTamanhoNomeCabecalho = 14;
inline constexpr double kTamanhoMinimoNomeCabecalho = 9;

// Header band; restores the surface's Y. Leaves the font as its last line set it. Returns the
// band's height: 27, or more when a long name needs more lines than the band holds (the rule
// then moves down with them).
float DesenhaCabecalho(SuperficieDesenho& superficie, float LarguraPagina, const ContextoPagina& ctx);
// Footer band with `NumeroTexto` as the page number ("0": no number); restores the surface's Y.
void DesenhaRodape(SuperficieDesenho& superficie, float LarguraPagina, float AlturaPagina,
                   const std::string& NumeroTexto, const ContextoPagina& ctx);

// The font kept across a page break.
struct FonteGuardada {
    std::string Nome;
    int16_t Tamanho = 0; // rounded to a whole number, half to even
    bool Negrito = false;
    bool Italico = false;
};

// Page numbering of one renderer run, and the font saved at a page break.
class Paginacao {
public:
    explicit Paginacao(ContextoPagina contexto) : Contexto(std::move(contexto)) {}

    ContextoPagina Contexto;
    int NumeroPagina = 0;
    FonteGuardada FonteSalva;

    // Tipo 1: first page of an analysis (number 1); Tipo 2: the next page. Draws the header on
    // the first page, and on later pages when Contexto.ImprimirCabecalho is on, and the footer
    // with the page number. Returns the header's height (DesenhaCabecalho: 27 unless a long name
    // needs more) when the header was drawn, else 0: where text may start,
    // below the top margin. The surface's Y is the same on return as on entry.
    float NovaPagina(SuperficieDesenho& superficie, float LarguraPagina, float AlturaPagina, int16_t Tipo);

    void SalvarFontesTela(SuperficieDesenho& superficie);
    void RestaurarFontesTela(SuperficieDesenho& superficie);
};

} // namespace oraculandia
