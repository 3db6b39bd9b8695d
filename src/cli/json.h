#pragma once
// The JSON forms written by oraculandia-cli --formato json: the analysis and the name study.

#include <string>
#include <string_view>

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "estudo/estudo_nome.h"

namespace oraculandia::cli {

// A JSON string from a Windows-1252 text: UTF-8, with quotes, backslashes and every control
// character escaped (CR LF become \r\n).
std::string Json(std::string_view cp1252);

// The whole document: the name computed from (`nome`, folded), the name as typed
// (`nomeDigitado`, blanks around it removed), dates, the 28 sections (id, titulo, introducao,
// texto, numero) and "complementos": the karmic block, the master numbers and the sections 29 to 35.
std::string DocumentoJson(std::string_view nome, std::string_view nomeDigitado, const std::string& data,
                          const std::string& hoje, const SecoesAnalise& secoes,
                          const SecoesComplementares& complementos);

// The name study: the birth date, the Life Path and, per spelling, the name as typed and as
// the calculation reads it, the six numbers, which of them differ from the birth name's, every
// letter with its kind and value, and each sum with its parcels, total and reduction steps.
std::string EstudoJson(const EstudoNome& estudo);

} // namespace oraculandia::cli
