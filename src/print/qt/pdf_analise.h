#pragma once
// How an analysis is set up as a PDF document, shared by the print dialog's "Salvar em PDF" and
// the reports made without the window, so that both write the same file.

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

#include "print/qt/trabalho_impressao.h"

class QFileInfo;
class QPrinter;
class QTemporaryFile;

namespace oraculandia {

// A high-resolution PDF printer with the page of `pagina` (the default printer's, or A4 with the
// PDF writer's printable area), the program as creator and `titulo` (the subject's name) as the
// document's title. The output file is set by the caller.
void PrepararPdf(QPrinter& pdf, const QPageLayout& pagina, const QString& titulo);

// Where a PDF is proposed: the user's documents folder, `nome` with the characters no file system
// takes in a name replaced by "_", and ".pdf"; `semNome` when nothing of the name is left.
QString SugestaoArquivoPdf(const QString& nome, const QString& semNome);

// The temporary file (created, closed, removed when destroyed) that a PDF bound for `destino` is
// written to first: in the same folder, so that ConcluirPdf is one rename. The reason in
// Portuguese instead when `destino` is a folder or its folder takes no new file.
ResultadoQt<std::unique_ptr<QTemporaryFile>> CriarTemporarioPdf(const QFileInfo& destino);

// Gives a finished PDF, written under the temporary name `temporario` in the target's folder, its
// name `destino` in one step. With `substituir` a file of that name is replaced; without it an
// existing file is never replaced, not even one that appeared while the PDF was being written
// (QFile::rename refuses an existing name). The file takes the permissions of the one it
// replaces, or those of an ordinary new document (a temporary file is readable by its owner
// only). False when the rename failed (the temporary file is left for the caller).
bool ConcluirPdf(const QString& temporario, const QString& destino, bool substituir = true);

// True when `arquivo` holds something and ends as a PDF file ends ("%%EOF" and at most a line
// break after it). A write that failed part way (a full disk) leaves a file without that end.
bool PdfCompleto(const QString& arquivo);

// Writes a PDF document to `destino` (replacing a file of that name) through a temporary file in
// its folder: a printer set up by PrepararPdf with `pagina` and `titulo` writes to the temporary
// file through `imprimir`, and the file takes its name only when the job was ok and the PDF is
// complete. The reason in Portuguese otherwise; no file is left then.
ResultadoQt<void> GravarPdfDocumento(const QPageLayout& pagina, const QString& titulo, const QString& destino,
                                     const std::function<ResultadoImpressao(QPrinter&)>& imprimir);

} // namespace oraculandia
