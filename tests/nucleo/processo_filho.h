#pragma once
// Runs a check in a child process and brings back what it reports: the shared part of the tests
// that must not block the test program (a time limit) or must run as another user.

#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace oraculandia::teste {

// Forks; the child runs `verificacao` (which returns "" when all went well, or what went wrong)
// and writes its result back through a pipe. Returns that result, with the child's wait status in
// `estado`; a message when the pipe or the child could not be made.
template <typename Verificacao> std::string NoProcessoFilho(Verificacao verificacao, int& estado) {
    estado = 0;
    int canal[2];
    if (::pipe(canal) != 0) {
        return "pipe failed";
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(canal[0]);
        ::close(canal[1]);
        return "fork failed";
    }
    if (pid == 0) {
        ::close(canal[0]);
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
    ::waitpid(pid, &estado, 0);
    return r;
}

} // namespace oraculandia::teste
