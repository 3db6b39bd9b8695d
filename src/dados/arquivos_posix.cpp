// POSIX platform file: ArquivoAberto (arquivo_aberto.h) with open, fstat, pread and pwrite. This
// and plataforma_posix.cpp are the only files of the core that call the operating system; a port
// to another system replaces them (see the Windows files beside them).
#include "dados/arquivo_aberto.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oraculandia::arquivos {

namespace {

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

} // namespace

ArquivoAberto ArquivoAberto::ParaLeitura(const std::filesystem::path& caminho, bool criar, bool& ausente) {
    // Reading needs no write access, so a read-only file is read as any other.
    int fd = AbrirRegular(caminho, O_RDONLY);
    if (fd < 0 && errno == ENOENT && criar) {
        fd = AbrirRegular(caminho, O_RDWR | O_CREAT);
        if (fd < 0) {
            fd = AbrirRegular(caminho, O_RDONLY);
        }
    }
    ausente = fd < 0 && errno == ENOENT;
    return ArquivoAberto(fd);
}

ArquivoAberto ArquivoAberto::ParaGravacao(const std::filesystem::path& caminho) {
    return ArquivoAberto(AbrirRegular(caminho, O_RDWR | O_CREAT));
}

ArquivoAberto::~ArquivoAberto() {
    if (aberto()) {
        ::close(static_cast<int>(id_));
    }
}

std::optional<uint64_t> ArquivoAberto::Tamanho() const {
    struct stat st {};
    if (::fstat(static_cast<int>(id_), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(st.st_size);
}

std::optional<std::string> ArquivoAberto::LerEm(uint64_t deslocamento, std::size_t n) const {
    std::string bytes(n, '\0');
    std::size_t lidos = 0;
    while (lidos < n) {
        const ssize_t r = ::pread(static_cast<int>(id_), bytes.data() + lidos, n - lidos,
                                  static_cast<off_t>(deslocamento + lidos));
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

bool ArquivoAberto::EscreverEm(uint64_t deslocamento, std::string_view bytes) {
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t r = ::pwrite(static_cast<int>(id_), bytes.data() + escritos, bytes.size() - escritos,
                                   static_cast<off_t>(deslocamento + escritos));
        if (r < 0 && errno == EINTR) {
            continue;
        }
        if (r <= 0) {
            return false;
        }
        escritos += static_cast<std::size_t>(r);
    }
    return true;
}

bool ArquivoAberto::Fechar() {
    const int r = ::close(static_cast<int>(id_));
    id_ = kFechado;
    return r == 0;
}

} // namespace oraculandia::arquivos
