#pragma once
// The editing window of the interpretation editor: one text of an interpretation file, written
// back over its record when the user saves. The choice window says which record of which file
// (DefinirRegistro) before showing this window; the two labels lblArquivo and lblPosicao show them
// and are where saving reads them from.

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace oraculandia {

struct Programa;

class frmAlteraForm : public QDialog {
    Q_OBJECT
public:
    explicit frmAlteraForm(Programa& programa, QWidget* pai = nullptr);

    // The line that says what is being changed (lblInfo), the file (full path) and the record the
    // text is written back to.
    void DefinirRegistro(const QString& info, const QString& arquivo, int registro);
    // Puts a record's text (Windows-1252, CR LF line breaks) into txtTexto.
    void DefinirTexto(const std::string& textoCp1252);

public slots:
    // Writes the text over its record and closes the window. Refuses (the window stays open with
    // the text as typed) characters the file cannot hold and a file that cannot be written; a text
    // longer than a record is stored cut to the record only after the user agrees.
    void cmdSalvar_Click();
    // Asks before leaving without saving; No keeps the window and the text as they are.
    void cmdRetornar_Click();
    // Escape and the window frame ask the same question as cmdRetornar.
    void reject() override;

private:
    QLabel* lblInfo;
    QPlainTextEdit* txtTexto;
    QLabel* lblArquivo;
    QLabel* lblPosicao;
    QPushButton* cmdSalvar;
    QPushButton* cmdRetornar;

    Programa& programa_;
};

} // namespace oraculandia
