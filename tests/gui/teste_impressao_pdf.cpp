// The print job, run into PDF files and read back with pdftotext: sheets, page numbers, headings
// in order, the cover sheet, introductions, the first-vowel heading, long blocks, colour mode.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <functional>
#include <vector>

#include "analysis/exportacao.h"
#include "analysis/interpretacao.h"
#include "apoio/duplos.h"
#include "dados/margens.h"
#include "layout/percurso.h"
#include "layout/qt/cp1252_qt.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/trabalho_impressao.h"
#include "teste_impressao_duplo.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

struct Impressao {
    ResultadoImpressao resultado;
    QString arquivo;
    int folhas = -1;
};

Impressao Imprimir(AmbienteTeste& amb, bool folhaRosto, const char* nome = "analise.pdf") {
    ServicosImpressaoDuplo servicos;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(servicos.pagina);
    Impressao r;
    r.arquivo = amb.Arquivo(nome);
    pdf.setOutputFileName(r.arquivo);
    r.resultado = ImprimirAnalise(*amb.programa, pdf, folhaRosto);
    if (r.resultado.has_value())
        r.folhas = PaginasPdf(r.arquivo);
    return r;
}

// An analysis of a real subject over the real interpretation texts.
void Preparar(AmbienteTeste& amb) {
    amb.programa->NomeCompleto = "MARIA DA CONCEICAO";
    amb.programa->DataNascimento = "15/03/1970";
    amb.programa->Rodape = LinhasRodapeIniciais();
    amb.programa->MargensImpressao = {10, 10, 10, 10};
}

// Whitespace runs as single spaces: justified lines and wrapped headings compare as typed.
QString Normalizado(const QString& texto) {
    static const QRegularExpression brancos(QStringLiteral("\\s+"));
    return QString(texto).replace(brancos, QStringLiteral(" ")).trimmed();
}

QStringList Linhas(const QString& texto) {
    QStringList r;
    for (const QString& l : texto.split(u'\n'))
        r << l.trimmed();
    return r;
}

// The page number printed at the bottom right of a sheet: in drawing order it follows the
// second footer line. -1 when the sheet has none.
int NumeroDaFolha(const QString& textoDaFolha) {
    const QString rodape = QStringLiteral("Seu numerólogo: informe aqui o seu telefone e o seu e-mail");
    for (const QString& linha : Linhas(textoDaFolha)) {
        if (linha.startsWith(rodape)) {
            bool ok = false;
            const int n = linha.mid(rodape.size()).trimmed().toInt(&ok);
            return ok ? n : -1;
        }
    }
    return -1;
}

QString Titulo(const AmbienteTeste& amb, int c) {
    return Cp1252ParaQString(TituloComNumero(amb.programa->Secoes, c, amb.programa->Configuracao));
}

// Page `pagina` of a PDF as an image, at a low resolution.
QImage Imagem(const QString& arquivo, int pagina) {
    const QString prefixo = arquivo + QStringLiteral("-img");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-f"),
             QString::number(pagina), QStringLiteral("-l"), QString::number(pagina),
             QStringLiteral("-singlefile"), arquivo, prefixo});
    p.waitForFinished(60000);
    return QImage(prefixo + QStringLiteral(".png"));
}

bool TemCor(const QImage& imagem) {
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QRgb c = imagem.pixel(x, y);
            if (std::abs(qRed(c) - qBlue(c)) > 24 || std::abs(qGreen(c) - qBlue(c)) > 24 ||
                std::abs(qRed(c) - qGreen(c)) > 24)
                return true;
        }
    return false;
}

} // namespace

class TesteImpressaoPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void folhasNumerosETitulosEmOrdem();
    void folhaDeRostoPrimeiro();
    void introducaoDeCincoCaracteresNuncaImpressa();
    void letraDaPrimeiraVogal();
    void semCalculoSelecionado();
    void cabecalhoEmTodasAsFolhas();
    void blocoLongoNuncaCortado();
    void pretoEBrancoOuCores();
    void falhaDoTrabalho();
    void titulosComOTextoENenhumaFolhaQuaseVazia();
    void nomeDigitadoLongoDentroDaFaixa();
    void gravarPdfDocumentoSoCompleto();
};

void TesteImpressaoPdf::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the printed pages back");
    AmbienteTeste amb(true);
    QVERIFY2(QFile::exists(amb.Arquivo("CVIDA.DAT")), "the build's interpretation files are missing");
}

void TesteImpressaoPdf::folhasNumerosETitulosEmOrdem() {
    AmbienteTeste amb(true);
    Preparar(amb);
    const Impressao r = Imprimir(amb, false);
    QVERIFY2(r.resultado.has_value(), qPrintable(r.resultado ? QString() : r.resultado.error()));
    QVERIFY(*r.resultado > 5);
    QCOMPARE(r.folhas, *r.resultado);

    // Every sheet carries its number in the footer, after the footer lines.
    for (int p = 1; p <= r.folhas; ++p) {
        const QString folha = TextoPdf(r.arquivo, p);
        const QStringList linhas = Linhas(folha);
        QCOMPARE(NumeroDaFolha(folha), p);
        QVERIFY(linhas.contains(QStringLiteral("Análise numerológica preparada com o programa Oraculandia")));
    }
    // The header (header line, name, date in words) on the first sheet.
    const QString primeira = TextoPdf(r.arquivo, 1);
    QVERIFY(primeira.contains(QStringLiteral("Sua vida através da Oraculandia")));
    QVERIFY(primeira.contains(QStringLiteral("MARIA DA CONCEICAO")));
    QVERIFY(primeira.contains(QStringLiteral("15 de março de 1970")));

    // The 28 headings, each once, in CalculationId order; every section text is there whole.
    const QString tudo = Normalizado(TextoPdf(r.arquivo));
    qsizetype posicao = 0;
    for (int c = 1; c <= 28; ++c) {
        const QString titulo = Normalizado(Titulo(amb, c));
        const qsizetype achado = tudo.indexOf(titulo, posicao);
        QVERIFY2(achado >= 0,
                 qPrintable(QStringLiteral("heading %1 \"%2\" missing or out of order").arg(c).arg(titulo)));
        posicao = achado + titulo.size();
        const QString texto = Normalizado(Cp1252ParaQString(amb.programa->Secoes[c].Texto));
        if (texto.size() > 40) {
            QVERIFY2(tudo.contains(texto.right(40)),
                     qPrintable(QStringLiteral("end of the text of section %1 missing").arg(c)));
        }
    }
}

void TesteImpressaoPdf::folhaDeRostoPrimeiro() {
    AmbienteTeste amb(true);
    Preparar(amb);
    const Impressao sem = Imprimir(amb, false, "sem.pdf");
    const Impressao com = Imprimir(amb, true, "com.pdf");
    QVERIFY(com.resultado.has_value());
    QCOMPARE(*com.resultado, *sem.resultado); // the cover is not counted
    QCOMPARE(com.folhas, sem.folhas + 1);
    const QStringList capa = Linhas(TextoPdf(com.arquivo, 1));
    QVERIFY(capa.contains(QStringLiteral("Análise")));
    QVERIFY(capa.contains(QStringLiteral("Numerológica")));
    // The client and the numerologist (the footer lines) on the cover, no page number.
    QVERIFY(capa.contains(QStringLiteral("MARIA DA CONCEICAO")));
    QVERIFY(capa.contains(QStringLiteral("Nascimento: 15 de março de 1970 - Peixes")));
    QVERIFY(capa.contains(QStringLiteral("Análise preparada em 07 de dezembro de 2026")));
    QVERIFY(capa.contains(QStringLiteral("Seu numerólogo: informe aqui o seu telefone e o seu e-mail")));
    QCOMPARE(NumeroDaFolha(TextoPdf(com.arquivo, 1)), -1);
    // The first sheet of the analysis follows, with its header and page number 1.
    const QString segunda = TextoPdf(com.arquivo, 2);
    QVERIFY(segunda.contains(QStringLiteral("MARIA DA CONCEICAO")));
    QCOMPARE(NumeroDaFolha(segunda), 1);
    QCOMPARE(Normalizado(segunda), Normalizado(TextoPdf(sem.arquivo, 1)));
    QCOMPARE(NumeroDaFolha(TextoPdf(com.arquivo, com.folhas)), *com.resultado);
}

void TesteImpressaoPdf::introducaoDeCincoCaracteresNuncaImpressa() {
    AmbienteTeste amb(true);
    Preparar(amb);
    const auto pasta = amb.programa->PastaPrograma;
    QCOMPARE(GravarInterpretacao(pasta, 1, "CDATA.DAT", "Qzxwv"), ResultadoGravacao::Ok);  // 5
    QCOMPARE(GravarInterpretacao(pasta, 8, "CDATA.DAT", "Kqzxwy"), ResultadoGravacao::Ok); // 6
    amb.programa->Configuracao.ImprimirDescricao = kLigado;
    const Impressao r = Imprimir(amb, false);
    QVERIFY(r.resultado.has_value());
    const QString tudo = TextoPdf(r.arquivo);
    QVERIFY(!tudo.contains(QStringLiteral("Qzxwv")));
    QVERIFY(tudo.contains(QStringLiteral("Kqzxwy")));
    // The 6-character introduction comes right before the Expression heading.
    const QString n = Normalizado(tudo);
    QVERIFY(n.indexOf(QStringLiteral("Kqzxwy")) < n.indexOf(Normalizado(Titulo(amb, 23))));

    // With the setting off no introduction is printed.
    amb.programa->Configuracao.ImprimirDescricao = kDesligado;
    const Impressao s = Imprimir(amb, false, "sem.pdf");
    QVERIFY(!TextoPdf(s.arquivo).contains(QStringLiteral("Kqzxwy")));
}

void TesteImpressaoPdf::letraDaPrimeiraVogal() {
    AmbienteTeste amb(true);
    Preparar(amb);
    amb.programa->Configuracao.ImprimirNumero = kLigado;
    const Impressao r = Imprimir(amb, false);
    QVERIFY(r.resultado.has_value());
    QCOMPARE(amb.programa->Secoes[26].Numero, std::string("A")); // MARIA: the first vowel is A
    const QString n = Normalizado(TextoPdf(r.arquivo));
    const QString vogal = Cp1252ParaQString(amb.programa->Secoes[26].Titulo) + QStringLiteral(" Letra A");
    QVERIFY2(n.contains(Normalizado(vogal)), qPrintable(vogal));
    QVERIFY(!n.contains(
        Normalizado(Cp1252ParaQString(amb.programa->Secoes[26].Titulo) + QStringLiteral(" Número"))));
    const QString caminho = Cp1252ParaQString(amb.programa->Secoes[1].Titulo) + QStringLiteral(" Número ") +
                            Cp1252ParaQString(amb.programa->Secoes[1].Numero);
    QVERIFY2(n.contains(Normalizado(caminho)), qPrintable(caminho));

    amb.programa->Configuracao.ImprimirNumero = kDesligado;
    const Impressao s = Imprimir(amb, false, "sem.pdf");
    QVERIFY(!Normalizado(TextoPdf(s.arquivo)).contains(QStringLiteral(" Letra A")));
}

void TesteImpressaoPdf::semCalculoSelecionado() {
    AmbienteTeste amb(true);
    Preparar(amb);
    for (int c = 1; c <= 28; ++c)
        amb.programa->Configuracao.CalculosSelecionados[c] = kDesligado;
    GravarSelecaoComplementos(amb.programa->PreferenciasPrograma,
                              SelecaoComplementos{}); // nor any after them
    const Impressao r = Imprimir(amb, false);
    QVERIFY(r.resultado.has_value());
    QCOMPARE(r.folhas, 1);
    const QStringList linhas = Linhas(TextoPdf(r.arquivo, 1));
    QVERIFY(linhas.contains(QStringLiteral("MARIA DA CONCEICAO")));
    QCOMPARE(NumeroDaFolha(TextoPdf(r.arquivo, 1)), 1);
    const Impressao c = Imprimir(amb, true, "capa.pdf");
    QCOMPARE(c.folhas, 2);
}

void TesteImpressaoPdf::cabecalhoEmTodasAsFolhas() {
    AmbienteTeste amb(true);
    Preparar(amb);
    const Impressao sem = Imprimir(amb, false, "sem.pdf");
    QVERIFY(sem.folhas >= 3);
    for (int p = 2; p <= sem.folhas; ++p)
        QVERIFY(!TextoPdf(sem.arquivo, p).contains(QStringLiteral("MARIA DA CONCEICAO")));
    amb.programa->Configuracao.ImprimirCabecalho = kLigado;
    const Impressao com = Imprimir(amb, false, "com.pdf");
    QVERIFY(com.folhas > sem.folhas); // each sheet gives 27 mm to its header
    for (int p = 1; p <= com.folhas; ++p)
        QVERIFY(TextoPdf(com.arquivo, p).contains(QStringLiteral("MARIA DA CONCEICAO")));
}

void TesteImpressaoPdf::blocoLongoNuncaCortado() {
    AmbienteTeste amb(true);
    Preparar(amb);
    // A whole record of text in a 36-point body font needs far more than two sheets.
    std::string longo;
    for (int i = 0; longo.size() < 5100; ++i)
        longo += "palavra" + std::to_string(i) + " ";
    longo.resize(5100);
    longo += " FIMDOTEXTO";
    amb.programa->Fontes.FonteCorpo.Tamanho = 36;
    for (int c = 2; c <= 28; ++c)
        amb.programa->Configuracao.CalculosSelecionados[c] = kDesligado;
    for (int16_t n = 1; n <= 9; ++n)
        QCOMPARE(GravarInterpretacao(amb.programa->PastaPrograma, n, "CVIDA.DAT", longo),
                 ResultadoGravacao::Ok);
    const Impressao r = Imprimir(amb, false);
    QVERIFY(r.resultado.has_value());
    QVERIFY2(r.folhas >= 4, qPrintable(QString::number(r.folhas)));
    const QString tudo = TextoPdf(r.arquivo);
    QVERIFY(tudo.contains(QStringLiteral("FIMDOTEXTO")));
    QVERIFY(tudo.contains(QStringLiteral("palavra300")));
    QCOMPARE(NumeroDaFolha(TextoPdf(r.arquivo, r.folhas)), r.folhas);
}

void TesteImpressaoPdf::pretoEBrancoOuCores() {
    AmbienteTeste amb(true);
    Preparar(amb);
    amb.programa->Configuracao.PretoEmBranco = kDesligado;
    const Impressao cores = Imprimir(amb, true, "cores.pdf");
    QVERIFY(TemCor(Imagem(cores.arquivo, 1))); // the cover picture
    QVERIFY(TemCor(Imagem(cores.arquivo, 2))); // the zodiac picture of the header
    amb.programa->Configuracao.PretoEmBranco = kLigado;
    const Impressao cinza = Imprimir(amb, true, "cinza.pdf");
    const QImage capa = Imagem(cinza.arquivo, 1);
    QVERIFY(!capa.isNull());
    QVERIFY(!TemCor(capa));
    QVERIFY(!TemCor(Imagem(cinza.arquivo, 2)));
}

void TesteImpressaoPdf::falhaDoTrabalho() {
    AmbienteTeste amb(true);
    Preparar(amb);
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("pasta.pdf")));
    const Impressao r = Imprimir(amb, false, "pasta.pdf");
    QVERIFY(!r.resultado.has_value());
    QVERIFY(!r.resultado.error().isEmpty());
    QVERIFY(QFileInfo(amb.Arquivo("pasta.pdf")).isDir());
}

// The shared PDF writer gives the final name only to a complete PDF of a job that went well: a
// job that failed, wrote nothing or was cut short (a full disk) leaves the old file as it was
// and no temporary file behind.
void TesteImpressaoPdf::gravarPdfDocumentoSoCompleto() {
    AmbienteTeste amb(true);
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("saida")));
    const QString pasta = QDir(amb.Pasta()).filePath(QStringLiteral("saida"));
    const QString destino = QDir(pasta).filePath(QStringLiteral("documento.pdf"));
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                         QPageLayout::Millimeter);
    QFile antigo(destino);
    QVERIFY(antigo.open(QIODevice::WriteOnly));
    antigo.write("antigo");
    antigo.close();
    const Margens margens{10, 10, 10, 10};
    auto pagina = [&](QPrinter& pdf) {
        return ImprimirDocumento(pdf, margens, [](QPrinter&, SuperficieQt&) { return true; });
    };
    const QString cortado =
        QStringLiteral("o arquivo não foi gravado por inteiro (verifique se há espaço livre "
                       "no disco da pasta %1)")
            .arg(QDir::toNativeSeparators(QFileInfo(destino).absolutePath()));
    struct Caso {
        std::function<ResultadoImpressao(QPrinter&)> imprimir;
        QString erro;
    };
    const std::vector<Caso> falhas = {
        {[](QPrinter&) { return ResultadoImpressao(Falha(QStringLiteral("motivo do trabalho"))); },
         QStringLiteral("motivo do trabalho")},
        {[](QPrinter&) { return ResultadoImpressao(0); }, cortado},
        {[&](QPrinter& pdf) {
             ResultadoImpressao r = pagina(pdf);
             QFile f(pdf.outputFileName());
             f.resize(f.size() - 3);
             return r;
         },
         cortado},
    };
    for (const Caso& c : falhas) {
        const ResultadoQt<void> gravado =
            GravarPdfDocumento(a4, QStringLiteral("Título"), destino, c.imprimir);
        QVERIFY(!gravado.has_value());
        QCOMPARE(gravado.error(), c.erro);
        QFile f(destino);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("antigo"));
        QCOMPARE(QDir(pasta).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("documento.pdf")});
    }
    const ResultadoQt<void> gravado = GravarPdfDocumento(a4, QStringLiteral("Título"), destino, pagina);
    QVERIFY2(gravado.has_value(), qPrintable(gravado ? QString() : gravado.error()));
    QVERIFY(PdfCompleto(destino));
    QCOMPARE(QDir(pasta).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("documento.pdf")});
}

QTEST_MAIN(TesteImpressaoPdf)
#include "teste_impressao_pdf.moc"

// Over the real texts, with the settings of a numerologist's report: each heading (and its
// introduction) on the sheet where its text starts, with text after it; no sheet without text;
// the name as typed, with its accents; a repeated challenge points back.
void TesteImpressaoPdf::titulosComOTextoENenhumaFolhaQuaseVazia() {
    const QString rodape = QStringLiteral("Seu numerólogo: informe aqui o seu telefone e o seu e-mail");
    for (const bool grande : {false, true}) {
        AmbienteTeste amb(true);
        Preparar(amb);
        amb.programa->NomeCompleto = "MARIA DA CONCEICAO SOUZA";
        amb.programa->NomeDigitado = "Maria da Concei\xE7\xE3o Souza";
        amb.programa->DataNascimento = "21/07/1985";
        if (grande) {
            amb.programa->Fontes.FonteTitulo.Tamanho = 16;
            amb.programa->Configuracao.ImprimirNumero = kLigado;
        }
        const Impressao r = Imprimir(amb, false, grande ? "grande.pdf" : "padrao.pdf");
        QVERIFY2(r.resultado.has_value(), qPrintable(r.resultado ? QString() : r.resultado.error()));
        QVERIFY(TextoPdf(r.arquivo, 1).contains(QStringLiteral("MARIA DA CONCEIÇÃO SOUZA")));
        QVERIFY(!TextoPdf(r.arquivo).contains(QStringLiteral("CONCEICAO")));
        QVERIFY(TextoPdf(r.arquivo).contains(
            QStringLiteral("O número 2 volta aqui: a sua interpretação está no Desafio Maior, acima.")));
        for (int p = 1; p <= r.folhas; ++p) {
            // The footer is drawn when the sheet starts, before its text: taken out.
            QString folha = Normalizado(TextoPdf(r.arquivo, p));
            folha.remove(rodape);
            folha.remove(QStringLiteral("Análise numerológica preparada com o programa Oraculandia"));
            if (p == 1)
                folha = folha.mid(folha.indexOf(QStringLiteral("1985")) + 4);
            QVERIFY2(folha.size() > 200, qPrintable(QStringLiteral("sheet %1 nearly blank").arg(p)));
            for (int c = 1; c <= 28; ++c) {
                const QString titulo = Normalizado(Titulo(amb, c));
                const qsizetype achado = folha.indexOf(titulo);
                if (achado < 0)
                    continue;
                // The first two lines of text follow (about 80 characters on an A4 column), or the
                // whole text when it is shorter.
                const QString texto = Normalizado(
                    Cp1252ParaQString(TextoNasPaginas(amb.programa->Secoes, amb.programa->Configuracao, c)));
                QVERIFY2(folha.size() - (achado + titulo.size()) >= std::min<qsizetype>(80, texto.size()),
                         qPrintable(QStringLiteral("sheet %1 ends with heading %2").arg(p).arg(c)));
            }
        }
    }
}

// A 93-character name is broken beside the sign picture: every word inside the band between
// the picture and the right margin, on every sheet.
void TesteImpressaoPdf::nomeDigitadoLongoDentroDaFaixa() {
    AmbienteTeste amb(true);
    Preparar(amb);
    const QString nome = QStringLiteral("Maria da Conceição Aparecida dos Santos Oliveira Albuquerque "
                                        "Cavalcanti Bittencourt Magalhães");
    QCOMPARE(nome.size(), 93);
    amb.programa->NomeDigitado = QStringParaCp1252(nome).texto;
    amb.programa->Configuracao.ImprimirCabecalho = kLigado;
    const Impressao r = Imprimir(amb, false);
    QVERIFY(r.resultado.has_value());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), r.arquivo, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression palavra(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    const double mm = 72 / 25.4;
    const double largura = QPageSize(QPageSize::A4).size(QPageSize::Millimeter).width();
    int achadas = 0;
    for (auto it = palavra.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!nome.toUpper().split(u' ').contains(m.captured(3)) || m.captured(3).size() < 6)
            continue;
        ++achadas;
        // The picture ends at 10 + 2 + 22 mm; the page's text ends at the right margin.
        QVERIFY2(m.captured(1).toDouble() >= (10 + 24) * mm - 1, qPrintable(m.captured(3)));
        QVERIFY2(m.captured(2).toDouble() <= (largura - 10) * mm + 1, qPrintable(m.captured(3)));
    }
    QVERIFY(achadas >= 8 * r.folhas);

    // On the first sheet ("Seus Números", whose working grows with the name) nothing but the
    // footer reaches below the footer's rule (10 mm margin, rule 12 mm above it).
    const QString primeira = html.left(html.indexOf(QStringLiteral("</page>")));
    static const QRegularExpression comY(QStringLiteral(
        "<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    const QStringList rodape =
        QStringLiteral(
            "Análise numerológica preparada com o programa Oraculandia Seu numerólogo: informe aqui o "
            "seu telefone e o seu e-mail 1")
            .split(u' ');
    const double altura = QPageSize(QPageSize::A4).size(QPageSize::Millimeter).height();
    for (auto it = comY.globalMatch(primeira); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toDouble() > (altura - 10 - 12) * mm)
            QVERIFY2(rodape.contains(m.captured(2)), qPrintable(m.captured(2)));
    }
    QVERIFY(primeira.contains(QStringLiteral(">Seus</word>")));
}
