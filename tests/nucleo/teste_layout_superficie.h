#pragma once
// A drawing surface with fixed, simple metrics for the layout tests: every character is 2 mm
// wide, every text (empty or not) is 5 mm high. It records every output with the state it was
// made in.

#include <string>
#include <vector>

#include "layout/superficie.h"

namespace oraculandia::teste {

struct Saida {
    enum class Tipo { Texto, TextoComLinha, Retangulo, Figura } tipo;
    std::string texto; // text, or the picture's name
    double x = 0, y = 0, largura = 0,
           altura = 0; // rectangle: x, y = first corner; largura, altura = second corner
    std::string fonte;
    double tamanho = 0;
    bool negrito = false, italico = false;
};

class SuperficieTeste : public SuperficieDesenho {
public:
    explicit SuperficieTeste(double largura = 210, double altura = 297)
        : largura_(largura), altura_(altura) {}

    double larguraCaractere = 2;
    double alturaLinha = 5;
    std::vector<Saida> saidas;

    double X() const override { return x_; }
    double Y() const override { return y_; }
    void DefinirX(double x) override { x_ = x; }
    void DefinirY(double y) override { y_ = y; }
    std::string NomeFonte() const override { return fonte_; }
    double TamanhoFonte() const override { return tamanho_; }
    bool Negrito() const override { return negrito_; }
    bool Italico() const override { return italico_; }
    void DefinirNomeFonte(const std::string& nome) override { fonte_ = nome; }
    void DefinirTamanhoFonte(double pontos) override { tamanho_ = pontos; }
    void DefinirNegrito(bool b) override { negrito_ = b; }
    void DefinirItalico(bool b) override { italico_ = b; }
    void DefinirCor(uint32_t rgb) override { cor_ = rgb; }
    double LarguraTexto(std::string_view t) override {
        ++medicoes;
        return larguraCaractere * static_cast<double>(t.size());
    }
    double AlturaTexto(std::string_view) override { return alturaLinha; }
    void Imprimir(std::string_view t) override { Registrar(Saida::Tipo::Texto, t); }
    void ImprimirLinha(std::string_view t) override {
        Registrar(Saida::Tipo::TextoComLinha, t);
        x_ = 0;
        y_ += alturaLinha;
    }
    void Retangulo(double x1, double y1, double x2, double y2, uint32_t) override {
        saidas.push_back({Saida::Tipo::Retangulo, {}, x1, y1, x2, y2, fonte_, tamanho_, negrito_, italico_});
    }
    void Figura(std::string_view nome, double x, double y, double l, double a) override {
        saidas.push_back(
            {Saida::Tipo::Figura, std::string(nome), x, y, l, a, fonte_, tamanho_, negrito_, italico_});
    }
    double LarguraEscala() const override { return largura_; }
    double AlturaEscala() const override { return altura_; }

    // Only the text outputs.
    std::vector<Saida> Textos() const {
        std::vector<Saida> r;
        for (const auto& s : saidas)
            if (s.tipo == Saida::Tipo::Texto || s.tipo == Saida::Tipo::TextoComLinha)
                r.push_back(s);
        return r;
    }
    const Saida* Procurar(std::string_view texto) const {
        for (const auto& s : saidas)
            if (s.texto == texto)
                return &s;
        return nullptr;
    }

    long medicoes = 0;

private:
    void Registrar(Saida::Tipo tipo, std::string_view t) {
        saidas.push_back({tipo, std::string(t), x_, y_, 0, 0, fonte_, tamanho_, negrito_, italico_});
    }
    double largura_, altura_;
    double x_ = 0, y_ = 0;
    std::string fonte_ = "Arial";
    double tamanho_ = 10;
    bool negrito_ = false, italico_ = false;
    uint32_t cor_ = 0;
};

} // namespace oraculandia::teste
