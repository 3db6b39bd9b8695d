#include "app/diretorio.h"

#include <filesystem>
#include <system_error>

namespace oraculandia {

std::optional<std::string> ProblemaDoDiretorio(std::string_view valor) {
    if (valor.empty()) {
        return std::string("a opção --diretorio recebeu um texto vazio; informe a pasta do programa "
                           "(para a pasta atual, use --diretorio .).");
    }
    std::error_code erro;
    if (!std::filesystem::is_directory(std::filesystem::path(valor), erro)) {
        return "a pasta " + std::string(valor) + " não existe ou não é uma pasta.";
    }
    return std::nullopt;
}

} // namespace oraculandia
