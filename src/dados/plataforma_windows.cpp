// Windows: the platform answers of plataforma.h through the Win32 API.
#include "dados/plataforma.h"

#include <io.h>
#include <shlobj.h>
#include <string>
#include <windows.h>

namespace oraculandia::plataforma {

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

} // namespace oraculandia::plataforma
