#pragma once
// oraculandia-cli --previsoes and --harmonia: the consultation tools on the command line.

#include "cli/argumentos.h"
#include "dados/pasta_programa.h"

namespace oraculandia::cli {

// Runs the forecast or the harmony asked for in `a` and returns the exit status. Messages go to
// standard error; nothing is written to standard output unless the whole result is.
int ExecutarConsulta(const Argumentos& a, const PastaEscolhida& pasta);

} // namespace oraculandia::cli
