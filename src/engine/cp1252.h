#pragma once
// Windows-1252 text at the edges of the core. Inside the core a text is a std::string of
// Windows-1252 bytes (one byte per character, as in the data files); UTF-8 appears only where
// the program meets the outside world (command line, Qt widgets, the editable text sources).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace oraculandia {

// Converts one Windows-1252 byte to its Unicode code point. The five bytes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as
// Windows itself does, so that every byte round-trips.
char32_t Cp1252ParaUnicode(unsigned char byte);

// Converts a code point to its Windows-1252 byte, or nothing when the code page cannot hold it.
std::optional<unsigned char> UnicodeParaCp1252(char32_t ponto);

// Whole texts. Cp1252ParaUtf8 never fails.
std::string Cp1252ParaUtf8(std::string_view texto);

// The same for a text bound for a terminal: every control character other than CR, LF and TAB
// (the C0 controls, DEL, and the five bytes that map to C1 controls) becomes U+FFFD, so that
// bytes from a data file cannot move the cursor, clear the screen or ring the bell.
std::string Cp1252ParaUtf8SemControles(std::string_view texto);

// Result of converting UTF-8 to Windows-1252: the text, or the characters that could not be
// converted (each at most once, in order of first appearance). Malformed UTF-8 is reported as
// U+FFFD.
struct ConversaoCp1252 {
    std::string texto;
    std::vector<char32_t> invalidos;
    bool ok() const { return invalidos.empty(); }
};
ConversaoCp1252 Utf8ParaCp1252(std::string_view utf8);

// Encodes one code point as UTF-8 (used to name refused characters in messages).
std::string CodigoParaUtf8(char32_t ponto);

} // namespace oraculandia
