#pragma once
// One open regular file of the program folder, as each platform file (arquivos_posix.cpp,
// arquivos_windows.cpp) provides it: opened without blocking and only when it is a regular file,
// closed when the object goes. arquivos.cpp builds the reads and writes of arquivos.h on it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace oraculandia::arquivos {

class ArquivoAberto {
public:
    // Reading; with `criar` a missing file is created empty first (when the folder allows it).
    // On failure, `ausente` tells whether nothing was there under that name.
    static ArquivoAberto ParaLeitura(const std::filesystem::path& caminho, bool criar, bool& ausente);
    // Reading and writing, created when missing.
    static ArquivoAberto ParaGravacao(const std::filesystem::path& caminho);

    ArquivoAberto(ArquivoAberto&& outro) noexcept : id_(outro.id_) { outro.id_ = kFechado; }
    ArquivoAberto(const ArquivoAberto&) = delete;
    ArquivoAberto& operator=(const ArquivoAberto&) = delete;
    ArquivoAberto& operator=(ArquivoAberto&&) = delete;
    ~ArquivoAberto();

    bool aberto() const { return id_ != kFechado; }
    std::optional<uint64_t> Tamanho() const;
    // Up to n bytes at the offset; fewer at the end of the file. Nothing on a read error.
    std::optional<std::string> LerEm(uint64_t deslocamento, std::size_t n) const;
    // All of `bytes` at the offset; a gap before it is left to the system (zero bytes).
    bool EscreverEm(uint64_t deslocamento, std::string_view bytes);
    // Closes now and tells whether the system reported the data as stored.
    bool Fechar();

private:
    static constexpr std::intptr_t kFechado = -1;
    explicit ArquivoAberto(std::intptr_t id) : id_(id) {}
    std::intptr_t id_; // the platform's descriptor or handle
};

} // namespace oraculandia::arquivos
