#pragma once
// The printer and the PDF file dialog behind a small interface, so that the print dialog can be
// driven headless: tests put in a double whose "printer" writes a PDF and whose file dialog
// answers at once.

#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace oraculandia {

class ServicosImpressao {
public:
    virtual ~ServicosImpressao() = default;

    // True when the system has a default printer.
    virtual bool HaImpressora() = 0;
    // The page the analysis is laid out on: the default printer's paper and printable area, or,
    // without a printer, A4 with the printable area of the PDF writer; in the orientation set by
    // DefinirOrientacao, when one was set.
    QPageLayout Pagina();
    // The default printer, ready for a job, in the orientation set by DefinirOrientacao when one
    // was set; nullptr when there is none.
    std::unique_ptr<QPrinter> Impressora();
    // Asks where to save the PDF, proposing `sugestao` (a full path); empty when cancelled.
    QString EscolherArquivoPdf(QWidget* pai, const QString& sugestao) {
        return EscolherArquivoPdf(pai, sugestao, QStringLiteral("Salvar a análise em PDF"));
    }
    // The same, with the title the dialog shows.
    virtual QString EscolherArquivoPdf(QWidget* pai, const QString& sugestao, const QString& titulo) = 0;
    // The system's print dialog for `impressora` (printer, copies, pages); false when cancelled.
    // Documents printed without the program's own print dialog (the name study) go through it.
    virtual bool ConfirmarImpressao(QWidget* pai, QPrinter& impressora) = 0;

    // The orientation the start-up gives the default printer: every page and printer handed out
    // from then on carries it (a printer object is made afresh for each job).
    void DefinirOrientacao(QPageLayout::Orientation orientacao) { orientacao_ = orientacao; }
    std::optional<QPageLayout::Orientation> Orientacao() const { return orientacao_; }

protected:
    // The platform's page and printer, as they are set on the system.
    virtual QPageLayout PaginaDaImpressora() = 0;
    virtual std::unique_ptr<QPrinter> NovaImpressora() = 0;

private:
    std::optional<QPageLayout::Orientation> orientacao_;
};

// The services in use: Qt's own unless a test has set others (nullptr puts Qt's back).
ServicosImpressao& ServicosImpressaoAtuais();
void DefinirServicosImpressao(ServicosImpressao* servicos);

// Printable width and height of a page, millimetres.
double LarguraImprimivel(const QPageLayout& pagina);
double AlturaImprimivel(const QPageLayout& pagina);

} // namespace oraculandia
