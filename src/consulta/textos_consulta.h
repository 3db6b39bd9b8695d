#pragma once
// The interpretation texts of the consultation tools (forecasts and harmony): records of the
// usual interpretation files, each file read once, in one read of all its records, with a note for a file
// that is missing, empty or unreadable so that the window or the command line can say so once and still show
// the numbers.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace oraculandia {

class TextosConsulta {
public:
    // `pasta` is the program folder; nothing is ever created there.
    explicit TextosConsulta(std::filesystem::path pasta) : pasta_(std::move(pasta)) {}

    // Record `numero` (from 1) of `arquivo` as UTF-8, paragraphs separated by "\n\n"; empty when
    // the file or the record is not there (the file is then named in Problemas()).
    // `registros` is how many records the file has (they are read in one go the first time).
    std::string Texto(const std::string& arquivo, int numero, int registros = 9);

    // One line per file that could not give its texts (UTF-8, in the order first met).
    const std::vector<std::string>& Problemas() const { return problemas_; }

private:
    std::filesystem::path pasta_;
    // The records of each file met, read in one go (a file that could not be read holds none).
    std::map<std::string, std::optional<std::string>> bytes_;
    std::vector<std::string> problemas_;
};

} // namespace oraculandia
