#pragma once
// The JSON form of an analysis written by oraculandia-cli --formato json.

#include <string>
#include <string_view>

#include "analysis/composicao.h"

namespace oraculandia::cli {

// A JSON string from a Windows-1252 text: UTF-8, with quotes, backslashes and every control
// character escaped (CR LF become \r\n).
std::string Json(std::string_view cp1252);

// The whole document: name, dates and the 28 sections (id, titulo, introducao, texto, numero).
std::string DocumentoJson(std::string_view nome, const std::string& data, const std::string& hoje,
                          const SecoesAnalise& secoes);

} // namespace oraculandia::cli
