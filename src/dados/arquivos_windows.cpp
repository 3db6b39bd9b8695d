// Windows platform file: ArquivoAberto (arquivo_aberto.h) with CreateFileW, ReadFile and
// WriteFile at explicit offsets. The same rules as on POSIX: only regular disk files are used (a
// device name such as CON or COM1, a pipe or a folder counts as unreadable and is never written).
#include "dados/arquivo_aberto.h"

#include <windows.h>

#include <algorithm>

namespace oraculandia::arquivos {

namespace {

HANDLE Manipulador(std::intptr_t id) {
    return reinterpret_cast<HANDLE>(id);
}

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

std::intptr_t Id(HANDLE h) {
    return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h);
}

OVERLAPPED Posicao(uint64_t deslocamento) {
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(deslocamento & 0xFFFFFFFFu);
    o.OffsetHigh = static_cast<DWORD>(deslocamento >> 32);
    return o;
}

} // namespace

ArquivoAberto ArquivoAberto::ParaLeitura(const std::filesystem::path& caminho, bool criar, bool& ausente) {
    HANDLE h = AbrirRegular(caminho, GENERIC_READ, OPEN_EXISTING);
    if (h == INVALID_HANDLE_VALUE && criar && Ausente(::GetLastError())) {
        h = AbrirRegular(caminho, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
        if (h == INVALID_HANDLE_VALUE) {
            h = AbrirRegular(caminho, GENERIC_READ, OPEN_EXISTING);
        }
    }
    ausente = h == INVALID_HANDLE_VALUE && Ausente(::GetLastError());
    return ArquivoAberto(Id(h));
}

ArquivoAberto ArquivoAberto::ParaGravacao(const std::filesystem::path& caminho) {
    return ArquivoAberto(Id(AbrirRegular(caminho, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS)));
}

ArquivoAberto::~ArquivoAberto() {
    if (aberto()) {
        ::CloseHandle(Manipulador(id_));
    }
}

std::optional<uint64_t> ArquivoAberto::Tamanho() const {
    LARGE_INTEGER t{};
    if (!::GetFileSizeEx(Manipulador(id_), &t) || t.QuadPart < 0) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(t.QuadPart);
}

std::optional<std::string> ArquivoAberto::LerEm(uint64_t deslocamento, std::size_t n) const {
    std::string bytes(n, '\0');
    std::size_t lidos = 0;
    while (lidos < n) {
        OVERLAPPED o = Posicao(deslocamento + lidos);
        const DWORD pedir = static_cast<DWORD>(std::min<std::size_t>(n - lidos, 1u << 30));
        DWORD r = 0;
        if (!::ReadFile(Manipulador(id_), bytes.data() + lidos, pedir, &r, &o)) {
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

bool ArquivoAberto::EscreverEm(uint64_t deslocamento, std::string_view bytes) {
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        OVERLAPPED o = Posicao(deslocamento + escritos);
        const DWORD pedir = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - escritos, 1u << 30));
        DWORD r = 0;
        if (!::WriteFile(Manipulador(id_), bytes.data() + escritos, pedir, &r, &o) || r == 0) {
            return false;
        }
        escritos += r;
    }
    return true;
}

bool ArquivoAberto::Fechar() {
    const bool ok = ::CloseHandle(Manipulador(id_)) != 0;
    id_ = kFechado;
    return ok;
}

} // namespace oraculandia::arquivos
