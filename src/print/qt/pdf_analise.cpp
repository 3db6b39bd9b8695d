#include "print/qt/pdf_analise.h"
#include "programa/caminhos_qt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryFile>
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

std::unique_ptr<QTemporaryFile> CriarTemporarioPdf(const QFileInfo& destino, QString* erro) {
    auto falha = [erro](const QString& motivo) {
        if (erro)
            *erro = motivo;
        return nullptr;
    };
    if (destino.isDir())
        return falha(QStringLiteral("\"%1\" é uma pasta").arg(QDir::toNativeSeparators(destino.filePath())));
    auto temporario =
        std::make_unique<QTemporaryFile>(destino.absolutePath() + QStringLiteral("/.oraculandia-XXXXXX.pdf"));
    if (!destino.absoluteDir().exists() || !temporario->open())
        return falha(QStringLiteral("não foi possível criar o arquivo na pasta %1 (verifique se ela existe e "
                                    "permite gravação)")
                         .arg(QDir::toNativeSeparators(destino.absolutePath())));
    temporario->close();
    return temporario;
}

bool ConcluirPdf(const QString& temporario, const QString& destino, bool substituir) {
    const QFileInfo info(destino);
    const QFile::Permissions permissoes = info.exists()
                                              ? QFile::permissions(info.absoluteFilePath())
                                              : (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                 QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(temporario, permissoes);
    if (!substituir)
        return QFile::rename(temporario, info.absoluteFilePath());
    std::error_code erro;
    std::filesystem::rename(CaminhoDeQString(temporario), CaminhoDeQString(info.absoluteFilePath()), erro);
    return !erro;
}

} // namespace oraculandia
