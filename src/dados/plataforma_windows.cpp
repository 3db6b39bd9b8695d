// Windows: the platform answers of plataforma.h through the Win32 API.
#include "dados/plataforma.h"

// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace oraculandia::plataforma {

namespace {

// UTF-16 to UTF-8 by hand, so that a lone surrogate (which no valid text holds) is kept as the
// three bytes it would take, which are not UTF-8 and are refused where text is checked, instead
// of being changed silently into another character.
std::string Utf8DeUtf16(std::wstring_view texto) {
    std::string r;
    r.reserve(texto.size() * 3);
    for (std::size_t i = 0; i < texto.size(); ++i) {
        unsigned long c = texto[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < texto.size() && texto[i + 1] >= 0xDC00 &&
            texto[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<unsigned long>(texto[i + 1]) - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            r += static_cast<char>(c);
        } else if (c < 0x800) {
            r += static_cast<char>(0xC0 | (c >> 6));
            r += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            r += static_cast<char>(0xE0 | (c >> 12));
            r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            r += static_cast<char>(0xF0 | (c >> 18));
            r += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return r;
}

std::wstring Utf16DeUtf8(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring largo(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), largo.data(), n);
    return largo;
}

// The console behind `fluxo`, or nothing when it is a file, a pipe or closed.
HANDLE Console(std::FILE* fluxo) {
    const HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(fluxo)));
    DWORD modo = 0;
    return h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &modo) ? h : nullptr;
}

} // namespace

std::filesystem::path PastaDadosAplicativos() {
    PWSTR caminho = nullptr;
    std::filesystem::path pasta;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &caminho))) {
        pasta = caminho;
    }
    ::CoTaskMemFree(caminho);
    return pasta;
}

bool PastaGravavel(const std::filesystem::path& pasta) {
    // _waccess looks at the read-only attribute only; a folder protected by its access list
    // (Program Files) is recognised by where it is.
    if (::_waccess(pasta.c_str(), 2) != 0) {
        return false;
    }
    PWSTR programas = nullptr;
    bool protegida = false;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &programas))) {
        const std::wstring p = pasta.wstring();
        const std::wstring base = programas;
        protegida = p.size() >= base.size() && ::_wcsnicmp(p.c_str(), base.c_str(), base.size()) == 0;
    }
    ::CoTaskMemFree(programas);
    return !protegida;
}

std::tm HoraLocal(std::time_t instante) {
    std::tm local{};
    ::localtime_s(&local, &instante);
    return local;
}

unsigned long IdProcesso() {
    return ::GetCurrentProcessId();
}

std::filesystem::path ExecutavelAtual() {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) {
            return {};
        }
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

std::filesystem::path CaminhoDeUtf8(std::string_view utf8) {
    return std::filesystem::path(Utf16DeUtf8(utf8));
}

std::string Utf8DoCaminho(const std::filesystem::path& caminho) {
    const std::wstring& largo = caminho.native();
    if (largo.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string r(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), r.data(), n, nullptr,
                          nullptr);
    return r;
}

ArgumentosUtf8::ArgumentosUtf8(int argc, char** argv) {
    int n = 0;
    if (LPWSTR* largos = ::CommandLineToArgvW(::GetCommandLineW(), &n); largos != nullptr) {
        for (int i = 0; i < n; ++i) {
            textos_.push_back(Utf8DeUtf16(largos[i]));
        }
        ::LocalFree(largos);
    } else {
        textos_.assign(argv, argv + argc); // the system gave no command line: what main() got
    }
    for (auto& t : textos_) {
        ponteiros_.push_back(t.data());
    }
    ponteiros_.push_back(nullptr);
}

void PrepararSaidasPadrao() {
    std::fflush(stdout);
    std::fflush(stderr);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

bool EscreverSaida(std::FILE* fluxo, std::string_view utf8) {
    const HANDLE console = Console(fluxo);
    if (console == nullptr) {
        return std::fwrite(utf8.data(), 1, utf8.size(), fluxo) == utf8.size() && std::fflush(fluxo) == 0;
    }
    std::fflush(fluxo);
    const std::wstring largo = Utf16DeUtf8(utf8);
    std::size_t feito = 0;
    while (feito < largo.size()) {
        // In pieces the console takes at once, never between the two halves of a surrogate pair.
        std::size_t n = std::min<std::size_t>(largo.size() - feito, 4096);
        if (n > 1 && feito + n < largo.size() && largo[feito + n - 1] >= 0xD800 &&
            largo[feito + n - 1] <= 0xDBFF) {
            --n;
        }
        DWORD escritos = 0;
        if (!::WriteConsoleW(console, largo.data() + feito, static_cast<DWORD>(n), &escritos, nullptr) ||
            escritos == 0) {
            return false;
        }
        feito += escritos;
    }
    return true;
}

} // namespace oraculandia::plataforma
