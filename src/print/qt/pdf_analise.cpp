#include "print/qt/pdf_analise.h"
#include "programa/qt/caminhos_qt.h"

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

ResultadoQt<std::unique_ptr<QTemporaryFile>> CriarTemporarioPdf(const QFileInfo& destino) {
    if (destino.isDir())
        return Falha(QStringLiteral("\"%1\" é uma pasta").arg(QDir::toNativeSeparators(destino.filePath())));
    auto temporario =
        std::make_unique<QTemporaryFile>(destino.absolutePath() + QStringLiteral("/.oraculandia-XXXXXX.pdf"));
    if (!destino.absoluteDir().exists() || !temporario->open())
        return Falha(QStringLiteral("não foi possível criar o arquivo na pasta %1 (verifique se ela existe e "
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

bool PdfCompleto(const QString& arquivo) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 16)
        return false;
    if (!f.seek(f.size() - 16))
        return false;
    QByteArray fim = f.read(16);
    while (fim.endsWith('\n') || fim.endsWith('\r'))
        fim.chop(1);
    return fim.endsWith("%%EOF") && f.read(1).isEmpty();
}

ResultadoQt<void> GravarPdfDocumento(const QPageLayout& pagina, const QString& titulo, const QString& destino,
                                     const std::function<ResultadoImpressao(QPrinter&)>& imprimir) {
    const QFileInfo info(destino);
    ResultadoQt<std::unique_ptr<QTemporaryFile>> criado = CriarTemporarioPdf(info);
    if (!criado)
        return Falha(std::move(criado).error());
    const std::unique_ptr<QTemporaryFile> temporario = std::move(*criado);
    {
        // The printer lives inside this block: the file is closed before it is checked.
        QPrinter pdf(QPrinter::HighResolution);
        PrepararPdf(pdf, pagina, titulo);
        pdf.setOutputFileName(temporario->fileName());
        const ResultadoImpressao r = imprimir(pdf);
        if (!r)
            return Falha(r.error());
    }
    // A PDF cut short (a full disk) never takes the final name.
    if (!PdfCompleto(temporario->fileName()))
        return Falha(QStringLiteral("o arquivo não foi gravado por inteiro (verifique se há espaço livre no "
                                    "disco da pasta %1)")
                         .arg(QDir::toNativeSeparators(info.absolutePath())));
    if (!ConcluirPdf(temporario->fileName(), info.absoluteFilePath()))
        return Falha(
            QStringLiteral("o arquivo não pôde receber o nome %1 (verifique se ele não está aberto em "
                           "outro programa e se a pasta permite gravação)")
                .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    return {};
}

} // namespace oraculandia
