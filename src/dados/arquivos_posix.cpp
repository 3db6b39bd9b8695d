// POSIX platform file: the file access of arquivos.h with open, fstat, pread and pwrite. This
// is the only file of the core that calls the operating system for data files; a port to another
// system replaces this file.
#include "dados/arquivos.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace oraculandia::arquivos {

namespace {

// Closes the file when the call ends, whichever way it ends.
class Descritor {
public:
    explicit Descritor(int fd) : fd_(fd) {}
    ~Descritor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;
    int fd() const { return fd_; }
    bool aberto() const { return fd_ >= 0; }
    // Closes now and tells whether the system reported the data as stored.
    bool Fechar() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0;
    }

private:
    int fd_;
};

// Opens a regular file without ever blocking. A named pipe without a writer, or some devices,
// would block a plain open() for good, so the name is first looked at (nothing else is opened),
// the open itself does not wait (O_NONBLOCK), and what was opened is checked again before it is
// used: another program may put something else under the name between the two looks. Blocking
// mode is set back for the reads and writes. -1 with errno set on failure (EINVAL for something
// that is not a regular file).
int AbrirRegular(const std::filesystem::path& caminho, int flags) {
    struct stat antes {};
    if (::stat(caminho.c_str(), &antes) == 0 && !S_ISREG(antes.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    int fd;
    do {
        fd = ::open(caminho.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int estado = ::fcntl(fd, F_GETFL);
    if (estado < 0 || ::fcntl(fd, F_SETFL, estado & ~O_NONBLOCK) != 0) {
        const int erro = errno;
        ::close(fd);
        errno = erro;
        return -1;
    }
    return fd;
}

// Opens for reading; a missing file is created empty first when asked (and when the folder
// allows it). Reading needs no write access, so a read-only file is read as any other.
int AbrirParaLeitura(const std::filesystem::path& caminho, bool criar) {
    const int fd = AbrirRegular(caminho, O_RDONLY);
    if (fd >= 0 || errno != ENOENT || !criar) {
        return fd;
    }
    const int criado = AbrirRegular(caminho, O_RDWR | O_CREAT);
    if (criado >= 0) {
        return criado;
    }
    return AbrirRegular(caminho, O_RDONLY);
}

std::optional<uint64_t> TamanhoDe(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(st.st_size);
}

// Reads up to n bytes at the offset; fewer at the end of the file. Nothing on a read error.
std::optional<std::string> LerDe(int fd, uint64_t deslocamento, std::size_t n) {
    std::string bytes(n, '\0');
    std::size_t lidos = 0;
    while (lidos < n) {
        const ssize_t r =
            ::pread(fd, bytes.data() + lidos, n - lidos, static_cast<off_t>(deslocamento + lidos));
        if (r < 0 && errno == EINTR) {
            continue;
        }
        if (r < 0) {
            return std::nullopt;
        }
        if (r == 0) {
            break;
        }
        lidos += static_cast<std::size_t>(r);
    }
    bytes.resize(lidos);
    return bytes;
}

} // namespace

Situacao Examinar(const std::filesystem::path& caminho) {
    Descritor d(AbrirRegular(caminho, O_RDONLY));
    if (!d.aberto()) {
        return errno == ENOENT ? Situacao::Ausente : Situacao::Ilegivel;
    }
    const auto tamanho = TamanhoDe(d.fd());
    if (!tamanho) {
        return Situacao::Ilegivel;
    }
    return *tamanho == 0 ? Situacao::Vazio : Situacao::Legivel;
}

std::optional<Trecho> Ler(const std::filesystem::path& caminho, uint64_t deslocamento, std::size_t n,
                          bool criar, Situacao* situacao) {
    auto falhou = [situacao](Situacao s) -> std::optional<Trecho> {
        if (situacao != nullptr) {
            *situacao = s;
        }
        return std::nullopt;
    };
    Descritor d(AbrirParaLeitura(caminho, criar));
    if (!d.aberto()) {
        return falhou(errno == ENOENT ? Situacao::Ausente : Situacao::Ilegivel);
    }
    const auto tamanho = TamanhoDe(d.fd());
    if (!tamanho) {
        return falhou(Situacao::Ilegivel);
    }
    Trecho t;
    t.tamanho = *tamanho;
    if (deslocamento < t.tamanho && n > 0) {
        const uint64_t disponivel = t.tamanho - deslocamento;
        auto bytes = LerDe(d.fd(), deslocamento, disponivel < n ? static_cast<std::size_t>(disponivel) : n);
        if (!bytes) {
            return falhou(Situacao::Ilegivel);
        }
        t.bytes = std::move(*bytes);
    }
    if (situacao != nullptr) {
        *situacao = t.tamanho == 0 ? Situacao::Vazio : Situacao::Legivel;
    }
    return t;
}

std::optional<std::string> LerBytes(const std::filesystem::path& caminho, uint64_t deslocamento,
                                    std::size_t n, bool criar) {
    Descritor d(AbrirParaLeitura(caminho, criar));
    if (!d.aberto()) {
        return std::nullopt;
    }
    return LerDe(d.fd(), deslocamento, n);
}

bool Gravar(const std::filesystem::path& caminho, uint64_t deslocamento, std::string_view bytes) {
    // Opened for reading too: a file the program cannot read is one it must not write over.
    Descritor d(AbrirRegular(caminho, O_RDWR | O_CREAT));
    if (!d.aberto()) {
        return false;
    }
    // Only the bytes asked for: a file shorter than the offset gets its gap from the system (zero
    // bytes), in the same operation, so no stretch written meanwhile by another program is
    // overwritten by filler.
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t r = ::pwrite(d.fd(), bytes.data() + escritos, bytes.size() - escritos,
                                   static_cast<off_t>(deslocamento + escritos));
        if (r < 0 && errno == EINTR) {
            continue;
        }
        if (r <= 0) {
            return false;
        }
        escritos += static_cast<std::size_t>(r);
    }
    return d.Fechar();
}

std::optional<uint64_t> Tamanho(const std::filesystem::path& caminho) {
    std::error_code erro;
    const auto t = std::filesystem::file_size(caminho, erro);
    if (erro) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(t);
}

} // namespace oraculandia::arquivos
