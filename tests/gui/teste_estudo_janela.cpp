// The name study window: entering, removing and reordering spellings, the table and the cells
// that differ from the birth name, the working of the selected row, bad input refused with the
// entry dialog's own messages (nothing lost from the other rows), the limit of nine spellings,
// and the copy as text.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <random>

#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "app/qt/frmEntraNome.h"
#include "engine/cp1252.h"
#include "engine/entrada.h"
#include "estudo/qt/frmEstudoNome.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

void Digitar(frmEstudoNome& j, const QString& data, const QString& nome) {
    teste::Filho<QLineEdit>(j, "txtDataNasc")->setText(data);
    j.DataDigitada();
    teste::Filho<QLineEdit>(j, "txtNome")->setText(nome);
    j.NomeDigitado();
}

void Adicionar(frmEstudoNome& j, const QString& grafia) {
    teste::Filho<QLineEdit>(j, "txtGrafia")->setText(grafia);
    j.cmdAdicionar_Click();
}

QStringList LinhasDaTabela(const frmEstudoNome& j) {
    QStringList nomes;
    for (int i = 0; i < teste::Filho<QTableWidget>(j, "tblEstudo")->rowCount(); ++i)
        nomes << teste::Filho<QTableWidget>(j, "tblEstudo")->item(i, 0)->text();
    return nomes;
}

std::string Cp(const char* utf8) {
    return Utf8ParaCp1252(utf8).texto;
}

// The message the entry dialog shows for a name (with a valid date).
QString MensagemDaEntrada(AmbienteTeste& a, const QString& nome) {
    frmEntraNome d(*a.programa);
    Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("15/03/1970"));
    Filho<QLineEdit>(d, "txtNome")->setText(nome);
    const auto antes = a.mensagens.mostradas.size();
    d.cmdOk_Click();
    return a.mensagens.mostradas.size() > antes ? a.mensagens.mostradas.last().texto : QString();
}

} // namespace

class TesteEstudoJanela : public QObject {
    Q_OBJECT
private slots:
    void entrarRemoverEReordenar();
    void celulasQueDiferem();
    void trabalhoDaLinhaSelecionada();
    void entradaRecusadaComAMensagemDaEntrada();
    void dataEDoNomeDeNascimento();
    void limiteDeNoveGrafias();
    void listaMostraAsGrafias();
    void copiaIgualAoTextoDoEstudo();
    void enterPeloTeclado();
};

void TesteEstudoJanela::entrarRemoverEReordenar() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    QCOMPARE(j.windowTitle(), QStringLiteral("Estudo do Nome"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->rowCount(), 0);
    QVERIFY(!teste::Filho<QPushButton>(j, "cmdCopiar")->isEnabled());
    Digitar(j, QStringLiteral("15/3/70"), QStringLiteral("Maria da Conceição"));
    QCOMPARE(teste::Filho<QLineEdit>(j, "txtDataNasc")->text(),
             QStringLiteral("15/03/1970")); // as the entry dialog rewrites it
    QCOMPARE(LinhasDaTabela(j), QStringList{QStringLiteral("Maria da Conceição")});
    QVERIFY(teste::Filho<QPushButton>(j, "cmdCopiar")->isEnabled());

    // Blanks around a spelling go; accents typed as separate marks are joined.
    Adicionar(j, QStringLiteral("  Maria Conceição  "));
    Adicionar(j, QStringLiteral("Mari Conceic\u0327a\u0303o"));
    Adicionar(j, QStringLiteral("Maria C. Souza"));
    QCOMPARE(j.Grafias(), (QStringList{QStringLiteral("Maria Conceição"), QStringLiteral("Mari Conceição"),
                                       QStringLiteral("Maria C. Souza")}));
    QVERIFY(teste::Filho<QLineEdit>(j, "txtGrafia")->text().isEmpty());
    QCOMPARE(LinhasDaTabela(j), QStringList{QStringLiteral("Maria da Conceição")} + j.Grafias());
    QCOMPARE(teste::Filho<QListWidget>(j, "lstGrafias")->currentRow(), 2);
    QVERIFY(!teste::Filho<QPushButton>(j, "cmdDescer")->isEnabled());

    // Up, down and out, each followed by the table.
    teste::Filho<QListWidget>(j, "lstGrafias")->setCurrentRow(2);
    teste::Filho<QPushButton>(j, "cmdSubir")->click();
    QCOMPARE(j.Grafias(), (QStringList{QStringLiteral("Maria Conceição"), QStringLiteral("Maria C. Souza"),
                                       QStringLiteral("Mari Conceição")}));
    QCOMPARE(teste::Filho<QListWidget>(j, "lstGrafias")->currentRow(), 1);
    teste::Filho<QPushButton>(j, "cmdSubir")->click();
    QCOMPARE(j.Grafias().first(), QStringLiteral("Maria C. Souza"));
    QVERIFY(!teste::Filho<QPushButton>(j, "cmdSubir")->isEnabled());
    teste::Filho<QPushButton>(j, "cmdDescer")->click();
    QCOMPARE(j.Grafias(), (QStringList{QStringLiteral("Maria Conceição"), QStringLiteral("Maria C. Souza"),
                                       QStringLiteral("Mari Conceição")}));
    QCOMPARE(LinhasDaTabela(j), QStringList{QStringLiteral("Maria da Conceição")} + j.Grafias());
    teste::Filho<QListWidget>(j, "lstGrafias")->setCurrentRow(0);
    teste::Filho<QPushButton>(j, "cmdRemover")->click();
    QCOMPARE(j.Grafias(), (QStringList{QStringLiteral("Maria C. Souza"), QStringLiteral("Mari Conceição")}));
    QCOMPARE(LinhasDaTabela(j), QStringList{QStringLiteral("Maria da Conceição")} + j.Grafias());

    // Every number is the core's for the same spellings and date.
    const EstudoNome esperado = EstudarNome(
        Data{15, 3, 1970}, {Cp("Maria da Conceição"), Cp("Maria C. Souza"), Cp("Mari Conceição")});
    QCOMPARE(teste::Filho<QLabel>(j, "lblSituacao")->text(),
             QStringLiteral("Caminho da Vida: %1").arg(esperado.caminhoVida));
    for (int i = 0; i < 3; ++i) {
        const std::vector<std::string> celulas = CelulasGrafia(esperado.grafias[static_cast<std::size_t>(i)]);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->item(i, c + 1)->text(),
                     QString::fromStdString(celulas[static_cast<std::size_t>(c)]));
        // The karmic lessons, debts and master numbers beside them.
        const std::vector<std::string> carmicas =
            CelulasCarmicas(esperado.grafias[static_cast<std::size_t>(i)]);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->item(i, c + 7)->text(),
                     QString::fromStdString(carmicas[static_cast<std::size_t>(c)]));
    }
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->columnCount(), 10);
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->horizontalHeaderItem(7)->text(),
             QStringLiteral("Lições\nCármicas"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->horizontalHeaderItem(9)->text(),
             QStringLiteral("Números\nMestres"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->horizontalHeaderItem(1)->text(),
             QStringLiteral("Expressão"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->horizontalHeaderItem(2)->text(),
             QStringLiteral("Impulso\nda Alma"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->horizontalHeaderItem(5)->text(),
             QStringLiteral("Característica\ndo Nome"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->horizontalHeaderItem(6)->text(),
             QStringLiteral("Número da\nRealidade"));
    QCOMPARE(a.mensagens.mostradas.size(), 0);
}

void TesteEstudoJanela::celulasQueDiferem() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    Digitar(j, QStringLiteral("01/01/2000"), QStringLiteral("Jose da Silva"));
    Adicionar(j, QStringLiteral("José da Silva")); // the accent folds away: nothing differs
    Adicionar(j, QStringLiteral("Jose da Silva Ab"));
    Adicionar(j, QStringLiteral("Ulisses da Silva"));
    // Which cells stand out, row by row, as the core compares them with the birth name.
    const EstudoNome e = *j.Estudo();
    for (int i = 0; i < 4; ++i) {
        const DiferencasGrafia d = CompararComNascimento(e, static_cast<std::size_t>(i));
        const bool difere[9] = {d.expressao, d.alma,   d.silencioso, d.primeiraVogal, d.caracteristica,
                                d.realidade, d.licoes, d.dividas,    d.mestres};
        for (int c = 0; c < 9; ++c) {
            const QTableWidgetItem* item = teste::Filho<QTableWidget>(j, "tblEstudo")->item(i, c + 1);
            QCOMPARE(item->font().bold(), difere[c]);
            QCOMPARE(item->toolTip(), difere[c] ? QStringLiteral("Difere do nome de nascimento") : QString());
            QCOMPARE(item->background().style() != Qt::NoBrush, difere[c]);
        }
        QVERIFY(!teste::Filho<QTableWidget>(j, "tblEstudo")->item(i, 0)->font().bold());
    }
    // The exact cells of each row.
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->item(0, 1)->text(),
             QStringLiteral("%1").arg(e.grafias[0].expressao.numero));
    auto destacadas = [&j](int linha) {
        QList<int> colunas;
        for (int c = 1; c < 7; ++c)
            if (teste::Filho<QTableWidget>(j, "tblEstudo")->item(linha, c)->font().bold())
                colunas << c;
        return colunas;
    };
    QCOMPARE(destacadas(0), QList<int>{});
    QCOMPARE(destacadas(1), QList<int>{});
    // "AB" adds 1 + 2: Expression, Soul (A), Silent Self (B), characteristic (13 -> 4 against 11 -> 2)
    // and Reality change; the first vowel stays O.
    QCOMPARE(destacadas(2), (QList<int>{1, 2, 3, 5, 6}));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->item(3, 4)->text(), QStringLiteral("U"));
    QVERIFY(destacadas(3).contains(4)); // first vowel U against O
}

void TesteEstudoJanela::trabalhoDaLinhaSelecionada() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    Digitar(j, QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    Adicionar(j, QStringLiteral("Maria Conceição"));
    const EstudoNome e = *j.Estudo();
    auto texto = [&e](std::size_t i) {
        QStringList l;
        for (const std::string& s : LinhasTrabalho(e.grafias[i], e.caminhoVida))
            l << QString::fromStdString(s);
        return l.join(u'\n');
    };
    // The spelling just added is selected, in the list and in the table.
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->currentRow(), 1);
    QCOMPARE(teste::Filho<QPlainTextEdit>(j, "txtTrabalho")->toPlainText(), texto(1));
    QVERIFY(teste::Filho<QPlainTextEdit>(j, "txtTrabalho")->isReadOnly());
    QVERIFY(teste::Filho<QPlainTextEdit>(j, "txtTrabalho")->toPlainText().contains(QStringLiteral("Ç→C")));
    teste::Filho<QTableWidget>(j, "tblEstudo")->selectRow(0);
    QCOMPARE(teste::Filho<QPlainTextEdit>(j, "txtTrabalho")->toPlainText(), texto(0));
    QVERIFY(teste::Filho<QPlainTextEdit>(j, "txtTrabalho")->toPlainText().contains(QStringLiteral(" → ")));
}

void TesteEstudoJanela::entradaRecusadaComAMensagemDaEntrada() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    Digitar(j, QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    Adicionar(j, QStringLiteral("Maria Conceição"));
    Adicionar(j, QStringLiteral("Mary Conception"));
    const QStringList antes = j.Grafias();
    const QStringList tabelaAntes = LinhasDaTabela(j);

    // The entry's refusals, said as the study's; a spelling needs one letter, not five characters.
    const QString semLetra =
        QStringLiteral("No Estudo do Nome, cada grafia (apelido, nome artístico, assinatura...) "
                       "precisa ter pelo menos uma letra. Digite-a novamente.");
    const QStringList ruins{QStringLiteral("12 3"), QStringLiteral("Maria \u2605 Silva"),
                            QStringLiteral("Maria\tSilva"), QStringLiteral("Maria \u4E2D\u6587 Souza")};
    for (const QString& ruim : ruins) {
        const QString daEntrada = MensagemDaEntrada(a, ruim);
        QVERIFY2(!daEntrada.isEmpty(), qPrintable(ruim));
        const QString esperada =
            ruim == ruins[0]
                ? semLetra
                : QStringLiteral("No Estudo do Nome, esta grafia não pode ser usada: ") + daEntrada;
        a.mensagens.mostradas.clear();
        Adicionar(j, ruim);
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(a.mensagens.mostradas[0].texto, esperada);
        QCOMPARE(a.mensagens.mostradas[0].icone, IconeMensagem::Critico);
        // Nothing lost: the other rows as they were, the refused text still in its box.
        QCOMPARE(j.Grafias(), antes);
        QCOMPARE(LinhasDaTabela(j), tabelaAntes);
        QCOMPARE(teste::Filho<QLineEdit>(j, "txtGrafia")->text(), ruim);
    }
    QCOMPARE(MensagemDaEntrada(a, QStringLiteral("Ana")), QString::fromUtf8(kMensagemNomeCurto));
    QCOMPARE(MensagemDaEntrada(a, QStringLiteral("Maria\tSilva")),
             QString::fromUtf8(kMensagemNomeComControle));
    QCOMPARE(
        MensagemDaEntrada(a, QStringLiteral("Maria \u2605 Silva")),
        QStringLiteral("O nome informado contém caracteres que o programa não consegue usar numa análise: "
                       "\"\u2605\". Digite o nome novamente sem esses caracteres."));
    // A pasted name longer than the register takes is refused with its message, whole in its box
    // (never cut short by the box).
    const QString longo = QStringLiteral("Maria ") + QString(40000, u'a');
    a.mensagens.mostradas.clear();
    Adicionar(j, longo);
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].texto,
             QStringLiteral(
                 "No Estudo do Nome, esta grafia não pode ser usada: O nome informado tem mais de 32767 "
                 "caracteres. Digite um nome mais curto."));
    QCOMPARE(teste::Filho<QLineEdit>(j, "txtGrafia")->text(), longo);
    QCOMPARE(j.Grafias(), antes);
    // Blanks only: nothing to add, refused as too short.
    a.mensagens.mostradas.clear();
    Adicionar(j, QStringLiteral("     "));
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].texto, semLetra);
    QCOMPARE(j.Grafias(), antes);
    // Nicknames and stage names of any length with a letter are taken.
    a.mensagens.mostradas.clear();
    for (const char* apelido : {"Zé", "Bia", "Xuxa", "J"})
        Adicionar(j, QString::fromUtf8(apelido));
    QVERIFY(a.mensagens.mostradas.isEmpty());
    QCOMPARE(j.Grafias().mid(antes.size()), (QStringList{QStringLiteral("Zé"), QStringLiteral("Bia"),
                                                         QStringLiteral("Xuxa"), QStringLiteral("J")}));
}

void TesteEstudoJanela::dataEDoNomeDeNascimento() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    Digitar(j, QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    Adicionar(j, QStringLiteral("Maria Conceição"));
    // A date the entry refuses: its message, no study, and the spellings kept.
    teste::Filho<QLineEdit>(j, "txtDataNasc")->setText(QStringLiteral("31/02/2000"));
    j.DataDigitada();
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    QCOMPARE(a.mensagens.mostradas[0].texto, QString::fromUtf8(kMensagemDataInvalida));
    QVERIFY(!j.Estudo());
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->rowCount(), 0);
    QVERIFY(!teste::Filho<QPushButton>(j, "cmdImprimir")->isEnabled());
    QCOMPARE(j.Grafias(), QStringList{QStringLiteral("Maria Conceição")});
    j.DataDigitada(); // leaving the field again does not repeat the message
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    // A date without the year takes the clock's year (2026 in the tests).
    teste::Filho<QLineEdit>(j, "txtDataNasc")->setText(QStringLiteral("5/6"));
    j.DataDigitada();
    QCOMPARE(teste::Filho<QLineEdit>(j, "txtDataNasc")->text(), QStringLiteral("05/06/2026"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->rowCount(), 2);
    // A birth name the entry refuses.
    teste::Filho<QLineEdit>(j, "txtNome")->setText(QStringLiteral("Ana"));
    j.NomeDigitado();
    QCOMPARE(a.mensagens.mostradas.size(), 2);
    QCOMPARE(
        a.mensagens.mostradas[1].texto,
        QStringLiteral("No Estudo do Nome, o nome de nascimento é o nome completo da pessoa, com pelo menos "
                       "5 caracteres. Digite-o novamente."));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->rowCount(), 0);
    QCOMPARE(j.Grafias(), QStringList{QStringLiteral("Maria Conceição")});
}

// Random additions, selections, moves and removals: after each one the list shows exactly the
// spellings studied (the table's rows after the birth name), in order, with the one acted on selected.
void TesteEstudoJanela::listaMostraAsGrafias() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    Digitar(j, QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    auto* lista = teste::Filho<QListWidget>(j, "lstGrafias");
    std::mt19937 sorteio(20261209);
    QStringList esperado;
    int atual = -1, novas = 0;
    for (int passo = 0; passo < 300; ++passo) {
        const int n = static_cast<int>(esperado.size());
        switch (sorteio() % 5) {
        case 0:
            Adicionar(j, QStringLiteral("Maria Grafia %1").arg(++novas));
            if (n + 1 < kMaximoGrafias) {
                esperado << QStringLiteral("Maria Grafia %1").arg(novas);
                atual = n;
            } else {
                teste::Filho<QLineEdit>(j, "txtGrafia")->clear();
            }
            break;
        case 1:
            if (n > 0)
                lista->setCurrentRow(atual = static_cast<int>(sorteio() % static_cast<unsigned>(n)));
            break;
        case 2:
            teste::Filho<QPushButton>(j, "cmdSubir")->click();
            if (atual > 0) {
                esperado.swapItemsAt(atual, atual - 1);
                --atual;
            }
            break;
        case 3:
            teste::Filho<QPushButton>(j, "cmdDescer")->click();
            if (atual >= 0 && atual + 1 < n) {
                esperado.swapItemsAt(atual, atual + 1);
                ++atual;
            }
            break;
        default:
            teste::Filho<QPushButton>(j, "cmdRemover")->click();
            if (atual >= 0) {
                esperado.removeAt(atual);
                atual = std::min(atual, static_cast<int>(esperado.size()) - 1);
            }
        }
        QStringList mostradas;
        for (int i = 0; i < lista->count(); ++i)
            mostradas << lista->item(i)->text();
        QCOMPARE(mostradas, esperado);
        QCOMPARE(j.Grafias(), esperado);
        QCOMPARE(LinhasDaTabela(j), QStringList{QStringLiteral("Maria da Conceição")} + esperado);
        QCOMPARE(lista->currentRow(), atual);
        if (atual >= 0)
            QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->currentRow(), atual + 1);
    }
    QCOMPARE(a.mensagens.mostradas.isEmpty(), false); // the limit was reached at least once
}

void TesteEstudoJanela::limiteDeNoveGrafias() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    Digitar(j, QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    for (int i = 1; i <= 8; ++i)
        Adicionar(j, QStringLiteral("Maria Grafia %1").arg(i));
    QCOMPARE(j.Grafias().size(), 8);
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblEstudo")->rowCount(), kMaximoGrafias);
    QVERIFY(!teste::Filho<QPushButton>(j, "cmdAdicionar")->isEnabled());
    QCOMPARE(a.mensagens.mostradas.size(), 0);
    // Enter in the box still asks: the ninth other spelling is refused, and stays in the box.
    teste::Filho<QLineEdit>(j, "txtGrafia")->setText(QStringLiteral("Maria Grafia 9"));
    QTest::keyClick(teste::Filho<QLineEdit>(j, "txtGrafia"), Qt::Key_Return);
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Aviso:"));
    QCOMPARE(a.mensagens.mostradas[0].texto,
             QStringLiteral("O estudo compara no máximo 9 grafias: o nome de nascimento e mais 8. Remova uma "
                            "grafia da lista antes de incluir outra."));
    QCOMPARE(j.Grafias().size(), 8);
    QCOMPARE(teste::Filho<QLineEdit>(j, "txtGrafia")->text(), QStringLiteral("Maria Grafia 9"));
    teste::Filho<QListWidget>(j, "lstGrafias")->setCurrentRow(0);
    teste::Filho<QPushButton>(j, "cmdRemover")->click();
    QVERIFY(teste::Filho<QPushButton>(j, "cmdAdicionar")->isEnabled());
    teste::Filho<QPushButton>(j, "cmdAdicionar")->click();
    QCOMPARE(j.Grafias().last(), QStringLiteral("Maria Grafia 9"));
    QCOMPARE(j.Grafias().size(), 8);
}

void TesteEstudoJanela::copiaIgualAoTextoDoEstudo() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    Digitar(j, QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    Adicionar(j, QStringLiteral("Maria Conceição"));
    Adicionar(j, QStringLiteral("Conceição Silva"));
    QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    teste::Filho<QPushButton>(j, "cmdCopiar")->click();
    const EstudoNome e = EstudarNome(
        Data{15, 3, 1970}, {Cp("Maria da Conceição"), Cp("Maria Conceição"), Cp("Conceição Silva")});
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(TextoEstudo(e)));
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Conceição Silva")));
}

// From the keyboard: Enter in the spelling box adds it, Enter on a focused button activates that
// button, as in the program's dialogs.
void TesteEstudoJanela::enterPeloTeclado() {
    AmbienteTeste a;
    frmEstudoNome j(*a.programa);
    j.show();
    j.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&j));
    Digitar(j, QStringLiteral("15/03/1970"), QStringLiteral("Maria da Conceição"));
    teste::Filho<QLineEdit>(j, "txtGrafia")->setFocus();
    teste::Filho<QLineEdit>(j, "txtGrafia")->setText(QStringLiteral("Maria Conceição"));
    QTest::keyClick(teste::Filho<QLineEdit>(j, "txtGrafia"), Qt::Key_Return);
    QTest::keyClicks(teste::Filho<QLineEdit>(j, "txtGrafia"),
                     QStringLiteral("Mary Conception")); // typed key by key
    QTest::keyClick(teste::Filho<QLineEdit>(j, "txtGrafia"), Qt::Key_Return);
    QCOMPARE(j.Grafias(),
             (QStringList{QStringLiteral("Maria Conceição"), QStringLiteral("Mary Conception")}));
    teste::Filho<QListWidget>(j, "lstGrafias")->setCurrentRow(1);
    teste::Filho<QPushButton>(j, "cmdSubir")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(teste::Filho<QPushButton>(j, "cmdSubir"), Qt::Key_Return);
    QCOMPARE(j.Grafias(),
             (QStringList{QStringLiteral("Mary Conception"), QStringLiteral("Maria Conceição")}));
    teste::Filho<QPushButton>(j, "cmdRemover")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(teste::Filho<QPushButton>(j, "cmdRemover"), Qt::Key_Return);
    QCOMPARE(j.Grafias().size(), 1);
    QCOMPARE(a.mensagens.mostradas.size(), 0);
}

QTEST_MAIN(TesteEstudoJanela)
#include "teste_estudo_janela.moc"
