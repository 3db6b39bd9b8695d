#include "print/qt/pdf_analise.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace oraculandia {

void PrepararPdf(QPrinter& pdf, const QPageLayout& pagina, const QString& titulo) {
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(pagina);
    pdf.setCreator(QStringLiteral("Oraculandia"));
    pdf.setDocName(titulo);
}

QString SugestaoArquivoPdf(const QString& nomeDado, const QString& semNome) {
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir()) {
        pasta = QDir::homePath();
    }
    QString nome = nomeDado.simplified();
    // Characters no file system takes in a name.
    for (QChar& c : nome) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' || c == u'<' ||
            c == u'>' || c == u'|' || c.unicode() < 32) {
            c = u'_';
        }
    }
    if (nome.isEmpty() || nome == u'.' || nome == QStringLiteral("..")) {
        nome = semNome;
    }
    return QDir(pasta).filePath(nome + QStringLiteral(".pdf"));
}

bool ConcluirPdf(const QString& temporario, const QString& destino) {
    const QFileInfo info(destino);
    const QFile::Permissions permissoes = info.exists()
                                              ? QFile::permissions(info.absoluteFilePath())
                                              : (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                 QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(temporario, permissoes);
    std::error_code erro;
    std::filesystem::rename(QFile::encodeName(temporario).toStdString(),
                            QFile::encodeName(info.absoluteFilePath()).toStdString(), erro);
    return !erro;
}

} // namespace oraculandia
