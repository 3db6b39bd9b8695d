#pragma once
// "Seus Números": the first page of a report, before section 1. It gathers this client's own
// numbers, so that the report no longer explains them with someone else's example:
//   * a table of every selected number: its position, the number, and when it acts (the dates
//     of the cycles, the ages of the pinnacles, the half of life of the challenges, the day of
//     the universal and personal numbers);
//   * a picture of the life from birth to 90: the three cycles, the four pinnacles and the
//     challenges as bands along the ages, today's age marked;
//   * the working of the client's Life Path (day, month and year reduced, then their sum) and
//     Expression (letter by letter, with the name study's functions).
// The page is drawn on any SuperficieDesenho, in millimetres, like the rest of the layout.

#include <string>
#include <vector>

#include "analysis/composicao.h"
#include "dados/configuracao.h"
#include "dados/margens.h"
#include "engine/datas.h"
#include "layout/superficie.h"

namespace oraculandia {

// preferencias.ini: whether the report starts with "Seus Números" ("sim" by default).
inline constexpr const char* kChaveSeusNumeros = "secao.seus_numeros";

struct LinhaSeusNumeros {
    std::string Posicao; // Windows-1252
    std::string Numero;
    std::string Quando; // empty when the number acts for the whole life
};

// A band of the picture: row 0 cycles, 1 pinnacles, 2 challenges; ages from and to (90 at most).
struct FaixaVida {
    int Linha = 0;
    double De = 0, Ate = 0;
    std::string Numero;
};

struct SeusNumeros {
    std::string Nome; // as shown (Windows-1252)
    std::vector<LinhaSeusNumeros> Linhas;
    std::vector<FaixaVida> Faixas;
    double IdadeHoje = 0;             // in years, with the fraction of the current one
    std::vector<std::string> Calculo; // the working, one line each (Windows-1252)
};

inline constexpr const char* kTituloSeusNumeros = "Seus N\xFAmeros";

// Gathers the page for the subject: `nomeDigitado` as typed (Windows-1252; empty: the folded
// name of the sections is used), `dataNascimento` dd/mm/yyyy, `hoje` the day of the report.
SeusNumeros MontarSeusNumeros(const SecoesAnalise& secoes, const ConfiguracaoPrograma& cfg,
                              const std::string& nomeDigitado, const std::string& nomeCompleto,
                              const std::string& dataNascimento, const Data& hoje);

// Draws the page's content from `topo` (millimetres from the top of the page) in the column
// between the margins, above `limite`. Returns the Y below the last thing drawn.
double DesenhaSeusNumeros(SuperficieDesenho& superficie, const SeusNumeros& dados, const Margens& margens,
                          double larguraPagina, double topo, double limite);

} // namespace oraculandia
