#pragma once
// A stand-in for the printer services: the "printer" writes a PDF file (so what was printed can
// be read back), and the PDF file dialog answers with a path chosen by the test.

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <new>
#include <stdexcept>

#include "print/qt/servicos_impressao.h"

namespace oraculandia::teste {

class ServicosImpressaoDuplo : public ServicosImpressao {
public:
    ServicosImpressaoDuplo() {
        QPdfWriter pdf(QString{});
        pagina = pdf.pageLayout(); // A4 with the PDF writer's printable area
    }
    bool HaImpressora() override {
        if (falhasHaImpressora > 0) {
            --falhasHaImpressora;
            throw std::runtime_error("falha simulada ao procurar a impressora");
        }
        return haImpressora;
    }
    QPageLayout PaginaDaImpressora() override {
        if (falharPagina)
            throw std::runtime_error("falha simulada ao ler a página");
        return pagina;
    }
    std::unique_ptr<QPrinter> NovaImpressora() override {
        if (falharImpressora)
            throw std::runtime_error("falha simulada ao abrir a impressora");
        if (semMemoria)
            throw std::bad_alloc();
        if (!haImpressora)
            return nullptr;
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setPageLayout(pagina);
        p->setOutputFileName(arquivoImpressora);
        ++trabalhos;
        return p;
    }
    using ServicosImpressao::EscolherArquivoPdf;
    QString EscolherArquivoPdf(QWidget*, const QString& s, const QString& titulo) override {
        sugestoes << s;
        titulos << titulo;
        return arquivoEscolhido;
    }
    bool ConfirmarImpressao(QWidget*, QPrinter&) override {
        ++dialogosImpressao;
        return confirmarImpressao;
    }

    bool haImpressora = false;
    QString arquivoImpressora; // where the "printer" puts its pages
    QPageLayout pagina;
    QString arquivoEscolhido;       // the file dialog's answer ("" = cancelled)
    QStringList sugestoes;          // what the file dialog proposed
    QStringList titulos;            // the titles it showed
    bool confirmarImpressao = true; // the system print dialog's answer
    int dialogosImpressao = 0;
    int trabalhos = 0;
    // Failures of the platform, thrown as exceptions.
    bool falharPagina = false;
    bool falharImpressora = false;
    bool semMemoria = false;    // NovaImpressora runs out of memory
    int falhasHaImpressora = 0; // how many calls of HaImpressora fail
};

// Text of a PDF (all pages, or page `pagina`), as pdftotext reads it in drawing order (the
// wide gaps of a justified monospaced heading would otherwise split it into columns).
inline QString TextoPdf(const QString& arquivo, int pagina = 0) {
    QStringList args{QStringLiteral("-raw")};
    if (pagina > 0)
        args << QStringLiteral("-f") << QString::number(pagina) << QStringLiteral("-l")
             << QString::number(pagina);
    args << arquivo << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int PaginasPdf(const QString& arquivo) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {arquivo});
    p.waitForFinished(60000);
    for (const QString& linha : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (linha.startsWith(QStringLiteral("Pages:")))
            return linha.mid(6).trimmed().toInt();
    return -1;
}

} // namespace oraculandia::teste
