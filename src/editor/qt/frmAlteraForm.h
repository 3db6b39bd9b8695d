#pragma once
// The editing window of the interpretation editor: one text of an interpretation file, written
// back over its record when the user saves. The file and the record come from the two labels
// lblArquivo and lblPosicao, which the choice window fills before showing this window.

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

    // Puts a record's text (Windows-1252, CR LF line breaks) into txtTexto.
    void DefinirTexto(const std::string& textoCp1252);

    QLabel* lblInfo;
    QPlainTextEdit* txtTexto;
    QLabel* lblArquivo;
    QLabel* lblPosicao;
    QPushButton* cmdSalvar;
    QPushButton* cmdRetornar;

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
    Programa& programa_;
};

} // namespace oraculandia
