#pragma once
// SuperficieDesenho: what every page renderer draws on, in millimetres from the top-left corner
// of the page, Y growing downwards, font sizes in points. The screen page buffers, the printer
// and the print preview implement it over QPainter (layout/qt/superficie_qt.h); the layout tests
// use a surface with fixed, simple metrics.
//
// Texts are Windows-1252 bytes, as everywhere in the core.

#include <cstdint>
#include <string>
#include <string_view>

namespace oraculandia {

// Colours as 0xRRGGBB.
inline constexpr uint32_t kCorPreta = 0x000000;

// Names of the pictures a surface can paint.
inline constexpr const char* kFiguraCapa = "capa";
inline constexpr const char* kFiguraDivisoria = "divisoria";
inline constexpr const char* kFiguraBorda = "borda";
// "signo01" ... "signo12" for zodiac sign 1 (Scorpio) ... 12 (Capricorn).
std::string NomeFiguraSigno(int signo);

class SuperficieDesenho {
public:
    virtual ~SuperficieDesenho() = default;

    // Sets the scale to millimetres. Every implementation works in millimetres already; the call
    // exists because the drawing routines set it themselves before they draw.
    virtual void EscalaMilimetros() {}

    // Current position: the top-left corner of the next text output.
    virtual double X() const = 0;
    virtual double Y() const = 0;
    virtual void DefinirX(double x) = 0;
    virtual void DefinirY(double y) = 0;

    // Current font. The size is kept as set (points, not rounded).
    virtual std::string NomeFonte() const = 0;
    virtual double TamanhoFonte() const = 0;
    virtual bool Negrito() const = 0;
    virtual bool Italico() const = 0;
    virtual void DefinirNomeFonte(const std::string& nome) = 0;
    virtual void DefinirTamanhoFonte(double pontos) = 0;
    virtual void DefinirNegrito(bool negrito) = 0;
    virtual void DefinirItalico(bool italico) = 0;

    // Colour of text and rectangles drawn from now on.
    virtual void DefinirCor(uint32_t rgb) = 0;

    // Measurements in the current font, millimetres. The height of any single-line text is the
    // font's full line height (ascent, descent and leading), whatever characters it holds.
    virtual double LarguraTexto(std::string_view texto) = 0;
    virtual double AlturaTexto(std::string_view texto) = 0;

    // Prints at (X, Y) without moving to a new line: X and Y stay as they are.
    virtual void Imprimir(std::string_view texto) = 0;
    // Prints at (X, Y) and moves to the next line: X = 0, Y advanced by the text's height.
    virtual void ImprimirLinha(std::string_view texto) = 0;

    // A filled rectangle between two corner points.
    virtual void Retangulo(double x1, double y1, double x2, double y2, uint32_t rgb) = 0;
    // Paints the named picture stretched into the rectangle (left, top, width, height).
    virtual void Figura(std::string_view nome, double x, double y, double largura, double altura) = 0;

    // Size of the drawable area in millimetres.
    virtual double LarguraEscala() const = 0;
    virtual double AlturaEscala() const = 0;
};

} // namespace oraculandia
