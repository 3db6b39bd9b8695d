#pragma once
// A temporary folder for one test, removed with everything in it when the test ends, and small
// helpers to read and write whole files as bytes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

#include "processo_filho.h"

namespace oraculandia::teste {

class PastaTemporaria {
public:
    PastaTemporaria() {
        std::string modelo = (std::filesystem::temp_directory_path() / "oraculandia-XXXXXX").string();
        if (::mkdtemp(modelo.data()) != nullptr) {
            caminho_ = modelo;
        }
    }
    ~PastaTemporaria() {
        std::error_code erro;
        // A test may have made the folder read-only; give the permission back to clean up.
        std::filesystem::permissions(caminho_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, erro);
        std::filesystem::remove_all(caminho_, erro);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;
    const std::filesystem::path& caminho() const { return caminho_; }
    std::filesystem::path operator/(std::string_view nome) const { return caminho_ / nome; }

private:
    std::filesystem::path caminho_;
};

inline std::string LerArquivo(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void EscreverArquivo(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// True when the process runs as root, for which file permissions do not apply.
inline bool SouRoot() {
    return ::geteuid() == 0;
}

// Marks a check that could not be run because the process cannot become an ordinary user.
inline constexpr const char* kSemUsuarioComum = "<no unprivileged user available>";

// Runs `verificacao` (which returns "" when all went well, or what went wrong) where file
// permissions apply: directly for an ordinary user; for root, in a child process that gives the
// folder to the unprivileged user "nobody" (65534) and becomes that user first. Returns
// kSemUsuarioComum when that is impossible (a root without the capabilities to do it).
template <typename Verificacao>
std::string ComoUsuarioComum(const std::filesystem::path& pasta, Verificacao verificacao) {
    if (!SouRoot()) {
        return verificacao();
    }
    constexpr uid_t kNinguem = 65534;
    if (::chown(pasta.c_str(), kNinguem, kNinguem) != 0) {
        return kSemUsuarioComum;
    }
    for (const auto& e : std::filesystem::recursive_directory_iterator(pasta)) {
        if (::chown(e.path().c_str(), kNinguem, kNinguem) != 0) {
            return kSemUsuarioComum;
        }
    }
    int estado = 0;
    std::string r = NoProcessoFilho(
        [&]() -> std::string {
            if (::setgid(kNinguem) != 0 || ::setuid(kNinguem) != 0) {
                return kSemUsuarioComum;
            }
            return verificacao();
        },
        estado);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        r += " (child process failed)";
    }
    return r;
}

} // namespace oraculandia::teste
