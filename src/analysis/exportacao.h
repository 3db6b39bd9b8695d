#pragma once
// The plain-text form of an analysis, as the export button puts it on the clipboard.

#include <string>

#include "analysis/composicao.h"
#include "dados/configuracao.h"

namespace oraculandia {

// For each selected section in CalculationId order: the introduction (when ImprimirDescricao is
// on and it has 6 or more characters) + CRLF CRLF; the title (with " Número n" or, for section
// 26, " Letra X" when ImprimirNumero is on) + CRLF CRLF; the text + CRLF CRLF; the separator
// "-=-=-=-=-=-=-=-=-=-=-" + CRLF CRLF. Windows-1252.
std::string TextoExportacao(const SecoesAnalise& secoes, const ConfiguracaoPrograma& config);

// The heading as the renderers and the export show it (with the number when asked).
std::string TituloComNumero(const SecoesAnalise& secoes, int calculationId,
                            const ConfiguracaoPrograma& config);

} // namespace oraculandia
