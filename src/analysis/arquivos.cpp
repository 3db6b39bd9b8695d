#include "analysis/arquivos.h"

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

int Abrir(const std::filesystem::path& caminho, int flags) {
    int fd;
    do {
        fd = ::open(caminho.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Opens for reading; a missing file is created empty first when asked (and when the folder
// allows it). Reading needs no write access, so a read-only file is read as any other.
int AbrirParaLeitura(const std::filesystem::path& caminho, bool criar) {
    const int fd = Abrir(caminho, O_RDONLY);
    if (fd >= 0 || errno != ENOENT || !criar) {
        return fd;
    }
    const int criado = Abrir(caminho, O_RDWR | O_CREAT);
    if (criado >= 0) {
        return criado;
    }
    return Abrir(caminho, O_RDONLY);
}

std::optional<uint64_t> TamanhoDe(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(st.st_size);
}

} // namespace

namespace {

// Reads up to n bytes at the offset; fewer at the end of the file. Nothing on a read error (a
// folder under the file's name, for example).
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

std::optional<Trecho> Ler(const std::filesystem::path& caminho, uint64_t deslocamento, std::size_t n,
                          bool criar) {
    Descritor d(AbrirParaLeitura(caminho, criar));
    if (!d.aberto()) {
        return std::nullopt;
    }
    const auto tamanho = TamanhoDe(d.fd());
    if (!tamanho) {
        return std::nullopt; // a folder or a device under the file's name
    }
    Trecho t;
    t.tamanho = *tamanho;
    if (deslocamento >= t.tamanho || n == 0) {
        return t;
    }
    const uint64_t disponivel = t.tamanho - deslocamento;
    auto bytes = LerDe(d.fd(), deslocamento, disponivel < n ? static_cast<std::size_t>(disponivel) : n);
    if (!bytes) {
        return std::nullopt;
    }
    t.bytes = std::move(*bytes);
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

bool Gravar(const std::filesystem::path& caminho, uint64_t deslocamento, std::string_view bytes,
            char preenchimento) {
    Descritor d(Abrir(caminho, O_WRONLY | O_CREAT));
    if (!d.aberto()) {
        return false;
    }
    const auto tamanho = TamanhoDe(d.fd());
    if (!tamanho) {
        return false;
    }
    // A file shorter than the offset gets its gap filled in the same write, so that it never
    // holds a stretch that was not written by us.
    std::string buffer;
    std::string_view dados = bytes;
    uint64_t inicio = deslocamento;
    if (*tamanho < deslocamento) {
        buffer.assign(static_cast<std::size_t>(deslocamento - *tamanho), preenchimento);
        buffer.append(bytes);
        dados = buffer;
        inicio = *tamanho;
    }
    std::size_t escritos = 0;
    while (escritos < dados.size()) {
        const ssize_t r = ::pwrite(d.fd(), dados.data() + escritos, dados.size() - escritos,
                                   static_cast<off_t>(inicio + escritos));
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
