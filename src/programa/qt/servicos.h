#pragma once
// The few platform services that would block a test or reach outside the process, behind small
// interfaces. The program uses the Qt implementations (servicos_qt.h; the printer's in
// print/qt/servicos_impressao.h, the register's dialogs in clientes/qt/servicos_clientes.h);
// tests use doubles that record what was asked and answer as the test says.

#include <QDate>
#include <QPageLayout>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace oraculandia {

struct LinhaRecusada;

enum class IconeMensagem { Informacao, Critico, Pergunta, Exclamacao };
enum class BotoesMensagem { Ok, SimNao, SimNaoPadraoNao };
enum class RespostaMensagem { Ok, Sim, Nao };

class Mensagens {
public:
    virtual ~Mensagens() = default;
    // Shows a modal message box and returns the button pressed (Ok for an Ok-only box; closing a
    // Yes/No box by its frame counts as No).
    virtual RespostaMensagem Mostrar(QWidget* pai, const QString& titulo, const QString& texto,
                                     IconeMensagem icone, BotoesMensagem botoes) = 0;
    // The system beep.
    virtual void Bipe() = 0;
};

class Sons {
public:
    virtual ~Sons() = default;
    // Plays a WAV file asynchronously, once or looped; a new sound cuts the one playing. A
    // missing file, or a machine without an audio device, plays nothing and never blocks.
    virtual void Tocar(const QString& caminhoWav, bool repetir) = 0;
    virtual void Parar() = 0;
};

class Relogio {
public:
    virtual ~Relogio() = default;
    virtual QDate Hoje() const = 0;
};

class Navegador {
public:
    virtual ~Navegador() = default;
    // Opens the address in the default browser; a failure is silent.
    virtual void Abrir(const QUrl& endereco) = 0;
};

// The printer and the PDF file dialog, so that the print dialog can be driven headless: tests put
// in a double whose "printer" writes a PDF and whose file dialog answers at once. The object also
// keeps the orientation the start-up gives the default printer.
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

// The file dialogs and the confirmation of an import of the Clientes window, so that the window
// can be driven headless: tests put in a double that answers at once and records what it was
// shown.
class ServicosClientes {
public:
    virtual ~ServicosClientes() = default;
    // The CSV file to import; empty when the user gave up.
    virtual QString EscolherArquivoImportar(QWidget* pai) = 0;
    // Where to export, proposing `sugestao` (a full path); empty when the user gave up.
    virtual QString EscolherArquivoExportar(QWidget* pai, const QString& sugestao) = 0;
    // Shows every refused line of `arquivo` with its reason and asks whether the `validos` good
    // lines should be imported. True for yes.
    virtual bool ConfirmarImportacao(QWidget* pai, const QString& arquivo,
                                     const std::vector<LinhaRecusada>& recusadas, int validos) = 0;
};

} // namespace oraculandia
