#pragma once
// The Clientes window's file dialogs and import confirmation as the program shows them (the
// interface is in programa/qt/servicos.h). Created by the program's start and handed in.

#include <QString>
#include <vector>

#include "clientes/qt/csv_clientes.h"
#include "programa/qt/servicos.h"

class QWidget;

namespace oraculandia {

class ServicosClientesQt final : public ServicosClientes {
public:
    QString EscolherArquivoImportar(QWidget* pai) override;
    QString EscolherArquivoExportar(QWidget* pai, const QString& sugestao) override;
    bool ConfirmarImportacao(QWidget* pai, const QString& arquivo,
                             const std::vector<LinhaRecusada>& recusadas, int validos) override;
};

} // namespace oraculandia
