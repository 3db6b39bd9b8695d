// The print dialog: margens.dat, the margin boxes and their rule, the preview, Cancel, printing
// on a printer or into a PDF, and the refusals when there is no printer or no proper file.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "dados/margens.h"
#include "layout/qt/superficie_qt.h"
#include "print/qt/frmImprimir.h"
#include "print/qt/valor_margem.h"
#include "teste_impressao_duplo.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

QByteArray BytesMargens(float e, float s, float d, float i) {
    QByteArray b;
    for (float v : {e, s, d, i})
        b.append(reinterpret_cast<const char*>(&v), 4); // the machine is little-endian
    return b;
}

void Preparar(AmbienteTeste& amb) {
    amb.programa->NomeCompleto = "MARIA DA CONCEICAO";
    amb.programa->DataNascimento = "15/03/1970";
    amb.programa->Rodape = LinhasRodapeIniciais();
    amb.programa->ComporAnalise();
}

// First row of the preview with a long dark run: the header rule.
int LinhaDaRegua(const QImage& imagem) {
    for (int y = 0; y < imagem.height(); ++y) {
        int escuros = 0;
        for (int x = 0; x < imagem.width(); ++x)
            if (qGray(imagem.pixel(x, y)) < 200)
                ++escuros;
        if (escuros > imagem.width() / 2)
            return y;
    }
    return -1;
}

void Digitar(QLineEdit* caixa, const QString& texto) {
    caixa->selectAll();
    QTest::keyClick(caixa, Qt::Key_Delete);
    QTest::keyClicks(caixa, texto);
}

} // namespace

class TesteImpressao : public QObject {
    Q_OBJECT
private slots:
    void valorNumerico_data();
    void valorNumerico();
    void textoMargem();
    void primeiraAbertura();
    void arquivoCurto();
    void limiteExatoEAcima();
    void exemploDaLarguraDe203();
    void virgulaTerminaONumero();
    void previaSegueAsMargens();
    void previaMostraOElementoUmDosSignos();
    void focoSelecionaTudo();
    void cancelarNaoGravaMargens();
    void fecharPorOutroMeioNaoGuardaNada();
    void semImpressoraOferecePdf();
    void pdfPeloDialogo();
    void pdfSubstituiArquivoExistente();
    void pastaNaoEArquivo();
    void pastaInexistente();
    void impressoraComFalhaMantemMargens();
    void impressoraImprime();
};

void TesteImpressao::valorNumerico_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("inteiro") << "10" << 10.0;
    QTest::newRow("ponto") << "12.5" << 12.5;
    QTest::newRow("virgula") << "12,5" << 12.0;
    QTest::newRow("brancos") << " 1 2 . 5 " << 12.5;
    QTest::newRow("letras") << "abc" << 0.0;
    QTest::newRow("vazio") << "" << 0.0;
    QTest::newRow("negativo") << "-3" << -3.0;
    QTest::newRow("mais") << "+7mm" << 7.0;
    QTest::newRow("so ponto") << ".5" << 0.5;
    QTest::newRow("expoente") << "1e1" << 10.0;
    QTest::newRow("expoente D") << "1.5D1" << 15.0;
    QTest::newRow("expoente sem digitos") << "12e" << 12.0;
    QTest::newRow("dois pontos") << "1.2.3" << 1.2;
    QTest::newRow("sinal no meio") << "4-2" << 4.0;
    QTest::newRow("minusculo") << "1e-400" << 0.0;
}

void TesteImpressao::valorNumerico() {
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QCOMPARE(ValorNumerico(texto), valor);
}

void TesteImpressao::textoMargem() {
    QCOMPARE(TextoMargem(10.0f), QStringLiteral("10"));
    QCOMPARE(TextoMargem(12.5f), QStringLiteral("12.5"));
    QCOMPARE(TextoMargem(0.1f), QStringLiteral("0.1"));
    QCOMPARE(TextoMargem(-3.0f), QStringLiteral("-3"));
    QCOMPARE(TextoMargem(40.58889f), QStringLiteral("40.58889"));
    // What a box shows reads back as the same single-precision value.
    for (float v : {12.5f, 0.1f, 40.58889f, 57.988f, 1e-5f, 123456.7f})
        QCOMPARE(static_cast<float>(ValorNumerico(TextoMargem(v))), v);
}

void TesteImpressao::primeiraAbertura() {
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    QCOMPARE(f.windowTitle(), QStringLiteral("Imprimir:"));
    for (QLineEdit* c : {teste::Filho<QLineEdit>(f, "txtEsquerda"), teste::Filho<QLineEdit>(f, "txtSuperior"),
                         teste::Filho<QLineEdit>(f, "txtDireita"), teste::Filho<QLineEdit>(f, "txtInferior")})
        QCOMPARE(c->text(), QStringLiteral("10"));
    const QByteArray bytes = amb.Ler("margens.dat");
    QVERIFY(bytes.size() >= 16);
    QCOMPARE(bytes.left(16), QByteArray::fromHex("000020410000204100002041"
                                                 "00002041"));
    QCOMPARE(amb.programa->MargensImpressao.Superior, 10.0f);
    QVERIFY(teste::Filho<QCheckBox>(f, "chkPretoEmBranco")->isChecked());       // default on
    QVERIFY(!teste::Filho<QCheckBox>(f, "chkImprimirFolhaRosto")->isChecked()); // default off
    QVERIFY(!f.Desenhando);
    QVERIFY(amb.mensagens.mostradas.isEmpty());
    QCOMPARE(teste::Filho<QCheckBox>(f, "chkPretoEmBranco")->text(),
             QStringLiteral("Imprimir em Preto e Branco"));
    QCOMPARE(teste::Filho<QCheckBox>(f, "chkImprimirFolhaRosto")->text(),
             QStringLiteral("Imprimir Folha de Rosto"));
    QCOMPARE(teste::Filho<QPushButton>(f, "cmdCancelar")->text(), QStringLiteral("Cancela&r"));
    QCOMPARE(teste::Filho<QPushButton>(f, "cmdImprimir")->text(), QStringLiteral("I&mprimir"));
    QCOMPARE(teste::Filho<QPushButton>(f, "cmdSalvarPdf")->text(), QStringLiteral("Salvar em &PDF..."));
    // Without a printer the page is A4 with the PDF writer's printable area.
    QVERIFY(std::abs(f.LarguraImprimivel() - (210.0 - 2 * 25.4 * 10 / 72)) < 0.02);
    QVERIFY(std::abs(f.AlturaImprimivel() - (297.0 - 2 * 25.4 * 10 / 72)) < 0.02);
}

void TesteImpressao::arquivoCurto() {
    AmbienteTeste amb;
    QFile arquivo(amb.Arquivo("margens.dat"));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(BytesMargens(5, 6, 7, 8).left(6)); // left 5, the rest missing
    arquivo.close();
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtEsquerda")->text(), QStringLiteral("5"));
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtSuperior")->text(), QStringLiteral("10"));
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtDireita")->text(), QStringLiteral("10"));
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtInferior")->text(), QStringLiteral("10"));
}

void TesteImpressao::limiteExatoEAcima() {
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();

    const double limite = 0.2 * f.LarguraImprimivel();
    teste::Filho<QLineEdit>(f, "txtEsquerda")->setText(QString::number(limite, 'g', 17));
    QVERIFY(amb.mensagens.mostradas.isEmpty()); // the limit itself is accepted
    QCOMPARE(amb.programa->MargensImpressao.Esquerda, static_cast<float>(limite));
    const QString aceito = teste::Filho<QLineEdit>(f, "txtEsquerda")->text();

    const double acima = std::nextafter(limite, 1e9);
    teste::Filho<QLineEdit>(f, "txtEsquerda")->setText(QString::number(acima, 'g', 17));
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Informação:"));
    QCOMPARE(m.texto, QStringLiteral("A margem esquerda não pode ser maior que %1mm")
                          .arg(static_cast<int>(std::floor(limite))));
    QCOMPARE(m.icone, IconeMensagem::Exclamacao);
    QCOMPARE(m.botoes, BotoesMensagem::Ok);
    // The box shows the last value drawn again, and the preview was drawn with it.
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtEsquerda")->text(), TextoMargem(static_cast<float>(limite)));
    QCOMPARE(static_cast<float>(ValorNumerico(aceito)), static_cast<float>(limite));
    QCOMPARE(amb.programa->MargensImpressao.Esquerda, static_cast<float>(limite));

    // The height gives the limit of the top and bottom margins.
    const double limiteAltura = 0.2 * f.AlturaImprimivel();
    teste::Filho<QLineEdit>(f, "txtInferior")->setText(QString::number(limiteAltura, 'g', 17));
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    teste::Filho<QLineEdit>(f, "txtSuperior")->setText(QString::number(limiteAltura + 0.01, 'g', 17));
    QCOMPARE(amb.mensagens.mostradas.size(), 2);
    QCOMPARE(amb.mensagens.mostradas[1].texto, QStringLiteral("A margem superior não pode ser maior que %1mm")
                                                   .arg(static_cast<int>(std::floor(limiteAltura))));
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtSuperior")->text(), QStringLiteral("10"));
    teste::Filho<QLineEdit>(f, "txtDireita")->setText(QStringLiteral("99"));
    QVERIFY(amb.mensagens.mostradas.last().texto.startsWith(
        QStringLiteral("A margem direita não pode ser maior que ")));
    teste::Filho<QLineEdit>(f, "txtInferior")->setText(QStringLiteral("99"));
    QVERIFY(amb.mensagens.mostradas.last().texto.startsWith(
        QStringLiteral("A margem inferior não pode ser maior que ")));
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtInferior")->text(),
             TextoMargem(static_cast<float>(limiteAltura)));
}

void TesteImpressao::exemploDaLarguraDe203() {
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    servicos.pagina =
        QPageLayout(QPageSize(QSizeF(215.9, 279.4), QPageSize::Millimeter), QPageLayout::Portrait,
                    QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
    frmImprimir f(*amb.programa, servicos);
    QVERIFY(std::abs(f.LarguraImprimivel() - 203.2) < 1e-6);
    Digitar(teste::Filho<QLineEdit>(f, "txtDireita"), QStringLiteral("40.6"));
    QVERIFY(amb.mensagens.mostradas.isEmpty());
    Digitar(teste::Filho<QLineEdit>(f, "txtDireita"), QStringLiteral("40.65"));
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].texto,
             QStringLiteral("A margem direita não pode ser maior que 40mm"));
    QCOMPARE(teste::Filho<QLineEdit>(f, "txtDireita")->text(), QStringLiteral("40.6"));
}

void TesteImpressao::virgulaTerminaONumero() {
    AmbienteTeste amb;
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.haImpressora = true;
    servicos.arquivoImpressora = amb.Arquivo("impressora.pdf");
    frmImprimir f(*amb.programa, servicos);
    f.show();
    Digitar(teste::Filho<QLineEdit>(f, "txtEsquerda"), QStringLiteral("12,5"));
    QCOMPARE(amb.programa->MargensImpressao.Esquerda, 12.0f);
    Digitar(teste::Filho<QLineEdit>(f, "txtSuperior"), QStringLiteral("margem"));
    QCOMPARE(amb.programa->MargensImpressao.Superior, 0.0f);
    QVERIFY(amb.mensagens.mostradas.isEmpty());
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(amb.Ler("margens.dat").left(16), BytesMargens(12, 0, 10, 10));
}

void TesteImpressao::previaSegueAsMargens() {
    AmbienteTeste amb;
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();
    const QImage antes = teste::Filho<QuadroExemplo>(f, "picExemplo")->Imagem();
    QVERIFY(!antes.isNull());
    const int regua = LinhaDaRegua(antes);
    QVERIFY(regua > 0);
    Digitar(teste::Filho<QLineEdit>(f, "txtSuperior"), QStringLiteral("40"));
    const int reguaDepois = LinhaDaRegua(teste::Filho<QuadroExemplo>(f, "picExemplo")->Imagem());
    // 30 mm more of top margin, on a preview about a sixth of the page's size.
    const double pxPorMm = antes.dotsPerMeterY() / 1000.0 * 45.5 / f.AlturaImprimivel();
    QVERIFY2(std::abs((reguaDepois - regua) - 30 * pxPorMm) <= 2.0,
             qPrintable(QStringLiteral("%1 -> %2").arg(regua).arg(reguaDepois)));
}

void TesteImpressao::previaMostraOElementoUmDosSignos() {
    // The miniature's header picture is element 1 of the twelve header pictures, and element
    // k - 1 is the picture of sign k: the picture of sign 2, not that of sign 1.
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    const QImage previa = teste::Filho<QuadroExemplo>(f, "picExemplo")->Imagem();
    auto desenhar = [&f](int signo) {
        QImage imagem = teste::Filho<QuadroExemplo>(f, "picExemplo")->NovaImagem();
        SuperficieQt s(&imagem);
        s.EscalaMilimetros();
        const double sx = s.LarguraEscala() / f.LarguraImprimivel();
        const double sy = s.AlturaEscala() / f.AlturaImprimivel();
        s.Figura(NomeFiguraSigno(signo), 12 * sx, 10 * sy, 22 * sx, 22 * sy); // margins of 10 mm
        return imagem;
    };
    const QImage signo1 = desenhar(1);
    const QImage signo2 = desenhar(2);
    QCOMPARE(previa.size(), signo2.size());
    auto diferentes = [](const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width() / 3; ++x) // the picture's part of the header band
                if (qGray(b.pixel(x, y)) < 250 && a.pixel(x, y) != b.pixel(x, y))
                    ++n;
        return n;
    };
    QVERIFY(diferentes(signo1, signo2) > 20); // the two pictures can be told apart
    QCOMPARE(diferentes(previa, signo2), 0);
}

void TesteImpressao::focoSelecionaTudo() {
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.activateWindow();
    teste::Filho<QLineEdit>(f, "txtInferior")->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(teste::Filho<QLineEdit>(f, "txtInferior")->selectedText(), QStringLiteral("10"));
}

void TesteImpressao::cancelarNaoGravaMargens() {
    AmbienteTeste amb;
    QFile arquivo(amb.Arquivo("margens.dat"));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(BytesMargens(5, 6, 7, 8) + QByteArray(152, 'z'));
    arquivo.close();
    const QByteArray antes = amb.Ler("margens.dat");
    ServicosImpressaoDuplo servicos;
    {
        frmImprimir f(*amb.programa, servicos);
        QCOMPARE(teste::Filho<QLineEdit>(f, "txtEsquerda")->text(), QStringLiteral("5"));
        QCOMPARE(teste::Filho<QLineEdit>(f, "txtInferior")->text(), QStringLiteral("8"));
        Digitar(teste::Filho<QLineEdit>(f, "txtEsquerda"), QStringLiteral("20"));
        teste::Filho<QCheckBox>(f, "chkPretoEmBranco")->setChecked(false);
        teste::Filho<QCheckBox>(f, "chkImprimirFolhaRosto")->setChecked(true);
        teste::Filho<QPushButton>(f, "cmdCancelar")->click();
        QCOMPARE(f.result(), int(QDialog::Rejected));
    }
    QCOMPARE(amb.Ler("margens.dat"), antes);
    // The two options are taken; the margins in memory keep the values last drawn.
    QCOMPARE(amb.programa->Configuracao.PretoEmBranco, kDesligado);
    QCOMPARE(amb.programa->Configuracao.ImprimirFolhaRosto, kLigado);
    QCOMPARE(amb.programa->MargensImpressao.Esquerda, 20.0f);
    frmImprimir g(*amb.programa, servicos);
    QCOMPARE(teste::Filho<QLineEdit>(g, "txtEsquerda")->text(), QStringLiteral("5"));
    QVERIFY(!teste::Filho<QCheckBox>(g, "chkPretoEmBranco")->isChecked());
    QVERIFY(teste::Filho<QCheckBox>(g, "chkImprimirFolhaRosto")->isChecked());
}

void TesteImpressao::fecharPorOutroMeioNaoGuardaNada() {
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();
    teste::Filho<QCheckBox>(f, "chkPretoEmBranco")->setChecked(false);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QCOMPARE(amb.programa->Configuracao.PretoEmBranco, kLigado);
}

void TesteImpressao::semImpressoraOferecePdf() {
    AmbienteTeste amb;
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();
    amb.mensagens.respostas = {RespostaMensagem::Nao};
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
    QCOMPARE(m.icone, IconeMensagem::Pergunta);
    QCOMPARE(m.botoes, BotoesMensagem::SimNao);
    QVERIFY(m.texto.contains(QStringLiteral("impressora")));
    QVERIFY(m.texto.contains(QStringLiteral("PDF")));
    QVERIFY(servicos.sugestoes.isEmpty());
    QVERIFY(f.isVisible());

    // Yes: the PDF file dialog, proposing the subject's name in the documents folder.
    amb.mensagens.respostas = {RespostaMensagem::Sim};
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(servicos.sugestoes.size(), 1);
    QCOMPARE(QFileInfo(servicos.sugestoes[0]).fileName(), QStringLiteral("MARIA DA CONCEICAO.pdf"));
    QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documentos).isDir())
        documentos = QDir::homePath();
    QCOMPARE(QFileInfo(servicos.sugestoes[0]).absolutePath(), QDir(documentos).absolutePath());
    QVERIFY(f.isVisible()); // the file dialog was cancelled: nothing happened
    QVERIFY(QDir(amb.Pasta()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

void TesteImpressao::pdfPeloDialogo() {
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.arquivoEscolhido = amb.Arquivo("relatorio"); // the extension is added
    frmImprimir f(*amb.programa, servicos);
    f.show();
    Digitar(teste::Filho<QLineEdit>(f, "txtEsquerda"), QStringLiteral("15"));
    teste::Filho<QCheckBox>(f, "chkImprimirFolhaRosto")->setChecked(true);
    teste::Filho<QCheckBox>(f, "chkPretoEmBranco")->setChecked(false);
    teste::Filho<QPushButton>(f, "cmdSalvarPdf")->click();
    QCOMPARE(f.result(), int(QDialog::Accepted));
    const QString pdf = amb.Arquivo("relatorio.pdf");
    QVERIFY(QFile::exists(pdf));
    // A new document is readable by others, not private like the temporary file it was.
    QVERIFY(QFile::permissions(pdf) & QFile::ReadOther);
    QVERIFY(PaginasPdf(pdf) >= 3);
    QVERIFY(TextoPdf(pdf, 1).contains(QStringLiteral("Numerológica")));
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Informação:"));
    QVERIFY(amb.mensagens.mostradas[0].texto.contains(QStringLiteral("relatorio.pdf")));
    QCOMPARE(amb.Ler("margens.dat").left(16), BytesMargens(15, 10, 10, 10));
    QCOMPARE(amb.programa->Configuracao.ImprimirFolhaRosto, kLigado);
    QCOMPARE(amb.programa->Configuracao.PretoEmBranco, kDesligado);
    // No temporary file is left behind.
    const QStringList restos =
        QDir(amb.Pasta()).entryList({QStringLiteral(".oraculandia-*")}, QDir::Files | QDir::Hidden);
    QVERIFY2(restos.isEmpty(), qPrintable(restos.join(u' ')));
}

void TesteImpressao::pdfSubstituiArquivoExistente() {
    AmbienteTeste amb(true);
    Preparar(amb);
    QFile antigo(amb.Arquivo("antigo.pdf"));
    QVERIFY(antigo.open(QIODevice::WriteOnly));
    antigo.write("texto antigo");
    antigo.close();
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();
    // Typed without the extension: the file dialog did not ask about "antigo.pdf", so we do.
    servicos.arquivoEscolhido = amb.Arquivo("antigo");
    amb.mensagens.respostas = {RespostaMensagem::Nao};
    teste::Filho<QPushButton>(f, "cmdSalvarPdf")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Atenção:"));
    QCOMPARE(amb.mensagens.mostradas[0].icone, IconeMensagem::Pergunta);
    QCOMPARE(amb.Ler("antigo.pdf"), QByteArray("texto antigo"));
    QVERIFY(f.isVisible());
    amb.mensagens.respostas = {RespostaMensagem::Sim};
    teste::Filho<QPushButton>(f, "cmdSalvarPdf")->click();
    QVERIFY(amb.Ler("antigo.pdf").startsWith("%PDF"));
    QVERIFY(!f.isVisible());
    // Chosen with its extension, the file dialog has already asked: replaced at once.
    QVERIFY(antigo.open(QIODevice::WriteOnly));
    antigo.write("de novo");
    antigo.close();
    frmImprimir g(*amb.programa, servicos);
    servicos.arquivoEscolhido = amb.Arquivo("antigo.pdf");
    const qsizetype mensagens = amb.mensagens.mostradas.size();
    teste::Filho<QPushButton>(g, "cmdSalvarPdf")->click();
    QVERIFY(amb.Ler("antigo.pdf").startsWith("%PDF"));
    QCOMPARE(amb.mensagens.mostradas.size(), mensagens + 1); // only the "saved" notice
}

void TesteImpressao::pastaNaoEArquivo() {
    AmbienteTeste amb(true);
    Preparar(amb);
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("documentos")));
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("saida.pdf")));
    ServicosImpressaoDuplo servicos;
    frmImprimir f(*amb.programa, servicos);
    f.show();
    for (const char* nome : {"documentos", "saida.pdf"}) {
        servicos.arquivoEscolhido = amb.Arquivo(nome);
        amb.mensagens.mostradas.clear();
        teste::Filho<QPushButton>(f, "cmdSalvarPdf")->click();
        QCOMPARE(amb.mensagens.mostradas.size(), 1);
        QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(amb.mensagens.mostradas[0].icone, IconeMensagem::Critico);
        QVERIFY(amb.mensagens.mostradas[0].texto.contains(QStringLiteral("pasta")));
        QVERIFY(f.isVisible());
        QVERIFY(QFileInfo(amb.Arquivo(nome)).isDir());
        QVERIFY(QDir(amb.Arquivo(nome)).isEmpty());
    }
    QVERIFY(!QFile::exists(amb.Arquivo("documentos.pdf")));
    QVERIFY(!QFile::exists(amb.Arquivo("margens.dat")) ||
            amb.Ler("margens.dat").left(16) == BytesMargens(10, 10, 10, 10));
}

void TesteImpressao::pastaInexistente() {
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.arquivoEscolhido = amb.Arquivo("nao-existe/analise.pdf");
    frmImprimir f(*amb.programa, servicos);
    f.show();
    teste::Filho<QPushButton>(f, "cmdSalvarPdf")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    QVERIFY(f.isVisible());
    QVERIFY(!QDir(amb.Arquivo("nao-existe")).exists());
}

void TesteImpressao::impressoraComFalhaMantemMargens() {
    AmbienteTeste amb(true);
    Preparar(amb);
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("fila")));
    ServicosImpressaoDuplo servicos;
    servicos.haImpressora = true;
    servicos.arquivoImpressora = amb.Arquivo("fila"); // a printer that cannot take the job
    frmImprimir f(*amb.programa, servicos);
    f.show();
    Digitar(teste::Filho<QLineEdit>(f, "txtInferior"), QStringLiteral("22.5"));
    teste::Filho<QCheckBox>(f, "chkImprimirFolhaRosto")->setChecked(true);
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(servicos.trabalhos, 1);
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Erro:"));
    QCOMPARE(m.icone, IconeMensagem::Critico);
    QVERIFY(m.texto.contains(QStringLiteral("imprimir")));
    QCOMPARE(amb.Ler("margens.dat").left(16), BytesMargens(10, 10, 10, 22.5f));
    QCOMPARE(amb.programa->Configuracao.ImprimirFolhaRosto, kLigado);
    QVERIFY(f.isVisible()); // the user may try again or save a PDF
    QVERIFY(teste::Filho<QuadroExemplo>(f, "picExemplo")->Imagem().width() > 0);
    QCOMPARE(LinhaDaRegua(teste::Filho<QuadroExemplo>(f, "picExemplo")->Imagem()) > 0,
             true); // the preview is back
}

void TesteImpressao::impressoraImprime() {
    AmbienteTeste amb(true);
    Preparar(amb);
    ServicosImpressaoDuplo servicos;
    servicos.haImpressora = true;
    servicos.arquivoImpressora = amb.Arquivo("impressora.pdf");
    frmImprimir f(*amb.programa, servicos);
    f.show();
    teste::Filho<QPushButton>(f, "cmdImprimir")->click();
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QVERIFY(!f.isVisible());
    QVERIFY(amb.mensagens.mostradas.isEmpty()); // printing needs no message
    QVERIFY(PaginasPdf(servicos.arquivoImpressora) >= 3);
    QVERIFY(servicos.sugestoes.isEmpty());
}

QTEST_MAIN(TesteImpressao)
#include "teste_impressao.moc"
