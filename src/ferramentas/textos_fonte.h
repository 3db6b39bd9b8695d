#pragma once
// The editable source form of the interpretation texts and its packing into .DAT files.
//
// A source is data/textos/ARQUIVO.txt in UTF-8. A line "@@ N" starts record N; the lines after
// it, up to the next marker, are the text. Blank lines and blanks at the start and end of a
// record are dropped (the program trims spaces when it reads a record, so they would not
// survive anyway); every line break becomes CR LF. The records of some files (see
// TerminaComQuebraDeLinha) then get one final CR LF. Packing turns each source into 5120-byte
// Windows-1252 records, space-padded, the missing records blank up to the highest one.

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/resultado.h"

namespace oraculandia::textos {

inline constexpr std::size_t kBytesRegistro = 5120;

// The 29 interpretation files, by name without extension, in the program's order.
const std::vector<std::string>& NomesArquivos();

// Highest record number a file may hold (0 for an unknown name).
int RegistroMaximo(std::string_view nomeArquivo);

// The records of one file: record number -> text in Windows-1252 bytes, line breaks CR LF.
using Registros = std::map<int, std::string>;

// The records of a good source; or every fault found in it (Portuguese messages, UTF-8).
using ResultadoFonte = Resultado<Registros, std::vector<std::string>>;

// Files whose records the packer ends with a line break (CR LF) of their own, after trimming.
bool TerminaComQuebraDeLinha(std::string_view nomeArquivo);

// Parses and checks one source. `nomeArquivo` is the file name without extension ("CVIDA"); it
// decides the valid record range and names the file in the messages.
ResultadoFonte LerFonte(std::string_view nomeArquivo, std::string_view conteudoUtf8);

// The bytes of a .DAT file for these records (empty when there are none).
std::string MontarDat(const Registros& registros);

// Reads back every non-empty record of a .DAT file's bytes, trimmed of spaces at both ends as the
// program reads it.
Registros DesmontarDat(std::string_view bytes);

// The whole job of the packer: reads every source of `pastaFontes`, and only when all are good
// writes the 29 files into `pastaSaida` (each through a temporary file that is then renamed).
// Messages go to `erros`. Returns the process exit status: 0 done, 1 refused or failed.
int Empacotar(const std::filesystem::path& pastaFontes, const std::filesystem::path& pastaSaida,
              std::ostream& erros);

} // namespace oraculandia::textos
