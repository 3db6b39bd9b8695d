#pragma once
// Pages kept as display lists. The screen rendering does not paint pixels: it records the drawing
// calls that the layout makes on a SuperficieDesenho (font, colour, text at a position, rectangle,
// picture), page after page, and the viewer plays a page back on a real surface only when it is
// shown, at the resolution of the screen it is shown on. A page costs memory in proportion to
// its text, not to its size in pixels.
//
// The recording surface measures text with another surface (the measuring surface, of the
// resolution the layout is meant for), so that the layout breaks lines and pages exactly as it
// would when drawing directly; playing the list back makes the same calls, with the same
// coordinates, on the destination surface.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "layout/superficie.h"

namespace oraculandia {

// A font as the layout set it.
struct FonteGravada {
    std::string Nome;
    double Tamanho = 0;
    bool Negrito = false;
    bool Italico = false;
    bool operator==(const FonteGravada&) const = default;
};

class DocumentoGravado;

// The drawing calls of one page.
class PaginaGravada {
public:
    // Plays the page back on `destino`, with the fonts of the document it belongs to.
    void Reproduzir(SuperficieDesenho& destino, const std::vector<FonteGravada>& fontes) const;
    // Bytes held by the page (its lists and texts, with their spare capacity).
    std::size_t Bytes() const;
    // Number of drawing calls recorded (font and colour changes included).
    std::size_t Comandos() const { return comandos_.size(); }
    // Trims the spare capacity of a finished page.
    void Ajustar();

private:
    friend class SuperficieGravacao;
    enum class Tipo : uint8_t { Fonte, Cor, Texto, Retangulo, Figura };
    // Fonte: a = index in the document's fonts. Cor: a = 0xRRGGBB. Texto: a, b = offset and
    // length in textos_, at (x, y). Retangulo: a = 0xRRGGBB, corners in the next box. Figura:
    // a, b = the picture's name in textos_, its rectangle in the next box.
    struct Comando {
        Tipo tipo;
        uint32_t a = 0;
        uint32_t b = 0;
        double x = 0;
        double y = 0;
    };
    struct Caixa {
        double x1, y1, x2, y2;
    };
    std::vector<Comando> comandos_;
    std::vector<Caixa> caixas_;
    std::string textos_;
};

// The pages of one rendering, with the fonts they use.
class DocumentoGravado {
public:
    int Paginas() const { return static_cast<int>(paginas_.size()); }
    // Page `indice` (0-based).
    const PaginaGravada& Pagina(int indice) const { return paginas_.at(static_cast<std::size_t>(indice)); }
    // Plays page `indice` (0-based) back on `destino`.
    void Reproduzir(int indice, SuperficieDesenho& destino) const;
    // Page `indice` emptied, the document grown to hold it.
    PaginaGravada& PaginaVazia(int indice);
    // Drops every page.
    void Limpar();
    // Index of `fonte` in the document's list, added when new.
    uint32_t IndiceFonte(const FonteGravada& fonte);
    const std::vector<FonteGravada>& Fontes() const { return fontes_; }
    // Bytes held by every page and the font list.
    std::size_t Bytes() const;

private:
    std::deque<PaginaGravada> paginas_; // a page being recorded never moves
    std::vector<FonteGravada> fontes_;
};

// Records what is drawn on it into one page of a document. Measurements (text width and height)
// come from `medidor`, which also follows every font change; the current position, the font and
// the colour are the recording's own. A new recording surface starts with the state `medidor`
// had when the first one was made over it, as a fresh page image would.
class SuperficieGravacao : public SuperficieDesenho {
public:
    SuperficieGravacao(SuperficieDesenho& medidor, DocumentoGravado& documento, int pagina, double largura,
                       double altura);
    SuperficieGravacao(const SuperficieGravacao&) = delete;
    SuperficieGravacao& operator=(const SuperficieGravacao&) = delete;

    // Ends the page being recorded and records page `pagina` from now on, from the initial state.
    void MudarDePagina(int pagina);
    // Ends the page being recorded (trims its spare capacity).
    void Terminar();

    double X() const override { return x_; }
    double Y() const override { return y_; }
    void DefinirX(double x) override { x_ = x; }
    void DefinirY(double y) override { y_ = y; }
    std::string NomeFonte() const override { return fonte_.Nome; }
    double TamanhoFonte() const override { return fonte_.Tamanho; }
    bool Negrito() const override { return fonte_.Negrito; }
    bool Italico() const override { return fonte_.Italico; }
    void DefinirNomeFonte(const std::string& nome) override;
    void DefinirTamanhoFonte(double pontos) override;
    void DefinirNegrito(bool negrito) override;
    void DefinirItalico(bool italico) override;
    void DefinirCor(uint32_t rgb) override;
    double LarguraTexto(std::string_view texto) override;
    double AlturaTexto(std::string_view texto) override;
    void Imprimir(std::string_view texto) override;
    void ImprimirLinha(std::string_view texto) override;
    void Retangulo(double x1, double y1, double x2, double y2, uint32_t rgb) override;
    void Figura(std::string_view nome, double x, double y, double largura, double altura) override;
    double LarguraEscala() const override { return largura_; }
    double AlturaEscala() const override { return altura_; }

private:
    void IniciarPagina(int pagina);
    uint32_t GuardarTexto(std::string_view texto);
    void EmitirFonte();
    void EmitirCor();

    SuperficieDesenho& medidor_;
    DocumentoGravado& documento_;
    PaginaGravada* pagina_ = nullptr;
    double largura_, altura_;
    FonteGravada inicial_;
    double x_ = 0, y_ = 0;
    FonteGravada fonte_;
    uint32_t cor_ = kCorPreta;
    bool fonteEmitida_ = false; // the page's last font command is fonte_
    bool corEmitida_ = false;   // the page's last colour command is cor_
};

} // namespace oraculandia
