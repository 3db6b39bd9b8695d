// Linux and macOS: the platform answers of plataforma.h through POSIX calls.
#include "dados/plataforma.h"

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

namespace oraculandia::plataforma {

namespace {

std::filesystem::path PastaPessoal() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        return pw->pw_dir;
    }
    return {};
}

} // namespace

std::filesystem::path PastaDadosAplicativos() {
#ifdef __APPLE__
    const auto home = PastaPessoal();
    return home.empty() ? home : home / "Library" / "Application Support";
#else
    // The XDG rule: an absolute $XDG_DATA_HOME, else ~/.local/share.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const auto home = PastaPessoal();
    return home.empty() ? home : home / ".local" / "share";
#endif
}

bool PastaGravavel(const std::filesystem::path& pasta) {
    return ::access(pasta.c_str(), W_OK | X_OK) == 0;
}

std::tm HoraLocal(std::time_t instante) {
    std::tm local{};
    ::localtime_r(&instante, &local);
    return local;
}

unsigned long IdProcesso() {
    return static_cast<unsigned long>(::getpid());
}

std::filesystem::path ExecutavelAtual() {
#ifdef __APPLE__
    uint32_t tamanho = 0;
    ::_NSGetExecutablePath(nullptr, &tamanho);
    std::vector<char> buf(tamanho + 1, '\0');
    if (::_NSGetExecutablePath(buf.data(), &tamanho) != 0) {
        return {};
    }
    std::error_code erro;
    const auto real = std::filesystem::canonical(buf.data(), erro);
    return erro ? std::filesystem::path(buf.data()) : real;
#else
    std::error_code erro;
    const auto real = std::filesystem::read_symlink("/proc/self/exe", erro);
    return erro ? std::filesystem::path() : real;
#endif
}

std::filesystem::path CaminhoDeUtf8(std::string_view utf8) {
    return std::filesystem::path(std::string(utf8));
}

std::string Utf8DoCaminho(const std::filesystem::path& caminho) {
    return caminho.native();
}

ArgumentosUtf8::ArgumentosUtf8(int argc, char** argv) {
    textos_.assign(argv, argv + argc);
    for (auto& t : textos_) {
        ponteiros_.push_back(t.data());
    }
    ponteiros_.push_back(nullptr);
}

void PrepararSaidasPadrao() {}

bool EscreverSaida(std::FILE* fluxo, std::string_view utf8) {
    return std::fwrite(utf8.data(), 1, utf8.size(), fluxo) == utf8.size() && std::fflush(fluxo) == 0;
}

} // namespace oraculandia::plataforma
