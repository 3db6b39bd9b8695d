#pragma once
// Paths between Qt and the core. A QString holds any letter of a file name; on Windows the core's
// std::filesystem::path holds it in UTF-16, while QFile::encodeName or a std::string path would
// go through the ANSI code page and lose the letters it lacks (C:\Users\José is fine in Latin-1,
// a name in another script is not). Both directions go through UTF-8 and the core's platform
// helpers (dados/plataforma.h), the same the command line uses, so the Windows test under Wine
// exercises them. On Linux the result is the QFile::encodeName one: Qt 6 names files in UTF-8.

#include <QString>
#include <filesystem>

#include "dados/plataforma.h"

namespace oraculandia {

inline std::filesystem::path CaminhoDeQString(const QString& caminho) {
    return plataforma::CaminhoDeUtf8(caminho.toStdString());
}

inline QString QStringDeCaminho(const std::filesystem::path& caminho) {
    return QString::fromStdString(plataforma::Utf8DoCaminho(caminho));
}

} // namespace oraculandia
