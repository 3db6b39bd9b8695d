// The QPainter surface: the same measurements on a screen page image and on a 1200-dpi PDF,
// the Windows faces served by their Liberation equivalents, text that a PDF keeps as text, and
// the pictures of the resources; the texts it draws converted as every Qt file converts them.
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "engine/cp1252.h"
#include "layout/percurso.h"
#include "layout/qt/cp1252_qt.h"
#include "layout/qt/superficie_qt.h"

using namespace oraculandia;

namespace {

QImage PaginaTela() {
    QImage img(800, 1123, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    return img;
}

} // namespace

class TesteSuperficie : public QObject {
    Q_OBJECT

private slots:
    void mesmasMedidasNaTelaENoPdf() {
        QImage img = PaginaTela();
        QTemporaryDir pasta;
        QPdfWriter pdf(pasta.filePath(QStringLiteral("m.pdf")));
        pdf.setResolution(1200);
        SuperficieQt tela(&img);
        SuperficieQt papel(&pdf);
        for (SuperficieQt* s : {&tela, &papel}) {
            s->DefinirNomeFonte("Times New Roman");
            s->DefinirTamanhoFonte(12);
        }
        const std::string frase = "O Caminho da Vida 8 conduz ao poder de realizar no mundo material.";
        const double lt = tela.LarguraTexto(frase), lp = papel.LarguraTexto(frase);
        QVERIFY2(std::abs(lt - lp) / lp < 0.005, qPrintable(QStringLiteral("%1 %2").arg(lt).arg(lp)));
        // Liberation Serif 12 pt: line spacing about 1.15 em = 4.87 mm; no rounding to whole pixels.
        QVERIFY2(std::abs(tela.AlturaTexto("Ag") - 4.87) < 0.1,
                 qPrintable(QString::number(tela.AlturaTexto("Ag"))));
        QVERIFY(std::abs(tela.AlturaTexto("Ag") - papel.AlturaTexto("x")) < 0.02);
        // Times New Roman is metric-compatible with Liberation Serif: "Análise" in 40 pt bold is
        // 6451 font units of 2048 to the em, 44.5 mm.
        tela.DefinirNegrito(true);
        tela.DefinirTamanhoFonte(40);
        const double analise = tela.LarguraTexto("An\xE1lise");
        QVERIFY2(analise > 43.5 && analise < 45.5, qPrintable(QString::number(analise)));
        QCOMPARE(SuperficieQt::FamiliaReal(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
        QCOMPARE(SuperficieQt::FamiliaReal(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
        QCOMPARE(SuperficieQt::FamiliaReal(QStringLiteral("Times New Roman")),
                 QStringLiteral("Liberation Serif"));
        QCOMPARE(std::lround(tela.LarguraEscala()), 212L);
        QCOMPARE(std::lround(tela.AlturaEscala()), 297L);
    }

    void estadoDaFonteComoDefinido() {
        QImage img = PaginaTela();
        SuperficieQt s(&img);
        s.DefinirNomeFonte("Arial");
        s.DefinirTamanhoFonte(10.5);
        s.DefinirItalico(true);
        QCOMPARE(s.NomeFonte(), std::string("Arial"));
        QCOMPARE(s.TamanhoFonte(), 10.5);
        QVERIFY(s.Italico());
        QVERIFY(!s.Negrito());
        s.DefinirX(5);
        s.DefinirY(7);
        s.ImprimirLinha("Este \xE9 o n\xFAmero...");
        QCOMPARE(s.X(), 0.0);
        QCOMPARE(s.Y(), 7 + s.AlturaTexto(""));
    }

    void textoNoPdfContinuaTexto() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext not installed");
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("t.pdf"));
        {
            QPdfWriter pdf(arquivo);
            pdf.setResolution(1200);
            SuperficieQt s(&pdf);
            s.DefinirNomeFonte("Times New Roman");
            s.DefinirTamanhoFonte(12);
            std::string texto = "Administra\xE7\xE3o, finan\xE7\x61s e dire\xE7\xE3o de empresas s\xE3o "
                                "campos onde o 8 mostra o seu valor.";
            ImprimeTexto(s, 20, 12, 100, 272, texto);
        }
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {arquivo, QStringLiteral("-")});
        QVERIFY(p.waitForFinished());
        const QString lido = QString::fromUtf8(p.readAllStandardOutput()).simplified();
        QVERIFY2(lido.contains(QStringLiteral("Administração, finanças")), qPrintable(lido));
        QVERIFY2(lido.contains(QStringLiteral("valor.")), qPrintable(lido));
    }

    void figurasDosRecursos() {
        for (int signo = 1; signo <= 12; ++signo)
            QVERIFY(FiguraSvg(NomeFiguraSigno(signo)) != nullptr);
        for (const char* nome : {kFiguraCapa, kFiguraDivisoria, kFiguraBorda})
            QVERIFY(FiguraSvg(nome) != nullptr);
        QVERIFY(FiguraSvg("nao_existe") == nullptr);

        QImage img = PaginaTela();
        {
            SuperficieQt s(&img);
            s.Figura("signo04", 10, 10, 22, 22);
            s.Figura("nao_existe", 50, 50, 22, 22); // nothing, no failure
        }
        const int px = qRound(21 * 56.7 / 15);
        QVERIFY(qGray(img.pixel(px, px)) < 200); // inside the picture
        QCOMPARE(img.pixel(qRound(60 * 3.78), qRound(60 * 3.78)), qRgb(255, 255, 255));
    }

    void textosConvertidosComoNoNucleo() {
        // Every byte, embedded zero included, and back: the same characters as the UTF-8 of the
        // core gives, the surface's texts among them.
        std::string todos;
        for (int b = 255; b >= 0; --b)
            todos += static_cast<char>(b);
        const QString q = Cp1252ParaQString(todos);
        QCOMPARE(q.size(), qsizetype{256});
        QCOMPARE(q, QString::fromStdString(Cp1252ParaUtf8(todos)));
        QCOMPARE(SuperficieQt::Texto(todos), q);
        QCOMPARE(QStringParaCp1252(q).texto, todos);
        QCOMPARE(Cp1252ParaQStringSemControles("a\x07\x81"
                                               "b\r\n"),
                 QStringLiteral("a\uFFFD\uFFFDb\r\n"));
    }
};

QTEST_MAIN(TesteSuperficie)
#include "teste_analise_superficie.moc"
