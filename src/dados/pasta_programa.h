#pragma once
// Where the program keeps its data: the interpretation files, the sounds and the settings files.
// One rule, shared by the window program and the command line:
//
//   1. the folder given with --diretorio;
//   2. otherwise the executable's folder, when it holds interpretation files and can be written
//      (the build folder, a portable copy);
//   3. otherwise the user's data folder (~/.local/share/Oraculandia on Linux), which the window
//      program creates and fills with copies of the installed files on its first start. A file
//      that is already there is never replaced, so the user's edited texts survive upgrades; a
//      file the user lacks (one added by a later version, say) is copied in. A portable copy
//      that cannot be written (its folder owned by another user) fills the user's folder from the
//      executable's folder first (its interpretation files and sounds), then from the installed
//      files.
//
// The command line only reads: it never creates the user's folder nor copies anything into it,
// and reads the executable's folder (a read-only portable copy) or else the installed files when
// the user's folder is not ready.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace oraculandia {

// The interpretation files, by name with extension, as the program reads them.
const std::vector<std::string>& ArquivosDeInterpretacao();

// The places the rule looks at.
struct LocaisPrograma {
    std::filesystem::path pastaExecutavel; // folder of the running program
    std::filesystem::path dadosInstalados; // the package's copy of the data (read-only)
    std::filesystem::path dadosUsuario;    // the user's own folder (may not exist yet)
    // Whether a folder can be written; the platform's check unless a test replaces it.
    std::function<bool(const std::filesystem::path&)> gravavel;
};

// The places for a program whose executable lives in `pastaExecutavel`: the installed data
// relative to it (../share/oraculandia, or ../Resources/oraculandia in a macOS bundle) and the
// user's data folder of this platform. Empty dadosUsuario when the system gives no home folder.
LocaisPrograma LocaisPadrao(const std::filesystem::path& pastaExecutavel);

// The folder of the running executable (empty when the system does not say).
std::filesystem::path PastaDoExecutavel();

enum class OrigemPasta { Opcao, Executavel, Usuario, Instalada };

struct PastaEscolhida {
    std::filesystem::path pasta; // empty when `erro` says why there is none
    OrigemPasta origem = OrigemPasta::Opcao;
    std::string erro;                     // Portuguese, UTF-8: the folder cannot be used
    std::vector<std::string> naoCopiados; // files that could not be copied into the user's folder
};

// Nothing when `valor` (the value of --diretorio) names an existing folder; otherwise the message
// (UTF-8, without the "Erro:" prefix), the same in both programs. An empty value is refused: it
// would silently mean the current folder.
std::optional<std::string> ProblemaDoDiretorio(std::string_view valor);

// Applies the rule. `opcaoDiretorio` is the value of --diretorio when given. With `preparar`
// (the window program) the user's folder is created and filled; without it nothing is written.
PastaEscolhida EscolherPastaPrograma(const std::optional<std::string>& opcaoDiretorio,
                                     const LocaisPrograma& locais, bool preparar);

// Copies into `destino` every regular file of `origem` that `destino` lacks, never replacing
// anything. Each copy goes through a temporary file, so a failed copy (a full disk) leaves no
// partial file behind. Returns the names that could not be copied.
// With `aceitar`, only the files whose names it accepts are copied.
std::vector<std::string> CopiarArquivosQueFaltam(const std::filesystem::path& origem,
                                                 const std::filesystem::path& destino,
                                                 const std::function<bool(const std::string&)>& aceitar = {});

} // namespace oraculandia
