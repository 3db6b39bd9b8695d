#pragma once
// The printer services of the program (the interface is in programa/qt/servicos.h): Qt's default
// printer, its print dialog and file dialog. Created by the program's start and handed in.

#include <QPageLayout>
#include <QString>
#include <memory>

#include "programa/qt/servicos.h"

class QPrinter;
class QWidget;

namespace oraculandia {

class ServicosImpressaoQt final : public ServicosImpressao {
public:
    bool HaImpressora() override;
    using ServicosImpressao::EscolherArquivoPdf;
    QString EscolherArquivoPdf(QWidget* pai, const QString& sugestao, const QString& titulo) override;
    bool ConfirmarImpressao(QWidget* pai, QPrinter& impressora) override;

protected:
    QPageLayout PaginaDaImpressora() override;
    std::unique_ptr<QPrinter> NovaImpressora() override;
};

// Printable width and height of a page, millimetres.
double LarguraImprimivel(const QPageLayout& pagina);
double AlturaImprimivel(const QPageLayout& pagina);

} // namespace oraculandia
