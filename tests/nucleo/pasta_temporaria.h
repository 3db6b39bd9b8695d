#pragma once
// A temporary folder for one test, removed with everything in it when the test ends, and small
// helpers to read and write whole files as bytes.

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

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
inline bool SouRoot() { return ::geteuid() == 0; }

} // namespace oraculandia::teste
