#include "layout/qt/cp1252_qt.h"

#include <array>

namespace oraculandia {

namespace {

// Each byte's character, once: the pages convert every text they measure and draw.
const std::array<QChar, 256>& TabelaCp1252() {
    static const std::array<QChar, 256> tabela = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] =
                QChar(static_cast<char16_t>(Cp1252ParaUnicode(static_cast<unsigned char>(b))));
        return t;
    }();
    return tabela;
}

} // namespace

QString Cp1252ParaQString(std::string_view texto) {
    const auto& tabela = TabelaCp1252();
    QString r(static_cast<qsizetype>(texto.size()), Qt::Uninitialized);
    QChar* d = r.data();
    for (unsigned char c : texto)
        *d++ = tabela[c];
    return r;
}

} // namespace oraculandia
