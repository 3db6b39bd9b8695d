// The font dialog: filled from the settings, the record following every change, Ok writing
// fontes.dat, Cancel reading it back, a face that is not installed kept, a failed write
// reported, and the preview drawn.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "apoio/duplos.h"
#include "layout/qt/frmConfiguraFonte.h"

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
            d.lblInfo[0]->text(),
            QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão da descrição da análise:"));
        QCOMPARE(d.lblInfo[1]->text(),
                 QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão do título da análise:"));
        QCOMPARE(d.lblInfo[2]->text(),
                 QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão do texto da análise:"));
        QCOMPARE(d.cmbFonte[0]->currentText(), QStringLiteral("Arial"));
        QCOMPARE(d.cmbFonte[1]->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(d.cmbFonte[2]->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(d.cmbTamanho[0]->currentText(), QStringLiteral("10"));
        QCOMPARE(d.cmbTamanho[1]->currentText(), QStringLiteral("14"));
        QCOMPARE(d.cmbTamanho[2]->currentText(), QStringLiteral("12"));
        QStringList tamanhos;
        for (int i = 0; i < d.cmbTamanho[2]->count(); ++i)
            tamanhos << d.cmbTamanho[2]->itemText(i);
        QCOMPARE(tamanhos.join(QLatin1Char(',')), QStringLiteral("6,8,10,12,14,16,18,20,22"));
        QVERIFY(!d.chkNegrito[0]->isChecked());
        QVERIFY(d.chkItalico[0]->isChecked());
        QVERIFY(d.chkNegrito[1]->isChecked());
        QVERIFY(!d.chkNegrito[2]->isChecked() && !d.chkItalico[2]->isChecked());
        QCOMPARE(d.cmdVisualizar->text(), QStringLiteral("Ver &Amostra"));
        QCOMPARE(d.cmdOk->text(), QStringLiteral("O&k"));
        QCOMPARE(d.cmdCancelar->text(), QStringLiteral("Cancela&r"));
        QVERIFY(Tinta(d.Amostra()) > 100);
    }

    void cadaMudancaVaiParaORegistroECancelarReleOArquivo() {
        AmbienteTeste a;
        a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
        const QByteArray antes = a.Ler("fontes.dat");
        QCOMPARE(antes.size(), 168);
        frmConfiguraFonte d(*a.programa);
        const QImage amostraAntes = d.Amostra();
        d.cmbTamanho[1]->setCurrentText(QStringLiteral("22"));
        d.cmbTamanho[1]->setCurrentIndex(d.cmbTamanho[1]->findText(QStringLiteral("22")));
        d.chkItalico[2]->setChecked(true);
        QCOMPARE(a.programa->Fontes.FonteTitulo.Tamanho, int16_t{22});
        QCOMPARE(a.programa->Fontes.FonteCorpo.Italico, kLigado);
        QVERIFY(d.Amostra() != amostraAntes);
        d.cmdCancelar->click();
        QCOMPARE(a.programa->Fontes.FonteTitulo.Tamanho, int16_t{14});
        QCOMPARE(a.programa->Fontes.FonteCorpo.Italico, kDesligado);
        QCOMPARE(a.Ler("fontes.dat"), antes);
    }

    void okGravaOArquivo() {
        AmbienteTeste a;
        a.programa->Fontes = CarregaFontes(a.programa->PastaPrograma);
        frmConfiguraFonte d(*a.programa);
        d.cmbFonte[0]->setCurrentIndex(d.cmbFonte[0]->findText(QStringLiteral("Courier New")));
        d.chkNegrito[0]->setChecked(true);
        d.cmdOk->click();
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
        QCOMPARE(d.cmbFonte[2]->currentText(), QStringLiteral("Fonte Que Nao Existe"));
        QCOMPARE(d.cmbTamanho[2]->currentText(), QStringLiteral("11"));
        d.chkNegrito[0]->setChecked(true); // any change copies every row
        QCOMPARE(a.programa->Fontes.FonteCorpo.Nome, std::string("Fonte Que Nao Existe"));
        QCOMPARE(a.programa->Fontes.FonteCorpo.Tamanho, int16_t{11});
        // A size box emptied by the user keeps the size.
        d.cmbTamanho[2]->lineEdit()->clear();
        QTest::keyClick(d.cmbTamanho[2]->lineEdit(), Qt::Key_Backspace);
        d.chkNegrito[0]->setChecked(false);
        QCOMPARE(a.programa->Fontes.FonteCorpo.Tamanho, int16_t{11});
    }

    void falhaAoGravarEhInformada() {
        AmbienteTeste a;
        QVERIFY(QDir(a.Pasta()).mkdir(QStringLiteral("fontes.dat"))); // a folder where the file should be
        frmConfiguraFonte d(*a.programa);
        d.show();
        d.cmdOk->click();
        QCOMPARE(a.mensagens.mostradas.size(), 1);
        QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(a.mensagens.mostradas[0].icone, IconeMensagem::Critico);
        QVERIFY(d.isVisible()); // the dialog stays, nothing is lost
        d.cmdCancelar->click();
        QVERIFY(!d.isVisible());
    }
};

QTEST_MAIN(TesteFontes)
#include "teste_fontes.moc"
