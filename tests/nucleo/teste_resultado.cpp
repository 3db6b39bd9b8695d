// The value-or-failure type: what goes in comes out, on either side, for copies and moves alike.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/resultado.h"

using oraculandia::AcessoSemValor;
using oraculandia::Falha;
using oraculandia::Resultado;

namespace {

enum class Motivo { Ausente, Ilegivel };

// Gives back `n` as a value when even and as a failure (its text) when odd.
Resultado<int, std::string> Metade(int n) {
    if (n % 2 != 0)
        return Falha(std::to_string(n));
    return n / 2;
}

// Passes a failure on unchanged, as the callers do.
Resultado<long, std::string> Dobro(int n) {
    const auto m = Metade(n);
    if (!m)
        return Falha(m.error());
    return 4L * *m;
}

Resultado<void, Motivo> Verificar(bool ok, Motivo motivo) {
    if (!ok)
        return Falha(motivo);
    return {};
}

} // namespace

TEST(Resultado, ValoresEFalhasVoltamComoEntraram) {
    std::mt19937 gerador(20261209);
    std::uniform_int_distribution<int> numeros(-100000, 100000);
    for (int i = 0; i < 500; ++i) {
        const int n = numeros(gerador);
        const auto r = Metade(n);
        const auto d = Dobro(n);
        ASSERT_EQ(r.has_value(), n % 2 == 0) << n;
        ASSERT_EQ(static_cast<bool>(r), r.has_value());
        ASSERT_EQ(d.has_value(), r.has_value());
        if (r) {
            EXPECT_EQ(*r, n / 2);
            EXPECT_EQ(r.value(), n / 2);
            EXPECT_EQ(r.value_or(7), n / 2);
            EXPECT_EQ(*d, 2L * n);
        } else {
            EXPECT_EQ(r.error(), std::to_string(n));
            EXPECT_EQ(d.error(), std::to_string(n)); // passed on unchanged
            EXPECT_EQ(r.value_or(7), 7);
            EXPECT_THROW((void)r.value(), AcessoSemValor);
        }
        // A copy holds the same and stays apart from the original.
        auto copia = r;
        ASSERT_EQ(copia.has_value(), r.has_value());
        if (copia) {
            *copia += 1;
            EXPECT_EQ(*copia, *r + 1);
        } else {
            copia.error() += "x";
            EXPECT_EQ(copia.error(), r.error() + "x");
        }
    }
}

TEST(Resultado, OMesmoTipoDosDoisLadosNaoSeConfunde) {
    for (const std::string texto : {"", "a", "Não foi possível abrir o cadastro."}) {
        const Resultado<std::string, std::string> valor = texto;
        const Resultado<std::string, std::string> falha = Falha(texto);
        ASSERT_TRUE(valor.has_value());
        ASSERT_FALSE(falha.has_value());
        EXPECT_EQ(*valor, texto);
        EXPECT_EQ(valor->size(), texto.size());
        EXPECT_EQ(falha.error(), texto);
    }
    const Resultado<std::vector<int>, int> vazio;
    ASSERT_TRUE(vazio.has_value()); // as std::expected: a value-initialised value
    EXPECT_TRUE(vazio->empty());
}

TEST(Resultado, AFormaSemValor) {
    for (const Motivo motivo : {Motivo::Ausente, Motivo::Ilegivel}) {
        for (const bool ok : {true, false}) {
            const auto r = Verificar(ok, motivo);
            ASSERT_EQ(r.has_value(), ok);
            ASSERT_EQ(static_cast<bool>(r), ok);
            if (ok) {
                EXPECT_NO_THROW(r.value());
            } else {
                EXPECT_EQ(r.error(), motivo);
                EXPECT_THROW(r.value(), AcessoSemValor);
            }
            const auto copia = Resultado<void, Motivo>(r);
            EXPECT_EQ(copia.has_value(), ok);
        }
    }
    EXPECT_TRUE((Resultado<void, std::string>().has_value()));
}

TEST(Resultado, ValoresEFalhasSoDeMoverPassamAdiante) {
    for (int i = 0; i < 20; ++i) {
        Resultado<std::unique_ptr<int>, std::unique_ptr<std::string>> r =
            i % 3 == 0
                ? Resultado<std::unique_ptr<int>, std::unique_ptr<std::string>>(
                      Falha(std::make_unique<std::string>(std::to_string(i))))
                : Resultado<std::unique_ptr<int>, std::unique_ptr<std::string>>(std::make_unique<int>(i));
        auto destino = std::move(r);
        ASSERT_EQ(destino.has_value(), i % 3 != 0);
        if (destino) {
            std::unique_ptr<int> valor = std::move(destino).value();
            ASSERT_NE(valor, nullptr);
            EXPECT_EQ(*valor, i);
        } else {
            std::unique_ptr<std::string> erro = std::move(destino).error();
            ASSERT_NE(erro, nullptr);
            EXPECT_EQ(*erro, std::to_string(i));
        }
        // Moved into a void form: only the failure goes along.
        Resultado<void, std::unique_ptr<std::string>> so;
        if (i % 2 == 0)
            so = Falha(std::make_unique<std::string>("f"));
        auto outro = std::move(so);
        ASSERT_EQ(outro.has_value(), i % 2 != 0);
        if (!outro) {
            EXPECT_EQ(*outro.error(), "f");
        }
    }
    // A value convertible to T is taken as one (a derived pointer for a base pointer).
    struct Base {
        virtual ~Base() = default;
    };
    struct Derivada : Base {};
    const Resultado<std::unique_ptr<Base>, int> base = std::make_unique<Derivada>();
    ASSERT_TRUE(base.has_value());
    EXPECT_NE(dynamic_cast<const Derivada*>(base->get()), nullptr);
}
