#pragma once
// How an analysis is set up as a PDF document, shared by the print dialog's "Salvar em PDF" and
// the reports made without the window, so that both write the same file.

#include <QPageLayout>
#include <QString>

class QPrinter;

namespace oraculandia {

// A high-resolution PDF printer with the page of `pagina` (the default printer's, or A4 with the
// PDF writer's printable area), the program as creator and `titulo` (the subject's name) as the
// document's title. The output file is set by the caller.
void PrepararPdf(QPrinter& pdf, const QPageLayout& pagina, const QString& titulo);

// Where a PDF is proposed: the user's documents folder, `nome` with the characters no file system
// takes in a name replaced by "_", and ".pdf"; `semNome` when nothing of the name is left.
QString SugestaoArquivoPdf(const QString& nome, const QString& semNome);

// Gives a finished PDF, written under the temporary name `temporario` in the target's folder, its
// name `destino` in one step, replacing a file of that name. The file takes the permissions of
// the one it replaces, or those of an ordinary new document (a temporary file is readable by its
// owner only). False when the rename failed (the temporary file is left for the caller).
bool ConcluirPdf(const QString& temporario, const QString& destino);

} // namespace oraculandia
