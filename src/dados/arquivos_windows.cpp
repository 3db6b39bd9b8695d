// Windows platform file: the file access of arquivos.h with CreateFileW, ReadFile and WriteFile at
// explicit offsets. The same rules as the POSIX file: only regular disk files are used (a device
// name such as CON or COM1, a pipe or a folder counts as unreadable and is never written), and a
// write puts only its own bytes in the file.
#include "dados/arquivos.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace oraculandia::arquivos {

namespace {

// Closes the handle when the call ends, whichever way it ends.
class Manipulador {
public:
    explicit Manipulador(HANDLE h) : h_(h) {}
    ~Manipulador() {
        if (aberto()) {
            ::CloseHandle(h_);
        }
    }
    Manipulador(const Manipulador&) = delete;
    Manipulador& operator=(const Manipulador&) = delete;
    HANDLE h() const { return h_; }
    bool aberto() const { return h_ != INVALID_HANDLE_VALUE; }
    // Closes now and tells whether the system reported the data as stored.
    bool Fechar() {
        const bool ok = ::CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

bool Ausente(DWORD erro) {
    return erro == ERROR_FILE_NOT_FOUND || erro == ERROR_PATH_NOT_FOUND;
}

// Opens a regular disk file. Devices answer to names in every folder ("C:\dados\CON"), so what
// was opened is checked to be a disk file before anything is read or written.
HANDLE AbrirRegular(const std::filesystem::path& caminho, DWORD acesso, DWORD criacao) {
    const DWORD atributos = ::GetFileAttributesW(caminho.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE h = ::CreateFileW(caminho.c_str(), acesso, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, criacao, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return h;
    }
    if (::GetFileType(h) != FILE_TYPE_DISK) {
        ::CloseHandle(h);
        ::SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return h;
}

HANDLE AbrirParaLeitura(const std::filesystem::path& caminho, bool criar) {
    HANDLE h = AbrirRegular(caminho, GENERIC_READ, OPEN_EXISTING);
    if (h != INVALID_HANDLE_VALUE || !criar || !Ausente(::GetLastError())) {
        return h;
    }
    h = AbrirRegular(caminho, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (h != INVALID_HANDLE_VALUE) {
        return h;
    }
    return AbrirRegular(caminho, GENERIC_READ, OPEN_EXISTING);
}

std::optional<uint64_t> TamanhoDe(HANDLE h) {
    LARGE_INTEGER t{};
    if (!::GetFileSizeEx(h, &t) || t.QuadPart < 0) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(t.QuadPart);
}

OVERLAPPED Posicao(uint64_t deslocamento) {
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(deslocamento & 0xFFFFFFFFu);
    o.OffsetHigh = static_cast<DWORD>(deslocamento >> 32);
    return o;
}

// Reads up to n bytes at the offset; fewer at the end of the file. Nothing on a read error.
std::optional<std::string> LerDe(HANDLE h, uint64_t deslocamento, std::size_t n) {
    std::string bytes(n, '\0');
    std::size_t lidos = 0;
    while (lidos < n) {
        OVERLAPPED o = Posicao(deslocamento + lidos);
        const DWORD pedir = static_cast<DWORD>(std::min<std::size_t>(n - lidos, 1u << 30));
        DWORD r = 0;
        if (!::ReadFile(h, bytes.data() + lidos, pedir, &r, &o)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            return std::nullopt;
        }
        if (r == 0) {
            break;
        }
        lidos += r;
    }
    bytes.resize(lidos);
    return bytes;
}

} // namespace

Situacao Examinar(const std::filesystem::path& caminho) {
    Manipulador m(AbrirRegular(caminho, GENERIC_READ, OPEN_EXISTING));
    if (!m.aberto()) {
        return Ausente(::GetLastError()) ? Situacao::Ausente : Situacao::Ilegivel;
    }
    const auto tamanho = TamanhoDe(m.h());
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
    Manipulador m(AbrirParaLeitura(caminho, criar));
    if (!m.aberto()) {
        return falhou(Ausente(::GetLastError()) ? Situacao::Ausente : Situacao::Ilegivel);
    }
    const auto tamanho = TamanhoDe(m.h());
    if (!tamanho) {
        return falhou(Situacao::Ilegivel);
    }
    Trecho t;
    t.tamanho = *tamanho;
    if (deslocamento < t.tamanho && n > 0) {
        const uint64_t disponivel = t.tamanho - deslocamento;
        auto bytes = LerDe(m.h(), deslocamento, disponivel < n ? static_cast<std::size_t>(disponivel) : n);
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
    Manipulador m(AbrirParaLeitura(caminho, criar));
    if (!m.aberto()) {
        return std::nullopt;
    }
    return LerDe(m.h(), deslocamento, n);
}

bool Gravar(const std::filesystem::path& caminho, uint64_t deslocamento, std::string_view bytes) {
    // Opened for reading too: a file the program cannot read is one it must not write over.
    Manipulador m(AbrirRegular(caminho, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS));
    if (!m.aberto()) {
        return false;
    }
    // Only the bytes asked for: a gap before the offset is filled by the system with zero bytes.
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        OVERLAPPED o = Posicao(deslocamento + escritos);
        const DWORD pedir = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - escritos, 1u << 30));
        DWORD r = 0;
        if (!::WriteFile(m.h(), bytes.data() + escritos, pedir, &r, &o) || r == 0) {
            return false;
        }
        escritos += r;
    }
    return m.Fechar();
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
