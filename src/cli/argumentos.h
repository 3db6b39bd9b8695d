#pragma once
// The options of oraculandia-cli and its help text.

#include <optional>
#include <string>
#include <vector>

#include "engine/resultado.h"

namespace oraculandia::cli {

// Exit statuses, as the help text lists them.
inline constexpr int kSucesso = 0;
inline constexpr int kFalhaSaida = 1;
inline constexpr int kArgumentosInvalidos = 2;
inline constexpr int kPastaInutilizavel = 3;

extern const char* const kUso;

struct Argumentos {
    std::vector<std::string> nomes; // every --nome, in the order given
    std::optional<std::string> data, hoje, diretorio;
    std::string formato = "texto";
    bool estudoNome = false; // --estudo-nome: the name study instead of the analysis
    // The consultation tools (cli/consulta_cli.h): the forecast of one person, the harmony of two.
    bool previsoes = false, harmonia = false;
    std::vector<std::string> datas;      // every --data, in the order given (the harmony takes two)
    std::optional<std::string> ano, mes; // --ano AAAA and --mes MM/AAAA of the forecast
    bool ajuda = false;
    bool versao = false;
};

// Reads the options; a message (UTF-8) when something is wrong.
Resultado<Argumentos, std::string> LerArgumentos(int argc, char** argv);

} // namespace oraculandia::cli
