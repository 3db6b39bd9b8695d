// The calculation selection dialog: captions and columns, the boxes reflecting the settings,
// Ok's refusal when nothing is checked, Ok's changes, Cancel, and the settings surviving a
// restart only through an exit path.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <array>

#include "analysis/complementos.h"
#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/frmConfiguraPrograma.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

const char* const kLegendasEsperadas[28] = {"Caminho da Vida",
                                            "Ciclo Formativo",
                                            "Ciclo Produtivo",
                                            "Ciclo da Colheita",
                                            "Vibrações do Dia do Nascimento",
                                            "Desafios do Dia do Nascimento",
                                            "Presente do Dia do Nascimento",
                                            "Primeira Realização",
                                            "Segunda Realização",
                                            "Terceira Realização",
                                            "Quarta Realização",
                                            "Desafio Maior",
                                            "Primeiro Desafio Menor",
                                            "Segundo Desafio Menor",
                                            "Desafio Menor Adicional",
                                            "Indicações para a Saúde",
                                            "Interpretação do Ano Universal",
                                            "Interpretação do Mês Universal",
                                            "Interpretação do Dia Universal",
                                            "Interpretação do Ano Pessoal",
                                            "Interpretação do Mês Pessoal",
                                            "Interpretação do Dia Pessoal",
                                            "Número da Expressão",
                                            "Impulso da Alma",
                                            "O Eu Silencioso",
                                            "Interpretação da Primeira Vogal",
                                            "Características do Nome",
                                            "Número da Realidade"};

bool MesmaConfiguracao(const ConfiguracaoPrograma& a, const ConfiguracaoPrograma& b) {
    return SerializarConfiguracao(a) == SerializarConfiguracao(b);
}

// The box of calculation `i` (0 to 27), and the box of the k-th section after them (0 to 6:
// sections 29 to 35), by the names the dialog gives them.
QCheckBox* Interpretacao(const frmConfiguraPrograma& d, int i) {
    return Filho<QCheckBox>(d, qPrintable(QStringLiteral("chkInterpretacoes_%1").arg(i)));
}
QCheckBox* Complemento(const frmConfiguraPrograma& d, int k) {
    return Filho<QCheckBox>(d,
                            qPrintable(QStringLiteral("chkComplementos_%1").arg(kPrimeiroComplemento + k)));
}
std::array<QCheckBox*, 28> Interpretacoes(const frmConfiguraPrograma& d) {
    std::array<QCheckBox*, 28> caixas{};
    for (int i = 0; i < 28; ++i)
        caixas[static_cast<std::size_t>(i)] = Interpretacao(d, i);
    return caixas;
}
std::array<QCheckBox*, kNumeroComplementos> Complementos(const frmConfiguraPrograma& d) {
    std::array<QCheckBox*, kNumeroComplementos> caixas{};
    for (int k = 0; k < kNumeroComplementos; ++k)
        caixas[static_cast<std::size_t>(k)] = Complemento(d, k);
    return caixas;
}

} // namespace

class TesteConfiguracao : public QObject {
    Q_OBJECT

private slots:
    void legendasEColunas();
    void caixasRefletemAsConfiguracoes();
    void okSemNenhumCalculoRecusa();
    void okAplicaAsEscolhas();
    void caixaParcialContaComoDesmarcada();
    void cancelarNaoMudaNada();
    void escolhaSobreviveSoAposEncerrar();
    void grupoDosComplementos();
    void complementosSobrevivemAposEncerrar();
};

void TesteConfiguracao::legendasEColunas() {
    AmbienteTeste a;
    frmConfiguraPrograma d(*a.programa);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Configuração..."));
    QCOMPARE(Filho<QGroupBox>(d, "fraFundo")->title(),
             QStringLiteral("Marque abaixo os números que deverão ser calculados em cada análise:"));
    for (int i = 0; i < 28; ++i)
        QCOMPARE(Interpretacao(d, i)->text(), QString::fromUtf8(kLegendasEsperadas[i]));
    QCOMPARE(Filho<QCheckBox>(d, "chkImprimirDescricao")->text(),
             QStringLiteral("Imprimir comentário sobre o significado de cada cálculo antes da sua "
                            "interpretação"));
    QCOMPARE(Filho<QCheckBox>(d, "chkImprimirNumero")->text(),
             QStringLiteral("Imprimir o resultado do cálculo de cada análise ao lado do título"));
    QCOMPARE(Filho<QCheckBox>(d, "chkImprimirCabecalho")->text(),
             QStringLiteral("Imprimir o cabeçalho em todas as folhas da análise"));
    QCOMPARE(Filho<QCheckBox>(d, "chkEscutarSons")->text(),
             QStringLiteral("Tocar sons durante a execução do programa"));
    QCOMPARE(Filho<QPushButton>(d, "cmdOk")->text(), QStringLiteral("O&k"));
    QCOMPARE(Filho<QPushButton>(d, "cmdCancelar")->text(), QStringLiteral("Cancela&r"));

    // Two columns: 0 to 14 on the left, 15 to 27 on the right, each top to bottom.
    auto pos = [&d](int i) {
        QWidget* c = Interpretacao(d, i);
        return c->mapTo(&d, QPoint(0, 0));
    };
    for (int i = 1; i < 15; ++i) {
        QCOMPARE(pos(i).x(), pos(0).x());
        QVERIFY(pos(i).y() > pos(i - 1).y());
    }
    for (int i = 16; i < 28; ++i) {
        QCOMPARE(pos(i).x(), pos(15).x());
        QVERIFY(pos(i).y() > pos(i - 1).y());
    }
    QVERIFY(pos(15).x() > pos(0).x() + Interpretacao(d, 0)->width() / 2);
    QCOMPARE(pos(15).y(), pos(0).y());
    // Every caption is fully visible.
    for (QCheckBox* c : Interpretacoes(d))
        QVERIFY(c->width() >= c->sizeHint().width());
}

void TesteConfiguracao::caixasRefletemAsConfiguracoes() {
    AmbienteTeste a;
    ConfiguracaoPrograma& c = a.programa->Configuracao;
    for (int id = 1; id <= 28; ++id)
        c.CalculosSelecionados[static_cast<std::size_t>(id)] =
            (id % 3 == 0) ? kDesligado : 7; // any non-zero is on
    c.ImprimirDescricao = kDesligado;
    c.ImprimirNumero = kLigado;
    c.ImprimirCabecalho = 1;
    c.EscutarSons = kDesligado;
    frmConfiguraPrograma d(*a.programa);
    for (int i = 0; i < 28; ++i)
        QCOMPARE(Interpretacao(d, i)->isChecked(), (i + 1) % 3 != 0);
    QVERIFY(!Filho<QCheckBox>(d, "chkImprimirDescricao")->isChecked());
    QVERIFY(Filho<QCheckBox>(d, "chkImprimirNumero")->isChecked());
    QVERIFY(Filho<QCheckBox>(d, "chkImprimirCabecalho")->isChecked());
    QVERIFY(!Filho<QCheckBox>(d, "chkEscutarSons")->isChecked());
}

void TesteConfiguracao::okSemNenhumCalculoRecusa() {
    AmbienteTeste a;
    const ConfiguracaoPrograma antes = a.programa->Configuracao;
    frmConfiguraPrograma d(*a.programa);
    d.show();
    for (QCheckBox* c : Interpretacoes(d))
        c->setChecked(false);
    for (QCheckBox* c : Complementos(d))
        c->setChecked(false);
    Filho<QCheckBox>(d, "chkImprimirNumero")->setChecked(true);
    Filho<QCheckBox>(d, "chkEscutarSons")->setChecked(false);
    QTest::mouseClick(Filho<QPushButton>(d, "cmdOk"), Qt::LeftButton);

    QCOMPARE(a.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = a.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Erro:"));
    QCOMPARE(m.texto,
             QStringLiteral("Impossível prosseguir sem que haja ao menos um cálculo a ser executado "
                            "pelo programa. Marque pelo menos um cálculo e então repita a operação."));
    QCOMPARE(m.icone, IconeMensagem::Critico);
    QCOMPARE(m.botoes, BotoesMensagem::Ok);
    QVERIFY(d.isVisible()); // still open
    QCOMPARE(d.result(), 0);
    QVERIFY(MesmaConfiguracao(a.programa->Configuracao, antes)); // options untouched too

    // Cancel afterwards leaves everything as it was.
    QTest::mouseClick(Filho<QPushButton>(d, "cmdCancelar"), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), static_cast<int>(QDialog::Rejected));
    QVERIFY(MesmaConfiguracao(a.programa->Configuracao, antes));
    QCOMPARE(a.mensagens.mostradas.size(), 1);
}

void TesteConfiguracao::okAplicaAsEscolhas() {
    AmbienteTeste a;
    ConfiguracaoPrograma& c = a.programa->Configuracao;
    c.Reservado = {1, 2, 3, 4, 5, 6};
    c.CalculosSelecionados[0] = 9;
    c.PretoEmBranco = kLigado;
    c.ImprimirFolhaRosto = kLigado;
    frmConfiguraPrograma d(*a.programa);
    d.show();
    for (int i = 0; i < 28; ++i)
        Interpretacao(d, i)->setChecked(i == 27 || i < 2);
    Filho<QCheckBox>(d, "chkImprimirDescricao")->setChecked(false);
    Filho<QCheckBox>(d, "chkImprimirNumero")->setChecked(true);
    Filho<QCheckBox>(d, "chkImprimirCabecalho")->setChecked(true);
    Filho<QCheckBox>(d, "chkEscutarSons")->setChecked(false);
    QTest::mouseClick(Filho<QPushButton>(d, "cmdOk"), Qt::LeftButton);

    QVERIFY(a.mensagens.mostradas.isEmpty());
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    for (int id = 1; id <= 28; ++id)
        QCOMPARE(c.CalculosSelecionados[static_cast<std::size_t>(id)],
                 (id == 28 || id <= 2) ? kLigado : kDesligado);
    QCOMPARE(c.ImprimirDescricao, kDesligado);
    QCOMPARE(c.ImprimirNumero, kLigado);
    QCOMPARE(c.ImprimirCabecalho, kLigado);
    QCOMPARE(c.EscutarSons, kDesligado);
    // What the dialog does not edit stays as it was.
    QCOMPARE(c.CalculosSelecionados[0], int16_t{9});
    QCOMPARE(c.PretoEmBranco, kLigado);
    QCOMPARE(c.ImprimirFolhaRosto, kLigado);
    QVERIFY((c.Reservado == std::array<uint8_t, 6>{1, 2, 3, 4, 5, 6}));
    // Nothing is written before the program ends.
    QVERIFY(!QFile::exists(a.Arquivo("oraculandia.dat")));
}

void TesteConfiguracao::caixaParcialContaComoDesmarcada() {
    AmbienteTeste a;
    frmConfiguraPrograma d(*a.programa);
    d.show();
    for (QCheckBox* c : Interpretacoes(d)) {
        c->setTristate(true);
        c->setCheckState(Qt::PartiallyChecked);
    }
    for (QCheckBox* c : Complementos(d))
        c->setChecked(false);
    QTest::mouseClick(Filho<QPushButton>(d, "cmdOk"), Qt::LeftButton);
    QCOMPARE(a.mensagens.mostradas.size(), 1); // none is fully checked: refused
    Interpretacao(d, 4)->setCheckState(Qt::Checked);
    QTest::mouseClick(Filho<QPushButton>(d, "cmdOk"), Qt::LeftButton);
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    for (int id = 1; id <= 28; ++id)
        QCOMPARE(a.programa->Configuracao.Selecionado(id), id == 5);
}

void TesteConfiguracao::cancelarNaoMudaNada() {
    AmbienteTeste a;
    const ConfiguracaoPrograma antes = a.programa->Configuracao;
    frmConfiguraPrograma d(*a.programa);
    d.show();
    Interpretacao(d, 0)->setChecked(false);
    Filho<QCheckBox>(d, "chkImprimirCabecalho")->setChecked(true);
    Filho<QCheckBox>(d, "chkEscutarSons")->setChecked(false);
    QTest::mouseClick(Filho<QPushButton>(d, "cmdCancelar"), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QVERIFY(MesmaConfiguracao(a.programa->Configuracao, antes));
    QVERIFY(a.mensagens.mostradas.isEmpty());
}

void TesteConfiguracao::escolhaSobreviveSoAposEncerrar() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    // Through the toolbar button, with the dialog modal.
    AoAbrirModal([](QWidget* modal) {
        auto* d = qobject_cast<frmConfiguraPrograma*>(modal);
        QVERIFY(d);
        Interpretacao(*d, 10)->setChecked(false);
        Filho<QCheckBox>(*d, "chkEscutarSons")->setChecked(false);
        QTest::mouseClick(Filho<QPushButton>(*d, "cmdOk"), Qt::LeftButton);
    });
    p.cmdConfiguraPrograma_Click();
    QVERIFY(!t.ambiente.programa->Configuracao.Selecionado(11));

    // A restart without an exit path: the file still has the old choice.
    {
        MensagensDuplo m;
        SonsDuplo s;
        RelogioDuplo r;
        NavegadorDuplo n;
        ServicosImpressaoDuplo i;
        ServicosClientesDuplo c;
        Programa outro(t.ambiente.programa->PastaPrograma, m, s, r, n, i, c);
        frmPrincipal segunda(outro);
        segunda.Iniciar(false);
        QVERIFY(outro.Configuracao.Selecionado(11));
        QVERIFY(Ligado(outro.Configuracao.EscutarSons));
        // Not ended through an exit path (a crash, a kill): destroyed without a close.
    }
    QVERIFY(CarregarConfiguracao(t.ambiente.programa->PastaPrograma).Selecionado(11));

    Filho<QAction>(p, "mnuEncerrar")->trigger();
    const ConfiguracaoPrograma gravada = CarregarConfiguracao(t.ambiente.programa->PastaPrograma);
    QVERIFY(!gravada.Selecionado(11));
    QVERIFY(!Ligado(gravada.EscutarSons));
}

void TesteConfiguracao::grupoDosComplementos() {
    AmbienteTeste a;
    SelecaoComplementos s;
    s.fill(true);
    s[2] = false; // Dívidas Cármicas off in preferencias.ini
    GravarSelecaoComplementos(a.programa->PreferenciasPrograma, s);
    frmConfiguraPrograma d(*a.programa);
    d.show();
    QCOMPARE(Filho<QGroupBox>(d, "fraComplementos")->title(),
             QStringLiteral("Marque abaixo as seções do bloco cármico e dos números mestres que deverão "
                            "fazer parte de cada análise:"));
    const char* const legendas[7] = {"&Quadro de Inclusão", "&Lições Cármicas", "&Dívidas Cármicas",
                                     "&Tendências Ocultas", "&Paixão Oculta",   "Re&sposta Subconsciente",
                                     "Números &Mestres"};
    QSet<QChar> teclas{u'k', u'r'}; // Ok and Cancelar
    for (int i = 0; i < 7; ++i) {
        QCheckBox* c = Complemento(d, i);
        QCOMPARE(c->text(), QString::fromUtf8(legendas[i]));
        QCOMPARE(c->isChecked(), i != 2);
        QVERIFY(c->width() >= c->sizeHint().width());
        // Each access key is its own.
        const QChar tecla = c->text().at(c->text().indexOf(u'&') + 1).toLower();
        QVERIFY(!teclas.contains(tecla));
        teclas.insert(tecla);
    }
    // The group sits below the 28, inside the dialog.
    QVERIFY(Filho<QGroupBox>(d, "fraComplementos")->mapTo(&d, QPoint(0, 0)).y() >
            Filho<QGroupBox>(d, "fraFundo")->mapTo(&d, QPoint(0, 0)).y());

    // Ok with only the new sections is accepted, and stores their choice in the preferences.
    for (QCheckBox* c : Interpretacoes(d))
        c->setChecked(false);
    Complemento(d, 0)->setChecked(false);
    Complemento(d, 2)->setChecked(true);
    QTest::mouseClick(Filho<QPushButton>(d, "cmdOk"), Qt::LeftButton);
    QVERIFY(a.mensagens.mostradas.isEmpty());
    QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    const SelecaoComplementos depois = a.programa->SelecaoDosComplementos();
    for (int i = 0; i < 7; ++i)
        QCOMPARE(depois[static_cast<std::size_t>(i)], i != 0);
    QVERIFY(!QFile::exists(a.Arquivo("preferencias.ini"))); // written when the program ends
}

void TesteConfiguracao::complementosSobrevivemAposEncerrar() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    AoAbrirModal([](QWidget* modal) {
        auto* d = qobject_cast<frmConfiguraPrograma*>(modal);
        QVERIFY(d);
        Complemento(*d, 6)->setChecked(false);
        QTest::mouseClick(Filho<QPushButton>(*d, "cmdOk"), Qt::LeftButton);
    });
    p.cmdConfiguraPrograma_Click();
    Filho<QAction>(p, "mnuEncerrar")->trigger();
    const SelecaoComplementos gravada =
        LerSelecaoComplementos(CarregarPreferencias(t.ambiente.programa->PastaPrograma));
    QVERIFY(!gravada[6]);
    QVERIFY(gravada[0]);
    // Read again at start.
    MensagensDuplo m;
    SonsDuplo s;
    RelogioDuplo r;
    NavegadorDuplo n;
    ServicosImpressaoDuplo i;
    ServicosClientesDuplo c;
    Programa outro(t.ambiente.programa->PastaPrograma, m, s, r, n, i, c);
    frmPrincipal segunda(outro);
    segunda.Iniciar(false);
    QVERIFY(!outro.SelecaoDosComplementos()[6]);
}

QTEST_MAIN(TesteConfiguracao)
#include "teste_configuracao.moc"
