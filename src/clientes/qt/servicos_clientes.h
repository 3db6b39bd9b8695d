#pragma once
// The file dialogs and the confirmation of an import of the Clientes window behind a small
// interface, so that the window can be driven headless: tests put in a double that answers at
// once and records what it was shown.

#include <QString>
#include <vector>

#include "clientes/qt/csv_clientes.h"

class QWidget;

namespace oraculandia {

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

// The services in use: Qt's own unless a test has set others (nullptr puts Qt's back).
ServicosClientes& ServicosClientesAtuais();
void DefinirServicosClientes(ServicosClientes* servicos);

} // namespace oraculandia
