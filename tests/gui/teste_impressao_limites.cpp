// The print margins at their limits and the messages of the print job: margins of margens.dat
// that no sheet could take are not shown, the job refuses such margins before it starts, the
// dialog has no lower bound (and draws absurd negative margins at once), one message says what
// became of the analysis and of the margins when saving or printing fails, and the cover page
// is drawn under the hourglass.
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <thread>

#include "../nucleo/teste_layout_superficie.h"
#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "dados/margens.h"
#include "layout/qt/superficie_qt.h"
#include "print/qt/frmImprimir.h"
#include "print/qt/trabalho_impressao.h"
#include "print/qt/valor_margem.h"
#include "teste_impressao_duplo.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

constexpr float kInfinito = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

QByteArray BytesMargens(float e, float s, float d, float i) {
    QByteArray b;
    for (float v : {e, s, d, i})
        b.append(reinterpret_cast<const char*>(&v), 4); // the machine is little-endian
    return b;
}

void EscreverMargens(const AmbienteTeste& amb, const QByteArray& bytes) {
    QFile arquivo(amb.Arquivo("margens.dat"));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(bytes);
}

void Preparar(AmbienteTeste& amb) {
    amb.programa->NomeCompleto = "MARIA DA CONCEICAO";
    amb.programa->DataNascimento = "15/03/1970";
    amb.programa->Rodape = LinhasRodapeIniciais();
    amb.programa->ComporAnalise();
}

void Digitar(QLineEdit* caixa, const QString& texto) {
    caixa->selectAll();
    QTest::keyClick(caixa, Qt::Key_Delete);
    QTest::keyClicks(caixa, texto);
}

// Ends the test program when a step does not end in time, so that a hang fails the test instead
// of blocking the test run.
class Vigia {
public:
    explicit Vigia(int segundos)
        : linha_([this, segundos] {
              std::unique_lock<std::mutex> trava(m_);
              if (!cv_.wait_for(trava, std::chrono::seconds(segundos), [this] { return fim_; })) {
                  std::fprintf(stderr, "FAIL: a step did not end within %d s (hang)\n", segundos);
                  std::_Exit(1);
              }
          }) {}
    ~Vigia() {
        {
            std::lock_guard<std::mutex> trava(m_);
            fim_ = true;
        }
        cv_.notify_all();
        linha_.join();
    }
    Vigia(const Vigia&) = delete;
    Vigia& operator=(const Vigia&) = delete;

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool fim_ = false;
    std::thread linha_;
};

// A layout surface that notes the mouse pointer the screen shows at each drawing.
class SuperficieQueVeOPonteiro : public SuperficieTeste {
public:
    using SuperficieTeste::SuperficieTeste;
    void Figura(std::string_view nome, double x, double y, double l, double a) override {
        Anotar();
        SuperficieTeste::Figura(nome, x, y, l, a);
    }
    void Imprimir(std::string_view t) override {
        Anotar();
        SuperficieTeste::Imprimir(t);
    }
    void ImprimirLinha(std::string_view t) override {
        Anotar();
        SuperficieTeste::ImprimirLinha(t);
    }
    QList<int> ponteiros; // the override cursor's shape, or -1 when there is none

private:
    void Anotar() {
        const QCursor* c = QGuiApplication::overrideCursor();
        ponteiros << (c ? static_cast<int>(c->shape()) : -1);
    }
};

QString Faixa(double base) {
    return QStringLiteral("de %1 a %2 mm").arg(std::ceil(-base)).arg(std::floor(0.2 * base));
}

} // namespace

class TesteImpressaoLimites : public QObject {
    Q_OBJECT
private slots:
    void margensDoArquivoQueODialogoRecusariaViramDez();
    void trabalhoRecusaMargensQueNenhumaFolhaAceita();
    void dialogoRecusaPeloTrabalhoSemGuardarNada();
    void semLimiteInferiorNoDialogo();
    void margensExtremasAceitasImprimemPoucasFolhas();
    void margensEImpressaoFalhamUmaMensagemSo();
    void soAsMargensFalham();
    void soAImpressaoFalha();
    void pdfSalvoSemAsMargens();
    void folhaDeRostoSobAmpulheta();
};

void TesteImpressaoLimites::margensDoArquivoQueODialogoRecusariaViramDez() {
    // 3.4e38 and infinity above the limit, NaN, -1e30 and minus the page's height below what
    // any sheet could take: each is replaced by the default 10 before the boxes show it, with
    // no message, and the file is not written. The values within the limits stay, the limit
    // itself and a small negative margin included.
    ServicosImpressaoDuplo servicos;
    const double largura = LarguraImprimivel(servicos.pagina);
    const double altura = AlturaImprimivel(servicos.pagina);
    const float limiteAltura = static_cast<float>(0.2 * altura);
    const struct {
        QByteArray arquivo;
        Margens esperadas;
    } casos[] = {
        {BytesMargens(3.4e38f, -1e30f, kNaN, kInfinito), {10, 10, 10, 10}},
        {BytesMargens(static_cast<float>(0.2 * largura + 1), limiteAltura, -5,
                      static_cast<float>(-altura - 1)),
         {10, limiteAltura, -5, 10}},
        {BytesMargens(-kInfinito, 0, static_cast<float>(-largura), 12.5f),
         {10, 0, static_cast<float>(-largura), 12.5f}},
    };
    for (const auto& c : casos) {
        AmbienteTeste amb;
        EscreverMargens(amb, c.arquivo);
        frmImprimir f(*amb.programa, servicos);
        QVERIFY2(amb.mensagens.mostradas.isEmpty(), qPrintable(amb.mensagens.mostradas.value(0).texto));
        const Margens& m = amb.programa->MargensImpressao;
        QCOMPARE(m.Esquerda, c.esperadas.Esquerda);
        QCOMPARE(m.Superior, c.esperadas.Superior);
        QCOMPARE(m.Direita, c.esperadas.Direita);
        QCOMPARE(m.Inferior, c.esperadas.Inferior);
        QCOMPARE(teste::Filho<QLineEdit>(f, "txtEsquerda")->text(), TextoMargem(c.esperadas.Esquerda));
        QCOMPARE(teste::Filho<QLineEdit>(f, "txtSuperior")->text(), TextoMargem(c.esperadas.Superior));
        QCOMPARE(teste::Filho<QLineEdit>(f, "txtDireita")->text(), TextoMargem(c.esperadas.Direita));
        QCOMPARE(teste::Filho<QLineEdit>(f, "txtInferior")->text(), TextoMargem(c.esperadas.Inferior));
        QCOMPARE(amb.Ler("margens.dat"), c.arquivo);
    }
}

void TesteImpressaoLimites::trabalhoRecusaMargensQueNenhumaFolhaAceita() {
    // Called directly, as any path into the job would: nothing is started, no file is created,
    // and the reason names the margin and what the sheet allows.
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    const double largura = LarguraImprimivel(servicos.pagina);
    const double altura = AlturaImprimivel(servicos.pagina);
    const struct {
        Margens margens;
        QString erro;
    } casos[] = {
        {{3.4e38f, 10, 10, 10},
         QStringLiteral("a margem esquerda (3.4e+38 mm) está fora do que esta folha permite, ") +
             Faixa(largura)},
        {{10, -1e30f, 10, 10},
         QStringLiteral("a margem superior (-1e+30 mm) está fora do que esta folha permite, ") +
             Faixa(altura)},
        {{10, 10, static_cast<float>(0.2 * largura + 0.01), 10},
         QStringLiteral("a margem direita (%1 mm) está fora do que esta folha permite, ")
                 .arg(TextoMargem(static_cast<float>(0.2 * largura + 0.01))) +
             Faixa(largura)},
        {{10, 10, 10, kNaN}, QStringLiteral("a margem inferior não tem um valor que possa ser usado")},
        {{-kInfinito, 10, 10, 10}, QStringLiteral("a margem esquerda não tem um valor que possa ser usado")},
        {{10, static_cast<float>(-altura - 1), 10, 10},
         QStringLiteral("a margem superior (%1 mm) está fora do que esta folha permite, ")
                 .arg(TextoMargem(static_cast<float>(-altura - 1))) +
             Faixa(altura)},
    };
    int n = 0;
    for (const auto& c : casos) {
        amb.programa->MargensImpressao = c.margens;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(servicos.pagina);
        const QString arquivo = amb.Arquivo(qPrintable(QStringLiteral("recusa%1.pdf").arg(n++)));
        pdf.setOutputFileName(arquivo);
        const ResultadoImpressao r = ImprimirAnalise(*amb.programa, pdf, true);
        QVERIFY(!r.has_value());
        QCOMPARE(r.error(), c.erro);
        QVERIFY(!QFile::exists(arquivo));
    }
}

void TesteImpressaoLimites::dialogoRecusaPeloTrabalhoSemGuardarNada() {
    // A margin the dialog takes (it has no lower bound) but no sheet can: the print button gives
    // one "Erro:" message, prints nothing, saves no margin and leaves the dialog open.
    AmbienteTeste amb(true);
    Preparar(amb);
    EscreverMargens(amb, BytesMargens(12, 10, 10, 10));
    ServicosImpressaoDuplo servicos;
    servicos.haImpressora = true;
    servicos.arquivoImpressora = amb.Arquivo("impressora.pdf");
    servicos.arquivoEscolhido = amb.Arquivo("analise.pdf");
    const double largura = LarguraImprimivel(servicos.pagina);
    frmImprimir f(*amb.programa, servicos);
    f.show();
    Digitar(teste::Filho<QLineEdit>(f, "txtEsquerda"), QStringLiteral("-1e30"));
    QVERIFY(amb.mensagens.mostradas.isEmpty());
    for (QPushButton* botao :
         {teste::Filho<QPushButton>(f, "cmdImprimir"), teste::Filho<QPushButton>(f, "cmdSalvarPdf")}) {
        amb.mensagens.mostradas.clear();
        botao->click();
        QCOMPARE(amb.mensagens.mostradas.size(), 1);
        const MensagemMostrada& m = amb.mensagens.mostradas[0];
        QCOMPARE(m.titulo, QStringLiteral("Erro:"));
        QCOMPARE(m.icone, IconeMensagem::Critico);
        QCOMPARE(m.texto,
                 QStringLiteral("A análise não foi impressa: a margem esquerda (-1e+30 mm) está fora do "
                                "que esta folha permite, ") +
                     Faixa(largura) +
                     QStringLiteral(". Corrija a margem e tente novamente; nada foi impresso e as "
                                    "margens não foram guardadas."));
        QVERIFY(f.isVisible());
    }
    QVERIFY(!QFile::exists(servicos.arquivoImpressora));
    QVERIFY(!QFile::exists(servicos.arquivoEscolhido));
    QCOMPARE(amb.Ler("margens.dat"), BytesMargens(12, 10, 10, 10));
    const QStringList restos =
        QDir(amb.Pasta()).entryList({QStringLiteral(".oraculandia-*")}, QDir::Files | QDir::Hidden);
    QVERIFY2(restos.isEmpty(), qPrintable(restos.join(u' ')));
}

void TesteImpressaoLimites::semLimiteInferiorNoDialogo() {
    // As the margins are described: no lower bound. Zero, negative and absurdly negative margins
    // (-1e300 and -1e999 are minus infinity once kept as floats) are accepted with no message and
    // the preview is drawn with them at once. The watchdog turns a hang into a failure.
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();
    const Vigia vigia(60);
    QLineEdit* caixas[] = {
        teste::Filho<QLineEdit>(f, "txtEsquerda"), teste::Filho<QLineEdit>(f, "txtSuperior"),
        teste::Filho<QLineEdit>(f, "txtDireita"), teste::Filho<QLineEdit>(f, "txtInferior")};
    const float Margens::*campos[] = {&Margens::Esquerda, &Margens::Superior, &Margens::Direita,
                                      &Margens::Inferior};
    for (int i = 0; i < 4; ++i) {
        for (const char* texto : {"0", "-5", "-1e30", "-1e300", "-1e999", "-5"}) {
            Digitar(caixas[i], QString::fromLatin1(texto));
            QVERIFY2(amb.mensagens.mostradas.isEmpty(), texto);
            QCOMPARE(amb.programa->MargensImpressao.*campos[i],
                     static_cast<float>(ValorNumerico(QString::fromLatin1(texto))));
            QVERIFY(!teste::Filho<QuadroExemplo>(f, "picExemplo")->Imagem().isNull());
        }
    }
    // All four at minus infinity at once, drawn as well.
    for (QLineEdit* caixa : caixas)
        Digitar(caixa, QStringLiteral("-1e999"));
    QVERIFY(amb.mensagens.mostradas.isEmpty());
    QCOMPARE(amb.programa->MargensImpressao.Superior, -kInfinito);
}

void TesteImpressaoLimites::margensExtremasAceitasImprimemPoucasFolhas() {
    // At the edges of what the job takes the analysis still prints on a handful of sheets (the
    // screen needs about a dozen pages): never thousands, never none.
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    const double largura = LarguraImprimivel(servicos.pagina);
    const double altura = AlturaImprimivel(servicos.pagina);
    const float w = static_cast<float>(0.2 * largura), h = static_cast<float>(0.2 * altura);
    const Margens casos[] = {{w, h, w, h},
                             {static_cast<float>(-largura), static_cast<float>(-altura),
                              static_cast<float>(-largura), static_cast<float>(-altura)},
                             {w, static_cast<float>(-altura), static_cast<float>(-largura), h}};
    const Vigia vigia(120);
    int n = 0;
    for (const Margens& m : casos) {
        amb.programa->MargensImpressao = m;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(servicos.pagina);
        const QString arquivo = amb.Arquivo(qPrintable(QStringLiteral("extremo%1.pdf").arg(n++)));
        pdf.setOutputFileName(arquivo);
        const ResultadoImpressao r = ImprimirAnalise(*amb.programa, pdf, false);
        QVERIFY2(r.has_value(), qPrintable(r ? QString() : r.error()));
        QVERIFY2(*r >= 1 && *r <= 60, qPrintable(QString::number(*r)));
        QCOMPARE(PaginasPdf(arquivo), *r);
    }
}

// After the dialog has read margens.dat: the file gives way to a folder, so that writing the
// margins fails as on a full disk (the file itself was readable, so the job tries to write it).
static void TrocarMargensPorPasta(AmbienteTeste& amb) {
    QFile::remove(amb.Arquivo("margens.dat"));
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("margens.dat")));
}

void TesteImpressaoLimites::margensEImpressaoFalhamUmaMensagemSo() {
    // A full disk: margens.dat, read when the dialog opened, cannot be written any more (a folder
    // takes its place meanwhile) and the printer's output cannot be written either (/dev/full).
    // One message says both, without contradiction.
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.haImpressora = true;
    servicos.arquivoImpressora = QStringLiteral("/dev/full");
    frmImprimir f(*amb.programa, servicos);
    f.show();
    TrocarMargensPorPasta(amb);
    amb.mensagens.mostradas.clear();
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Erro:"));
    QCOMPARE(m.icone, IconeMensagem::Critico);
    QCOMPARE(m.texto,
             QStringLiteral("Não foi possível imprimir a análise: o arquivo não pôde ser gravado por "
                            "completo. As margens informadas também não puderam ser guardadas no "
                            "arquivo %1 (verifique se a pasta do programa permite gravação); verifique "
                            "o problema e tente novamente.")
                 .arg(QDir::toNativeSeparators(amb.Arquivo("margens.dat"))));
    QVERIFY(f.isVisible());
}

void TesteImpressaoLimites::soAsMargensFalham() {
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.haImpressora = true;
    servicos.arquivoImpressora = amb.Arquivo("impressora.pdf");
    frmImprimir f(*amb.programa, servicos);
    f.show();
    TrocarMargensPorPasta(amb);
    amb.mensagens.mostradas.clear();
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
    QCOMPARE(m.texto,
             QStringLiteral("A análise foi enviada para a impressora, mas as margens não puderam ser "
                            "guardadas no arquivo %1 (verifique se a pasta do programa permite "
                            "gravação). Elas valeram para esta impressão, mas não ficarão guardadas "
                            "para a próxima.")
                 .arg(QDir::toNativeSeparators(amb.Arquivo("margens.dat"))));
    QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
    QVERIFY(PaginasPdf(servicos.arquivoImpressora) >= 3);
}

void TesteImpressaoLimites::soAImpressaoFalha() {
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.haImpressora = true;
    servicos.arquivoImpressora = QStringLiteral("/dev/full");
    frmImprimir f(*amb.programa, servicos);
    f.show();
    Digitar(teste::Filho<QLineEdit>(f, "txtSuperior"), QStringLiteral("15"));
    amb.mensagens.mostradas.clear();
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    QCOMPARE(
        amb.mensagens.mostradas[0].texto,
        QStringLiteral("Não foi possível imprimir a análise: o arquivo não pôde ser gravado por completo. "
                       "As margens informadas foram guardadas; verifique o problema e tente novamente."));
    QCOMPARE(amb.Ler("margens.dat").left(16), BytesMargens(10, 15, 10, 10));
    QVERIFY(f.isVisible());
}

void TesteImpressaoLimites::pdfSalvoSemAsMargens() {
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.arquivoEscolhido = amb.Arquivo("analise.pdf");
    frmImprimir f(*amb.programa, servicos);
    f.show();
    TrocarMargensPorPasta(amb);
    amb.mensagens.mostradas.clear();
    teste::Filho<QPushButton>(f, "cmdSalvarPdf")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Aviso:"));
    QCOMPARE(amb.mensagens.mostradas[0].texto,
             QStringLiteral("A análise foi salva no arquivo %1, mas as margens não puderam ser guardadas no "
                            "arquivo %2 (verifique se a pasta do programa permite gravação). Elas valeram "
                            "para esta impressão, mas não ficarão guardadas para a próxima.")
                 .arg(QDir::toNativeSeparators(amb.Arquivo("analise.pdf")),
                      QDir::toNativeSeparators(amb.Arquivo("margens.dat"))));
    QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
    QVERIFY(PaginasPdf(amb.Arquivo("analise.pdf")) >= 3);
}

void TesteImpressaoLimites::folhaDeRostoSobAmpulheta() {
    // Every drawing of the cover happens under the hourglass, and the pointer is back as it was
    // afterwards: none, or the one a caller had set.
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    SuperficieQueVeOPonteiro s;
    DesenhaFolhaRostoComAmpulheta(s, Margens{10, 10, 10, 10});
    QCOMPARE(s.ponteiros.size(), 4); // border, cover picture, two words
    for (int forma : s.ponteiros)
        QCOMPARE(forma, static_cast<int>(Qt::WaitCursor));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    QGuiApplication::setOverrideCursor(QCursor(Qt::PointingHandCursor));
    SuperficieQueVeOPonteiro t;
    DesenhaFolhaRostoComAmpulheta(t, Margens{10, 10, 10, 10});
    QVERIFY(!t.ponteiros.isEmpty() && t.ponteiros.first() == static_cast<int>(Qt::WaitCursor));
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    QGuiApplication::restoreOverrideCursor();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TesteImpressaoLimites)
#include "teste_impressao_limites.moc"
