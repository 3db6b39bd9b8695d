#pragma once
// Runs a check in a child process that is stopped after a few seconds, so that a call that
// blocks for good (a named pipe opened for reading, for example) makes the test fail instead of
// hanging it.

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace oraculandia::teste {

// `verificacao` returns "" when all went well, or what went wrong. Returns the same, or a
// message naming the time limit when the child did not finish within `segundos`.
template <typename Verificacao> std::string ComLimiteDeTempo(unsigned segundos, Verificacao verificacao) {
    int canal[2];
    if (::pipe(canal) != 0) {
        return "pipe failed";
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        return "fork failed";
    }
    if (pid == 0) {
        ::close(canal[0]);
        ::alarm(segundos); // the default action of SIGALRM ends the child, even inside open()
        const std::string r = verificacao();
        std::size_t escritos = 0;
        while (escritos < r.size()) {
            const ssize_t n = ::write(canal[1], r.data() + escritos, r.size() - escritos);
            if (n <= 0) {
                break;
            }
            escritos += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(canal[1]);
    std::string r;
    char buf[512];
    ssize_t n;
    while ((n = ::read(canal[0], buf, sizeof buf)) > 0) {
        r.append(buf, static_cast<std::size_t>(n));
    }
    ::close(canal[0]);
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    if (WIFSIGNALED(estado) && WTERMSIG(estado) == SIGALRM) {
        return r + " (still running after " + std::to_string(segundos) + " s: the call blocked)";
    }
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        return r + " (child process failed)";
    }
    return r;
}

} // namespace oraculandia::teste
