#pragma once
// The few things about files and folders that each operating system answers in its own way. One
// implementation per platform: plataforma_posix.cpp (Linux, macOS) and plataforma_windows.cpp;
// the build picks the one for the platform.

#include <ctime>
#include <filesystem>

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

} // namespace oraculandia::plataforma
