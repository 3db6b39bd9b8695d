#pragma once
// What the consultation windows share: their pages' header, footer, margins and fonts from the
// program's settings; printing and saving as PDF with the program's dialogs and messages; and a
// small dialog that picks a client from the register.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "clientes/qt/cadastro_clientes.h"
#include "consulta/qt/impressao_consulta.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace oraculandia {

struct Programa;

// `nomeCp1252` and `data` (dd/mm/yyyy) are the person of the header (may be empty).
FolhasConsulta FolhasDoPrograma(const Programa& programa, const std::string& nomeCp1252,
                                const std::string& data, double larguraImprimivel, double alturaImprimivel);

// The print button: the printer chosen in the print dialog, or, without any printer, the offer to
// save a PDF instead (`salvarPdf`). `oque` names the document in messages ("as previsões").
void ImprimirDocumento(QWidget* janela, Programa& programa, const DocumentoConsulta& doc,
                       const std::string& nomeCp1252, const std::string& data, const QString& oque,
                       const std::function<void()>& salvarPdf);
// The PDF button: the file dialog, then the file written in one step, and the outcome said.
void SalvarDocumentoPdf(QWidget* janela, Programa& programa, const DocumentoConsulta& doc,
                        const std::string& nomeCp1252, const std::string& data, const QString& oque,
                        const QString& sugestao);

// Picks a client of the register: a search box (every word, ignoring case and accents, as in the
// Clientes window) over the list of clients; Enter or a double-click chooses.
class dlgEscolherCliente : public QDialog {
    Q_OBJECT
public:
    dlgEscolherCliente(CadastroClientes& cadastro, QWidget* pai = nullptr);
    // The client chosen (after Accepted), read again from the register.
    const std::optional<Cliente>& Escolhido() const { return escolhido_; }
    // The reason the list could not be read, or empty.
    const QString& Erro() const { return erro_; }

public slots:
    void Filtrar();
    void Escolher();

private:
    QLineEdit* txtProcurar = nullptr;
    QListWidget* lstClientes = nullptr;
    QPushButton* cmdEscolher = nullptr;

    CadastroClientes& cadastro_;
    std::optional<Cliente> escolhido_;
    QString erro_;
};

} // namespace oraculandia
