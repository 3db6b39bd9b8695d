#pragma once
// The entry's checks of a name typed on the command line, shared by the analysis and the name
// study so that both refuse the same names with the same messages.

#include <optional>
#include <string>
#include <string_view>

#include "engine/resultado.h"

namespace oraculandia::cli {

// Checks a name given as UTF-8 by the engine's rule (VerificarNomeUtf8), in the entry dialog's
// order: separate accents joined first, then characters that Windows-1252 cannot hold, control
// characters, and a name too short (or of blanks only). Returns the accepted name as typed
// (Windows-1252, not yet upper-cased or folded), or the refusal message (UTF-8).
// With `grafia` (a spelling of the name study after the birth name: a nickname, a stage name),
// one letter is enough instead of the entry's five characters.
Resultado<std::string, std::string> VerificarNome(std::string_view utf8, bool grafia = false);

} // namespace oraculandia::cli
