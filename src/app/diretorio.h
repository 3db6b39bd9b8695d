#pragma once
// The folder given with --diretorio, checked the same way by the window program and the command
// line, so that both refuse the same things with the same words.

#include <optional>
#include <string>
#include <string_view>

namespace oraculandia {

// Nothing when `valor` names an existing folder; otherwise the message (UTF-8, without the
// "Erro:" prefix). An empty value is refused: it would silently mean the current folder.
std::optional<std::string> ProblemaDoDiretorio(std::string_view valor);

} // namespace oraculandia
