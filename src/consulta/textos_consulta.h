#pragma once
// The interpretation texts of the consultation tools (forecasts and harmony): records of the
// usual interpretation files, read once per file, with a note for a file that is missing, empty
// or unreadable so that the window or the command line can say so once and still show the numbers.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace oraculandia {

class TextosConsulta {
public:
    // `pasta` is the program folder; nothing is ever created there.
    explicit TextosConsulta(std::filesystem::path pasta) : pasta_(std::move(pasta)) {}

    // Record `numero` (from 1) of `arquivo` as UTF-8, paragraphs separated by "\n\n"; empty when
    // the file or the record is not there (the file is then named in Problemas()).
    std::string Texto(const std::string& arquivo, int numero);

    // One line per file that could not give its texts (UTF-8, in the order first met).
    const std::vector<std::string>& Problemas() const { return problemas_; }

private:
    std::filesystem::path pasta_;
    std::map<std::string, bool> examinados_; // file -> usable
    std::vector<std::string> problemas_;
};

} // namespace oraculandia
