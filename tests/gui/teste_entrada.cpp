// The name and birth-date entry dialog: its controls, the date rewritten when the field is left
// and before acceptance, the checks and their messages, the normalised subject, and the three
// ways of cancelling.
#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "app/qt/frmEntraNome.h"
#include "dados/preferencias.h"
#include "engine/cp1252.h"
#include "engine/entrada.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

// The dialog must be visible: a focus change while it is hidden or closing is not the user
// leaving the field.
void SairDoCampo(QLineEdit* campo) {
    if (!campo->window()->isVisible()) {
        campo->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(campo->window()));
    }
    QFocusEvent evento(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(campo, &evento);
    QCoreApplication::processEvents();
}

// The next widget that Tab reaches after `w`.
QWidget* ProximoNoTab(QWidget* w) {
    QWidget* n = w->nextInFocusChain();
    while (n != w && !(n->focusPolicy() & Qt::TabFocus))
        n = n->nextInFocusChain();
    return n;
}

// Picture box `i` of the sign (the first row 0 to 7, the hidden row 8 to 15).
QuadroFigura* Signo(const frmEntraNome& d, std::size_t i) {
    return Filho<QuadroFigura>(d, qPrintable(QStringLiteral("picSigno_") + QString::number(i)));
}

} // namespace

class TesteEntrada : public QObject {
    Q_OBJECT

private slots:
    void controlesPosicoesEOrdem() {
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        QCOMPARE(d.windowTitle(), QStringLiteral("Dados para análise..."));
        // The original 133 pixels and the strip of the reference date and the register's box.
        QCOMPARE(d.size(), QSize(332, 183));
        QCOMPARE(Filho<QWidget>(d, "pnlOpcoes")->geometry(), QRect(0, 133, 332, 50));
        QCOMPARE(Filho<QLabel>(d, "lblInfo_0")->text(),
                 QStringLiteral("Digite a data do nascimento (dd/mm/aaaa):"));
        QCOMPARE(Filho<QLabel>(d, "lblInfo_1")->text(), QStringLiteral("Digite abaixo o NOME COMPLETO:"));
        QCOMPARE(Filho<QLineEdit>(d, "txtDataNasc")->geometry(), QRect(3, 24, 82, 21));
        QCOMPARE(Filho<QLineEdit>(d, "txtNome")->geometry(), QRect(3, 69, 322, 21));
        QCOMPARE(Filho<QPushButton>(d, "cmdOk")->geometry(), QRect(246, 3, 85, 28));
        QCOMPARE(Filho<QPushButton>(d, "cmdCancelar")->geometry(), QRect(246, 36, 85, 28));
        QCOMPARE(Filho<QPushButton>(d, "cmdOk")->text(), QStringLiteral("&Analisar"));
        QCOMPARE(Filho<QPushButton>(d, "cmdCancelar")->text(), QStringLiteral("Cancela&r"));
        QVERIFY(Filho<QPushButton>(d, "cmdOk")->isDefault());
        QVERIFY(!Filho<QPushButton>(d, "cmdCancelar")->isDefault());
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(Signo(d, static_cast<std::size_t>(i))->geometry(), QRect(42 * i, 93, 37, 34));
            QCOMPARE(Signo(d, static_cast<std::size_t>(i + 8))->y(), 135); // below the visible area
        }
        QCOMPARE(ProximoNoTab(Filho<QLineEdit>(d, "txtDataNasc")),
                 static_cast<QWidget*>(Filho<QLineEdit>(d, "txtNome")));
        QCOMPARE(ProximoNoTab(Filho<QLineEdit>(d, "txtNome")),
                 static_cast<QWidget*>(Filho<QPushButton>(d, "cmdOk")));
        QCOMPARE(ProximoNoTab(Filho<QPushButton>(d, "cmdOk")),
                 static_cast<QWidget*>(Filho<QPushButton>(d, "cmdCancelar")));
        QVERIFY(Filho<QLineEdit>(d, "txtDataNasc")->text().isEmpty());
        QVERIFY(Filho<QLineEdit>(d, "txtNome")->text().isEmpty());
    }

    void dataReescritaAoSairDoCampo_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<int>("signo");
        QTest::newRow("ano com dois dígitos") << "20/8/78"
                                              << "20/08/1978" << 4;
        QTest::newRow("sem ano: o ano corrente") << "20/08"
                                                 << "20/08/2026" << 4;
        QTest::newRow("já completa") << "15/03/1970"
                                     << "15/03/1970" << 10;
        QTest::newRow("escorpião") << "1/11/2001"
                                   << "01/11/2001" << 1;
    }
    void dataReescritaAoSairDoCampo() {
        QFETCH(QString, digitado);
        QFETCH(QString, esperado);
        QFETCH(int, signo);
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        Filho<QLineEdit>(d, "txtDataNasc")->setText(digitado);
        SairDoCampo(Filho<QLineEdit>(d, "txtDataNasc"));
        QCOMPARE(Filho<QLineEdit>(d, "txtDataNasc")->text(), esperado);
        QCOMPARE(QString::fromStdString(a.programa->DataNascimento), esperado);
        QCOMPARE(d.SignoExibido(), signo);
        const std::string figura =
            signo < 10 ? "signo0" + std::to_string(signo) : "signo" + std::to_string(signo);
        for (std::size_t i = 0; i < 8; ++i)
            QCOMPARE(Signo(d, i)->Figura(), figura);
        for (std::size_t i = 8; i < 16; ++i)
            QVERIFY(Signo(d, i)->Figura().empty());
        QVERIFY(a.mensagens.mostradas.isEmpty());
    }

    void dataInvalidaSelecionadaSemMensagem() {
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("31/02/1990"));
        SairDoCampo(Filho<QLineEdit>(d, "txtDataNasc"));
        QCOMPARE(Filho<QLineEdit>(d, "txtDataNasc")->text(), QStringLiteral("31/02/1990"));
        QCOMPARE(Filho<QLineEdit>(d, "txtDataNasc")->selectedText(), QStringLiteral("31/02/1990"));
        QVERIFY(a.mensagens.mostradas.isEmpty());
        QCOMPARE(d.SignoExibido(), 0);

        // Analisar then reports the date, even though the name is wrong too.
        Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("ANA"));
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(a.mensagens.mostradas[0].texto, QString::fromUtf8(kMensagemDataInvalida));
        QCOMPARE(a.mensagens.mostradas[0].icone, IconeMensagem::Critico);
        QCOMPARE(a.mensagens.mostradas[0].botoes, BotoesMensagem::Ok);
        QCOMPARE(d.result(), 0);
        QCOMPARE(QString::fromStdString(a.programa->DataNascimento), QStringLiteral("31/02/1990"));
    }

    void regrasDoNome_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("aceito");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("quatro caracteres") << "ANA " << false << "";
        QTest::newRow("cinco caracteres") << "ANA S" << true << "ANA S";
        QTest::newRow("acentos") << "maria da conceição" << true << "MARIA DA CONCEICAO";
        QTest::newRow("joão") << "joão silva" << true << "JOAO SILVA";
        QTest::newRow("descartar é um nome") << "descartar" << true << "DESCARTAR";
        // Letter + combining accent, as some keyboards and pasted texts give it.
        QTest::newRow("acentos separados")
            << QStringLiteral("Jose\u0301 Conceic\u0327a\u0303o") << true << "JOSE CONCEICAO";
        QTest::newRow("só espaços") << "        " << false << "";
    }
    void regrasDoNome() {
        QFETCH(QString, nome);
        QFETCH(bool, aceito);
        QFETCH(QString, guardado);
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
        Filho<QLineEdit>(d, "txtNome")->setText(nome);
        Filho<QPushButton>(d, "cmdOk")->click();
        if (aceito) {
            QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
            QCOMPARE(QString::fromStdString(Cp1252ParaUtf8(a.programa->NomeCompleto)), guardado);
            QCOMPARE(d.windowTitle(), QStringLiteral("Gerando análise, aguarde..."));
            QVERIFY(!Filho<QPushButton>(d, "cmdOk")->isEnabled());
            QVERIFY(!Filho<QPushButton>(d, "cmdCancelar")->isEnabled());
            QVERIFY(a.mensagens.mostradas.isEmpty());
        } else {
            QCOMPARE(d.result(), 0);
            QCOMPARE(a.mensagens.mostradas.size(), 1);
            QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
            QCOMPARE(a.mensagens.mostradas[0].texto, QString::fromUtf8(kMensagemNomeCurto));
            QVERIFY(a.programa->NomeCompleto.empty());
        }
    }

    void nomeVazioSemMensagem() {
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
        Filho<QPushButton>(d, "cmdOk")->click();
        QVERIFY(a.mensagens.mostradas.isEmpty());
        QCOMPARE(d.result(), 0);
        QVERIFY(d.isVisible());
    }

    void nomeSemLimiteDeTamanho() {
        // The name box takes any length: a name of almost 40,000 characters, pasted in part and
        // typed in part, is accepted whole (the widget's own cap is 32,767).
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
        QString nome;
        while (nome.size() < 40000)
            nome += QStringLiteral("maria da conceição ");
        nome.truncate(39990);
        nome += QStringLiteral(" Silveira"); // typed: keyClicks takes ASCII only
        Filho<QLineEdit>(d, "txtNome")->setText(nome.left(39990));
        Filho<QLineEdit>(d, "txtNome")->end(false);
        QTest::keyClicks(Filho<QLineEdit>(d, "txtNome"), nome.mid(39990));
        QCOMPARE(Filho<QLineEdit>(d, "txtNome")->text(), nome);
        Filho<QPushButton>(d, "cmdOk")->click();
        QVERIFY(a.mensagens.mostradas.isEmpty());
        QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(a.programa->NomeCompleto.size(), std::size_t{39999});
        QCOMPARE(a.programa->NomeCompleto.substr(0, 19), std::string("MARIA DA CONCEICAO "));
        QCOMPARE(a.programa->NomeCompleto.substr(39990), std::string(" SILVEIRA"));
    }

    void caracteresForaDoWindows1252() {
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
        Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("Łukasz Żółw"));
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(d.result(), 0);
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QVERIFY(a.mensagens.mostradas[0].texto.contains(QStringLiteral("\"Ł\", \"Ż\"")));
        QVERIFY(!a.mensagens.mostradas[0].texto.contains(QStringLiteral("\"ó\""))); // ó is fine
        QVERIFY(a.programa->NomeCompleto.empty());
    }

    void quebraDeLinhaOuTabulacaoColadaNoNome() {
        // QLineEdit keeps a pasted tab or line break; the name must not carry them into the
        // page header and the export.
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
        for (const QString& nome : {QStringLiteral("Ana\tSilva"), QStringLiteral("Ana Silva\nSouza")}) {
            a.mensagens.mostradas.clear();
            Filho<QLineEdit>(d, "txtNome")->setText(nome);
            Filho<QPushButton>(d, "cmdOk")->click();
            QCOMPARE(d.result(), 0);
            QVERIFY(d.isVisible());
            QCOMPARE(a.mensagens.mostradas.size(), 1);
            QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
            QCOMPARE(a.mensagens.mostradas[0].icone, IconeMensagem::Critico);
            QCOMPARE(a.mensagens.mostradas[0].texto,
                     QStringLiteral("O nome contém caracteres de controle (quebras de linha, "
                                    "tabulações). Tente novamente sem eles."));
            QCOMPARE(d.focusWidget(), static_cast<QWidget*>(Filho<QLineEdit>(d, "txtNome")));
            QVERIFY(a.programa->NomeCompleto.empty());
        }
        Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("Ana Silva"));
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    }

    void enterNoCampoDaDataNormalizaAntesDeGuardar() {
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("ANA SILVA"));
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/8/78"));
        QTest::keyClick(Filho<QLineEdit>(d, "txtDataNasc"), Qt::Key_Return);
        QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(a.programa->DataNascimento), QStringLiteral("20/08/1978"));
        QCOMPARE(QString::fromStdString(a.programa->NomeCompleto), QStringLiteral("ANA SILVA"));
    }

    void enterNoCancelarCancela() {
        // Enter on the focused "Cancela&r" cancels, with a valid date and name typed; it does not
        // start the analysis.
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
        Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("ANA SILVA"));
        Filho<QPushButton>(d, "cmdCancelar")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Filho<QPushButton>(d, "cmdCancelar"), Qt::Key_Return);
        QCOMPARE(d.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(a.programa->NomeCompleto, std::string("Descartar"));
    }

    void cancelarPorBotaoEscOuMoldura_data() {
        QTest::addColumn<int>("modo");
        QTest::newRow("botão") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("moldura") << 2;
    }
    void cancelarPorBotaoEscOuMoldura() {
        QFETCH(int, modo);
        AmbienteTeste a;
        a.programa->DataNascimento = "01/01/2000";
        frmEntraNome d(*a.programa);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("ANA SILVA"));
        if (modo == 0)
            Filho<QPushButton>(d, "cmdCancelar")->click();
        if (modo == 1)
            QTest::keyClick(Filho<QLineEdit>(d, "txtNome"), Qt::Key_Escape);
        if (modo == 2)
            d.close();
        QCOMPARE(d.result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(a.programa->NomeCompleto), QStringLiteral("Descartar"));
        QCOMPARE(QString::fromStdString(a.programa->DataNascimento), QStringLiteral("01/01/2000"));
    }

    // The register's check box: on by default, its last state kept in preferencias.ini; a file
    // that could not be read at start is never written.
    void incluirNoCadastroLembrado() {
        AmbienteTeste a;
        Programa& p = *a.programa;
        const std::filesystem::path ini = p.PastaPrograma / kArquivoPreferencias;
        auto aceitar = [&p](bool incluir) {
            frmEntraNome d(p);
            Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
            Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("Maria Silva"));
            const bool antes = Filho<QCheckBox>(d, "chkIncluirCadastro")->isChecked();
            Filho<QCheckBox>(d, "chkIncluirCadastro")->setChecked(incluir);
            Filho<QPushButton>(d, "cmdOk")->click();
            [&] { QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted)); }();
            [&] { QCOMPARE(d.IncluirNoCadastro(), incluir); }();
            return antes;
        };
        {
            frmEntraNome d(p);
            QCOMPARE(Filho<QCheckBox>(d, "chkIncluirCadastro")->text(),
                     QStringLiteral("Incluir no cadastro de clientes"));
            QCOMPARE(Filho<QLabel>(d, "lblReferencia")->text(), QStringLiteral("Data de referência:"));
            QCOMPARE(Filho<QLineEdit>(d, "txtReferencia")->text(), QStringLiteral("07/12/2026"));
        }
        QVERIFY(aceitar(true));                 // the default
        QVERIFY(!std::filesystem::exists(ini)); // nothing changed, nothing written
        QVERIFY(aceitar(false));
        QCOMPARE(a.Ler("preferencias.ini").contains("entrada.incluir-no-cadastro=nao\n"), true);
        // Another run of the program reads it back.
        p.PreferenciasPrograma = CarregarPreferencias(p.PastaPrograma);
        QVERIFY(!aceitar(true));
        QCOMPARE(a.Ler("preferencias.ini").contains("entrada.incluir-no-cadastro=sim\n"), true);

        // Unreadable at start (here: a file too large to be ours): the choice holds for the run.
        const QByteArray grande(static_cast<int>(kTamanhoMaximoPreferencias) + 10, '#');
        QFile f(QString::fromStdString(ini.string()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(grande);
        f.close();
        EstadoArquivo estado = EstadoArquivo::Lido;
        p.PreferenciasPrograma = CarregarPreferencias(p.PastaPrograma, &estado);
        p.AnotarLeitura(kArquivoPreferencias, estado);
        QVERIFY(p.Ilegivel(kArquivoPreferencias));
        QVERIFY(aceitar(false));
        QVERIFY(!aceitar(false));
        QCOMPARE(a.Ler("preferencias.ini"), grande);
        QVERIFY(a.mensagens.mostradas.isEmpty());
    }

    // A birth date after today is asked about, once; "Não" goes back to the date.
    void nascimentoNoFuturoPerguntado() {
        AmbienteTeste a;
        frmEntraNome d(*a.programa);
        Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("01/01/2030"));
        Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("Maria Silva"));
        a.mensagens.respostas = {RespostaMensagem::Nao, RespostaMensagem::Sim};
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(d.result(), 0);
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Atenção:"));
        QCOMPARE(a.mensagens.mostradas[0].texto,
                 QStringLiteral("A data de nascimento informada (01/01/2030) é posterior à data de hoje. Ela "
                                "está correta?"));
        QCOMPARE(a.mensagens.mostradas[0].botoes, BotoesMensagem::SimNao);
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(a.mensagens.mostradas.size(), 2);
        // Today and the days before: no question.
        for (const char* data : {"07/12/2026", "06/12/2026", "07/12/1926"}) {
            AmbienteTeste b;
            frmEntraNome e(*b.programa);
            Filho<QLineEdit>(e, "txtDataNasc")->setText(QString::fromLatin1(data));
            Filho<QLineEdit>(e, "txtNome")->setText(QStringLiteral("Maria Silva"));
            Filho<QPushButton>(e, "cmdOk")->click();
            QCOMPARE(e.result(), static_cast<int>(QDialog::Accepted));
            QVERIFY(b.mensagens.mostradas.isEmpty());
        }
    }

    // The reference date: today by default (the analysis then follows the day it is printed
    // on), another valid day kept, an invalid one refused with its message.
    void dataDeReferencia() {
        struct Caso {
            const char* digitado;
            bool aceito;
            std::optional<Data> guardada;
            const char* exibido;
        } casos[] = {
            {"07/12/2026", true, std::nullopt, "07/12/2026"},
            {"15/1/27", true, Data{15, 1, 2027}, "15/01/2027"},
            {" 01/03/2020 ", true, Data{1, 3, 2020}, "01/03/2020"},
            {"31/02/2027", false, std::nullopt, "31/02/2027"},
            {"", false, std::nullopt, ""},
        };
        for (const Caso& c : casos) {
            AmbienteTeste a;
            a.programa->DataReferencia = Data{1, 1, 1999}; // of an earlier analysis
            frmEntraNome d(*a.programa);
            Filho<QLineEdit>(d, "txtDataNasc")->setText(QStringLiteral("20/08/1978"));
            Filho<QLineEdit>(d, "txtNome")->setText(QStringLiteral("Maria Silva"));
            Filho<QLineEdit>(d, "txtReferencia")->setText(QString::fromLatin1(c.digitado));
            Filho<QPushButton>(d, "cmdOk")->click();
            QCOMPARE(Filho<QLineEdit>(d, "txtReferencia")->text(), QString::fromLatin1(c.exibido));
            if (c.aceito) {
                QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
                QVERIFY(a.programa->DataReferencia == c.guardada);
                QVERIFY(a.mensagens.mostradas.isEmpty());
            } else {
                QCOMPARE(d.result(), 0);
                QCOMPARE(a.mensagens.mostradas.size(), 1);
                QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
                QCOMPARE(a.mensagens.mostradas[0].texto,
                         QStringLiteral("A data de referência informada não é uma data válida. Digite-a no "
                                        "formato dd/mm/aaaa (por exemplo, 07/12/2026)."));
            }
        }
    }
};

QTEST_MAIN(TesteEntrada)
#include "teste_entrada.moc"
