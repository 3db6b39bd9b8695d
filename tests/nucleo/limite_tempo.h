#pragma once
// Runs a check in a child process that is stopped after a few seconds, so that a call that
// blocks for good (a named pipe opened for reading, for example) makes the test fail instead of
// hanging it.

#include <csignal>
#include <string>

#include "processo_filho.h"

namespace oraculandia::teste {

// `verificacao` returns "" when all went well, or what went wrong. Returns the same, or a
// message naming the time limit when the child did not finish within `segundos`.
template <typename Verificacao> std::string ComLimiteDeTempo(unsigned segundos, Verificacao verificacao) {
    int estado = 0;
    const std::string r = NoProcessoFilho(
        [&] {
            ::alarm(segundos); // the default action of SIGALRM ends the child, even inside open()
            return verificacao();
        },
        estado);
    if (WIFSIGNALED(estado) && WTERMSIG(estado) == SIGALRM) {
        return r + " (still running after " + std::to_string(segundos) + " s: the call blocked)";
    }
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        return r + " (child process failed)";
    }
    return r;
}

} // namespace oraculandia::teste
