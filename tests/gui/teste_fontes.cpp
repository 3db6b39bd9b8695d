// The font dialog: filled from the settings, its copy of the record following every change, Ok
// writing fontes.dat and the program's fonts, Cancel leaving them as they were, a face that is not
// installed kept, a failed write reported, and the preview drawn.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "app/qt/frmConfiguraFonte.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

int Tinta(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qGray(img.pixel(x, y)) < 128;
    return n;
}

// The sizes the list offers, joined by commas.
QString ListaDeTamanhos(const QComboBox* caixa) {
    QStringList tamanhos;
    for (int i = 0; i < caixa->count(); ++i)
        tamanhos << caixa->itemText(i);
    return tamanhos.join(QLatin1Char(','));
}

// Types `texto` over the size box's text, as the user would.
void DigitarTamanho(QComboBox* caixa, const QString& texto) {
    caixa->setFocus(Qt::TabFocusReason);
    caixa->lineEdit()->selectAll();
    QTest::keyClick(caixa, Qt::Key_Delete);
    QTest::keyClicks(caixa, texto);
}

bool Mostrar(QDialog& d) {
    d.show();
    d.activateWindow();
    return QTest::qWaitForWindowActive(&d);
}

} // namespace

class TesteFontes : public QObject {
    Q_OBJECT

private slots:
    void preenchidoComAsFontesDoArquivo() {
        AmbienteTeste a;
        a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
        frmConfiguraFonte d(*a.programa);
        QCOMPARE(d.windowTitle(), QStringLiteral("Fontes..."));
        QCOMPARE(
            Filho<QLabel>(d, "lblInfo_0")->text(),
            QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão da descrição da análise:"));
        QCOMPARE(Filho<QLabel>(d, "lblInfo_1")->text(),
                 QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão do título da análise:"));
        QCOMPARE(Filho<QLabel>(d, "lblInfo_2")->text(),
                 QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão do texto da análise:"));
        QCOMPARE(Filho<QComboBox>(d, "cmbFonte_0")->currentText(), QStringLiteral("Arial"));
        QCOMPARE(Filho<QComboBox>(d, "cmbFonte_1")->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(Filho<QComboBox>(d, "cmbFonte_2")->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_0")->currentText(), QStringLiteral("10"));
        QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_1")->currentText(), QStringLiteral("14"));
        QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_2")->currentText(), QStringLiteral("12"));
        QStringList tamanhos;
        for (int i = 0; i < Filho<QComboBox>(d, "cmbTamanho_2")->count(); ++i)
            tamanhos << Filho<QComboBox>(d, "cmbTamanho_2")->itemText(i);
        QCOMPARE(tamanhos.join(QLatin1Char(',')), QStringLiteral("6,8,10,12,14,16,18,20,22"));
        QVERIFY(!Filho<QCheckBox>(d, "chkNegrito_0")->isChecked());
        QVERIFY(Filho<QCheckBox>(d, "chkItalico_0")->isChecked());
        QVERIFY(Filho<QCheckBox>(d, "chkNegrito_1")->isChecked());
        QVERIFY(!Filho<QCheckBox>(d, "chkNegrito_2")->isChecked() &&
                !Filho<QCheckBox>(d, "chkItalico_2")->isChecked());
        QCOMPARE(Filho<QPushButton>(d, "cmdVisualizar")->text(), QStringLiteral("Ver &Amostra"));
        QCOMPARE(Filho<QPushButton>(d, "cmdOk")->text(), QStringLiteral("O&k"));
        QCOMPARE(Filho<QPushButton>(d, "cmdCancelar")->text(), QStringLiteral("Cancela&r"));
        QVERIFY(Tinta(d.Amostra()) > 100);
    }

    void cadaMudancaVaiParaACopiaECancelarNaoMudaNada() {
        AmbienteTeste a;
        a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
        const QByteArray antes = a.Ler("fontes.dat");
        QCOMPARE(antes.size(), 168);
        frmConfiguraFonte d(*a.programa);
        const QImage amostraAntes = d.Amostra();
        Filho<QComboBox>(d, "cmbTamanho_1")->setCurrentText(QStringLiteral("22"));
        Filho<QComboBox>(d, "cmbTamanho_1")
            ->setCurrentIndex(Filho<QComboBox>(d, "cmbTamanho_1")->findText(QStringLiteral("22")));
        Filho<QCheckBox>(d, "chkItalico_2")->setChecked(true);
        QCOMPARE(d.FontesEditadas().FonteTitulo.Tamanho, int16_t{22});
        QCOMPARE(d.FontesEditadas().FonteCorpo.Italico, kLigado);
        QVERIFY(d.Amostra() != amostraAntes);
        Filho<QPushButton>(d, "cmdCancelar")->click();
        QCOMPARE(a.programa->Fontes.FonteTitulo.Tamanho, int16_t{14});
        QCOMPARE(a.programa->Fontes.FonteCorpo.Italico, kDesligado);
        QCOMPARE(a.Ler("fontes.dat"), antes);
    }

    void soOkMudaAsFontesDoPrograma() {
        // The program's fonts stay as they are while the dialog is open and after Cancel, even when
        // fontes.dat changed on disk meanwhile; Ok puts the dialog's fonts in.
        AmbienteTeste a;
        a.programa->Fontes.FonteCorpo.Tamanho = 16;
        const auto antes = SerializarFontes(a.programa->Fontes);
        FontesAnalise noDisco;
        noDisco.FonteTitulo.Nome = "Arial";
        QVERIFY(SalvarFontes(a.programa->PastaPrograma, noDisco));
        for (const bool ok : {false, true}) {
            frmConfiguraFonte d(*a.programa);
            d.show();
            Filho<QCheckBox>(d, "chkNegrito_2")->setChecked(true);
            QCOMPARE(SerializarFontes(a.programa->Fontes), antes);
            Filho<QPushButton>(d, ok ? "cmdOk" : "cmdCancelar")->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(SerializarFontes(a.programa->Fontes), ok ? SerializarFontes(d.FontesEditadas()) : antes);
        }
        QCOMPARE(a.programa->Fontes.FonteCorpo.Negrito, kLigado);
        QCOMPARE(a.programa->Fontes.FonteCorpo.Tamanho, int16_t{16});
        QCOMPARE(CarregaFontes(a.programa->PastaPrograma).FonteCorpo.Negrito, kLigado);
    }

    void okGravaOArquivo() {
        AmbienteTeste a;
        a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
        frmConfiguraFonte d(*a.programa);
        Filho<QComboBox>(d, "cmbFonte_0")
            ->setCurrentIndex(Filho<QComboBox>(d, "cmbFonte_0")->findText(QStringLiteral("Courier New")));
        Filho<QCheckBox>(d, "chkNegrito_0")->setChecked(true);
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
        const QByteArray b = a.Ler("fontes.dat");
        QCOMPARE(b.size(), 168);
        // Record order: title, description, body. The description is at offset 56.
        QCOMPARE(b.mid(56, 50), QByteArray("Courier New").leftJustified(50, ' '));
        QCOMPARE(b.mid(106, 2), QByteArray("\xFF\xFF", 2));
        QCOMPARE(CarregaFontes(a.programa->PastaPrograma).FonteDescricao.Nome, std::string("Courier New"));
    }

    void faceNaoInstaladaEhMantida() {
        AmbienteTeste a;
        a.programa->Fontes.FonteCorpo.Nome = "Fonte Que Nao Existe";
        a.programa->Fontes.FonteCorpo.Tamanho = 11;
        frmConfiguraFonte d(*a.programa);
        QCOMPARE(Filho<QComboBox>(d, "cmbFonte_2")->currentText(), QStringLiteral("Fonte Que Nao Existe"));
        QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_2")->currentText(), QStringLiteral("11"));
        Filho<QCheckBox>(d, "chkNegrito_0")->setChecked(true); // any change copies every row
        QCOMPARE(d.FontesEditadas().FonteCorpo.Nome, std::string("Fonte Que Nao Existe"));
        QCOMPARE(d.FontesEditadas().FonteCorpo.Tamanho, int16_t{11});
        // A size box emptied by the user keeps the size.
        Filho<QComboBox>(d, "cmbTamanho_2")->lineEdit()->clear();
        QTest::keyClick(Filho<QComboBox>(d, "cmbTamanho_2")->lineEdit(), Qt::Key_Backspace);
        Filho<QCheckBox>(d, "chkNegrito_0")->setChecked(false);
        QCOMPARE(d.FontesEditadas().FonteCorpo.Tamanho, int16_t{11});
    }

    void tamanhoForaDaFaixaRecusadoComMensagem() {
        // Typed sizes outside 6 to 72 (and an empty box) are refused when the box is left, by Tab
        // or by Enter: a message names the range, the box shows the size that stays (the one Ok
        // saves), and the list keeps its nine sizes.
        const struct {
            const char* digitado;
            const char* inicio;
        } casos[] = {{"0", "O tamanho 0 não pode ser usado: "},
                     {"5", "O tamanho 5 não pode ser usado: "},
                     {"73", "O tamanho 73 não pode ser usado: "},
                     {"999", "O tamanho 999 não pode ser usado: "},
                     {"", "O tamanho não pode ficar em branco: "}};
        for (const Qt::Key saida : {Qt::Key_Tab, Qt::Key_Return}) {
            for (const auto& c : casos) {
                AmbienteTeste a;
                a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
                frmConfiguraFonte d(*a.programa);
                QVERIFY(Mostrar(d));
                DigitarTamanho(Filho<QComboBox>(d, "cmbTamanho_2"), QString::fromUtf8(c.digitado));
                QTest::keyClick(Filho<QComboBox>(d, "cmbTamanho_2"), saida);
                QCOMPARE(a.mensagens.mostradas.size(), 1);
                const MensagemMostrada& m = a.mensagens.mostradas[0];
                QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
                QCOMPARE(m.texto,
                         QString::fromUtf8(c.inicio) +
                             QStringLiteral("o tamanho da fonte deve ser um número inteiro de 6 a 72. "
                                            "A fonte continua com o tamanho 12."));
                QCOMPARE(m.icone, IconeMensagem::Exclamacao);
                QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_2")->currentText(), QStringLiteral("12"));
                QCOMPARE(d.FontesEditadas().FonteCorpo.Tamanho, int16_t{12});
                QCOMPARE(ListaDeTamanhos(Filho<QComboBox>(d, "cmbTamanho_2")),
                         QStringLiteral("6,8,10,12,14,16,18,20,22"));
                QVERIFY(d.isVisible()); // Enter with a refused size does not close the dialog
                Filho<QPushButton>(d, "cmdOk")->click();
                QCOMPARE(a.mensagens.mostradas.size(), 1);
                QCOMPARE(a.Ler("fontes.dat").mid(166, 2), QByteArray("\x0C\x00", 2));
            }
        }
    }

    void tamanhoDigitadoNaFaixaNaoEntraNaLista() {
        // 6, 13 and 72 are taken as typed, Enter saves them at once (Ok is the default button), and
        // none of them is added to the list.
        for (const int tamanho : {6, 13, 72}) {
            AmbienteTeste a;
            a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
            frmConfiguraFonte d(*a.programa);
            QVERIFY(Mostrar(d));
            DigitarTamanho(Filho<QComboBox>(d, "cmbTamanho_1"), QString::number(tamanho));
            QCOMPARE(d.FontesEditadas().FonteTitulo.Tamanho, static_cast<int16_t>(tamanho));
            QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_1")->currentText(), QString::number(tamanho));
            QCOMPARE(ListaDeTamanhos(Filho<QComboBox>(d, "cmbTamanho_1")),
                     QStringLiteral("6,8,10,12,14,16,18,20,22"));
            QTest::keyClick(Filho<QComboBox>(d, "cmbTamanho_1"), Qt::Key_Return);
            QVERIFY(a.mensagens.mostradas.isEmpty());
            QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
            QCOMPARE(ListaDeTamanhos(Filho<QComboBox>(d, "cmbTamanho_1")),
                     QStringLiteral("6,8,10,12,14,16,18,20,22"));
            QCOMPARE(a.Ler("fontes.dat").mid(54, 2),
                     QByteArray(1, static_cast<char>(tamanho)) + QByteArray(1, '\0'));
        }
    }

    void tamanhoDoArquivoForaDaListaMostradoSemEntrarNela() {
        // A size of the file within the range but not in the list shows as it is; one outside the
        // range has become the default's when the file was read.
        AmbienteTeste a;
        FontesAnalise f;
        f.FonteCorpo.Tamanho = 13;
        f.FonteTitulo.Tamanho = 999;
        QVERIFY(SalvarFontes(a.programa->PastaPrograma, f));
        a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
        frmConfiguraFonte d(*a.programa);
        QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_2")->currentText(), QStringLiteral("13"));
        QCOMPARE(Filho<QComboBox>(d, "cmbTamanho_1")->currentText(), QStringLiteral("14"));
        for (int k = 0; k < 3; ++k)
            QCOMPARE(ListaDeTamanhos(Filho<QComboBox>(d, qPrintable(QStringLiteral("cmbTamanho_%1").arg(k)))),
                     QStringLiteral("6,8,10,12,14,16,18,20,22"));
    }

    void faceQueOArquivoNaoGuardaERecusada() {
        // A face whose name Windows-1252 cannot hold is refused with a message naming the
        // characters; the box shows the face that stays, and that is the face Ok saves.
        AmbienteTeste a;
        a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
        frmConfiguraFonte d(*a.programa);
        QVERIFY(Mostrar(d));
        Filho<QComboBox>(d, "cmbFonte_2")->addItem(QStringLiteral("Fonte Ωmega ★"));
        Filho<QComboBox>(d, "cmbFonte_2")->setCurrentIndex(Filho<QComboBox>(d, "cmbFonte_2")->count() - 1);
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        const MensagemMostrada& m = a.mensagens.mostradas[0];
        QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
        QCOMPARE(m.texto,
                 QStringLiteral("A fonte “Fonte Ωmega ★” não pode ser usada porque o nome dela contém "
                                "caracteres que o arquivo de fontes não consegue guardar: “Ω” (U+03A9), "
                                "“★” (U+2605). Escolha outra fonte; a fonte Times New Roman foi mantida."));
        QCOMPARE(Filho<QComboBox>(d, "cmbFonte_2")->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(d.FontesEditadas().FonteCorpo.Nome, std::string("Times New Roman"));
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(a.Ler("fontes.dat").mid(112, 50), QByteArray("Times New Roman").leftJustified(50, ' '));
    }

    void cadaFamiliaUmaVez() {
        // Qt names a family that several foundries provide once per foundry, with the foundry in
        // brackets; the list shows the family once.
        const QStringList lista = frmConfiguraFonte::FamiliasUmaVezCada(
            {QStringLiteral("Nimbus Sans [UKWN]"), QStringLiteral("Nimbus Sans [urw]"),
             QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial [Monotype]"),
             QStringLiteral("Noto Sans [GOOG]")});
        QCOMPARE(lista, QStringList({QStringLiteral("Arial"), QStringLiteral("Courier New"),
                                     QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"),
                                     QStringLiteral("Noto Sans"), QStringLiteral("Times New Roman")}));
        AmbienteTeste a;
        frmConfiguraFonte d(*a.programa);
        QStringList vistos;
        for (int i = 0; i < Filho<QComboBox>(d, "cmbFonte_0")->count(); ++i) {
            const QString nome = Filho<QComboBox>(d, "cmbFonte_0")->itemText(i);
            QVERIFY2(!nome.endsWith(u']'), qPrintable(nome));
            QVERIFY2(!vistos.contains(nome, Qt::CaseInsensitive), qPrintable(nome));
            vistos << nome;
        }
    }

    void falhaAoGravarEhInformada() {
        AmbienteTeste a;
        QVERIFY(QDir(a.Pasta()).mkdir(QStringLiteral("fontes.dat"))); // a folder where the file should be
        frmConfiguraFonte d(*a.programa);
        d.show();
        Filho<QPushButton>(d, "cmdOk")->click();
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(a.mensagens.mostradas[0].icone, IconeMensagem::Critico);
        QVERIFY(d.isVisible()); // the dialog stays, nothing is lost
        Filho<QPushButton>(d, "cmdCancelar")->click();
        QVERIFY(!d.isVisible());
    }
};

QTEST_MAIN(TesteFontes)
#include "teste_fontes.moc"
