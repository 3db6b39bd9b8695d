#pragma once
// The few things about files and folders that each operating system answers in its own way. One
// implementation per platform: plataforma_posix.cpp (Linux, macOS) and plataforma_windows.cpp;
// the build picks the one for the platform.

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace oraculandia::plataforma {

// The folder where applications keep per-user data (~/.local/share or $XDG_DATA_HOME on Linux,
// ~/Library/Application Support on macOS, %APPDATA% on Windows); empty when there is none.
std::filesystem::path PastaDadosAplicativos();

// Whether the current user may create files in `pasta`, asked without writing anything.
bool PastaGravavel(const std::filesystem::path& pasta);

// The local calendar time of `instante` (localtime_r or localtime_s).
std::tm HoraLocal(std::time_t instante);

// This process's number, to name temporary files apart from another instance's.
unsigned long IdProcesso();

// The running executable's full path; empty when the system does not say.
std::filesystem::path ExecutavelAtual();

// A path named by UTF-8 text (a --diretorio value, a name typed in a window), and a path's name
// as UTF-8 text for messages. On Windows the conversion goes through UTF-16, never through the
// ANSI code page, so a folder such as C:\Users\José keeps its letters; bytes that are not UTF-8
// become U+FFFD there. On POSIX the bytes are the file name, unchanged. Neither throws.
std::filesystem::path CaminhoDeUtf8(std::string_view utf8);
std::string Utf8DoCaminho(const std::filesystem::path& caminho);

// The program's arguments as UTF-8 text, with argc and argv in the form main() receives them.
// On POSIX they are argv itself. On Windows argv is in the ANSI code page, which cannot hold most
// names; the arguments are taken again from the UTF-16 command line and converted to UTF-8 (a
// lone surrogate gives bytes that are not UTF-8, refused later as any such bytes are).
class ArgumentosUtf8 {
public:
    ArgumentosUtf8(int argc, char** argv);
    ArgumentosUtf8(const ArgumentosUtf8&) = delete;
    ArgumentosUtf8& operator=(const ArgumentosUtf8&) = delete;

    int argc() const { return static_cast<int>(textos_.size()); }
    char** argv() { return ponteiros_.data(); }

private:
    std::vector<std::string> textos_;
    std::vector<char*> ponteiros_; // into textos_, ending with a null pointer as argv does
};

// Makes standard output and standard error take the program's bytes as they are: on Windows
// both become binary, so that no LF is turned into CR LF (the export text keeps its own CR LF and
// JSON its LF: the same bytes as on Linux). Nothing to do on POSIX.
void PrepararSaidasPadrao();

// Writes UTF-8 text to `fluxo` (stdout or stderr) and flushes it; false when the stream refused
// it. On Windows a stream that is a console gets the text in UTF-16 through WriteConsoleW, so the
// console shows the letters whatever its code page; a file or a pipe gets the UTF-8 bytes. All of
// the command line's output goes through here.
bool EscreverSaida(std::FILE* fluxo, std::string_view utf8);

} // namespace oraculandia::plataforma
