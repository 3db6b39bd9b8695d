// The limits of the print margins: the dialog's upper limit, the range a print job takes, and the
// margins of margens.dat brought inside it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "print/limites_margens.h"

using namespace oraculandia;

namespace {
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
} // namespace

TEST(LimitesMargens, FaixaQueOTrabalhoAceita) {
    const double base = 215.9; // limit 43.18, not a float
    EXPECT_DOUBLE_EQ(LimiteMargem(base), 0.2 * base);
    // A typed value at the limit, rounded to the float the margins are kept in, is still taken
    // (float(43.18) lies above the double 43.18).
    EXPECT_GT(static_cast<double>(static_cast<float>(LimiteMargem(base))), LimiteMargem(base));
    EXPECT_TRUE(MargemImprimivel(static_cast<float>(LimiteMargem(base)), base));
    EXPECT_FALSE(MargemImprimivel(std::nextafter(static_cast<float>(LimiteMargem(base)), 1e9F), base));
    for (const float aceita : {0.0F, -0.0F, 10.0F, -5.0F, -215.9F, 43.1F})
        EXPECT_TRUE(MargemImprimivel(aceita, base)) << aceita;
    for (const float recusada : {43.2F, -216.0F, 3.4e38F, -1e30F, kInf, -kInf, kNaN})
        EXPECT_FALSE(MargemImprimivel(recusada, base)) << recusada;
}

TEST(LimitesMargens, PrimeiraMargemRecusadaNaOrdemDoRegistro) {
    EXPECT_EQ(MargemRecusada({10, 10, 10, 10}, 200, 280), -1);
    EXPECT_EQ(MargemRecusada({41, 10, 10, 10}, 200, 280), 0);
    EXPECT_EQ(MargemRecusada({40, 57, 10, 10}, 200, 280), 1); // the top margin is measured on 280
    EXPECT_EQ(MargemRecusada({40, 56, kNaN, -kInf}, 200, 280), 2);
    EXPECT_EQ(MargemRecusada({10, 10, 10, -281}, 200, 280), 3);
}

TEST(LimitesMargens, MargensDoArquivoForaDaFaixaViramDez) {
    const Margens m = MargensImprimiveis({3.4e38F, -1e30F, kNaN, 56}, 200, 280);
    EXPECT_EQ(m.Esquerda, 10.0F);
    EXPECT_EQ(m.Superior, 10.0F);
    EXPECT_EQ(m.Direita, 10.0F);
    EXPECT_EQ(m.Inferior, 56.0F);
    const Margens n = MargensImprimiveis({-200, 0, 40, kInf}, 200, 280);
    EXPECT_EQ(n.Esquerda, -200.0F);
    EXPECT_EQ(n.Superior, 0.0F);
    EXPECT_EQ(n.Direita, 40.0F);
    EXPECT_EQ(n.Inferior, 10.0F);
}
