#pragma once
// The print dialog: the four print margins (millimetres) with their limits, black-and-white and
// cover-sheet options, a miniature page drawn with the margins, and the print job, on the default
// printer or into a PDF file.

#include <QDialog>
#include <QImage>
#include <QPageLayout>
#include <QString>
#include <optional>

#include "print/qt/trabalho_impressao.h"

class QCheckBox;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace oraculandia {

struct Programa;
class ServicosImpressao;

// The miniature page (picExemplo): shows the image drawn by DesenhaExemplo or the busy message.
class QuadroExemplo : public QWidget {
    Q_OBJECT
public:
    QuadroExemplo(double larguraMm, double alturaMm, QWidget* pai = nullptr);
    double LarguraMm() const { return larguraMm_; }
    double AlturaMm() const { return alturaMm_; }
    // A white image of the box's size, at the screen's resolution, to draw on.
    QImage NovaImagem() const;
    void DefinirImagem(QImage imagem);
    const QImage& Imagem() const { return imagem_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    double larguraMm_;
    double alturaMm_;
    QImage imagem_;
};

class frmImprimir : public QDialog {
    Q_OBJECT
public:
    frmImprimir(Programa& programa, ServicosImpressao& servicos, QWidget* pai = nullptr);

    // Draws the miniature page with the margins of the four boxes.
    void DesenhaExemplo();
    // Copies the four boxes into MargensImpressao.
    void RedefinirMargens();

    // Printable width and height of the page in use, millimetres (the limits and the preview).
    double LarguraImprimivel() const { return largura_; }
    double AlturaImprimivel() const { return altura_; }
    const QPageLayout& Pagina() const { return pagina_; }

    // Where the PDF is proposed: the user's documents folder, the subject's name and ".pdf".
    QString SugestaoArquivoPdf() const;

    // True while the dialog loads and while the preview is drawn: edits are checked, not drawn.
    bool Desenhando = true;

    // True when a failure (an exception of the platform) ended the dialog: the caller shows
    // Falha(), the message saying what the failure stopped. Failures never leave the dialog's
    // handlers through Qt's event loop.
    bool Falhou() const { return falhou_; }
    const QString& Falha() const { return falha_; }

public slots:
    void cmdCancelar_Click();
    // Prints on the default printer; without one, says so and offers the PDF instead.
    void cmdImprimir_Click();
    // Asks for a file and runs the same job into a PDF.
    void cmdSalvarPdf_Click();
    // A page-by-page preview of this analysis' pages with the margins typed, the fonts, header,
    // footer and cover: the print job drawing into the preview. Nothing is saved or printed.
    void cmdVisualizar_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QCheckBox* chkPretoEmBranco;
    QCheckBox* chkImprimirFolhaRosto;
    QLineEdit* txtDireita;
    QLineEdit* txtInferior;
    QLineEdit* txtEsquerda;
    QLineEdit* txtSuperior;
    QuadroExemplo* picExemplo;
    QPushButton* cmdCancelar;
    QPushButton* cmdImprimir;
    QPushButton* cmdSalvarPdf;
    QPushButton* cmdVisualizar; // "&Visualizar...": the real pages before printing

    enum class Lado { Esquerda, Superior, Direita, Inferior };
    void RegraDaMargem(Lado lado);
    QLineEdit* Caixa(Lado lado) const;
    void MostrarAguarde();
    // The common part of printing and PDF: refuses margins no sheet can take (with a message;
    // nullopt then, nothing saved or started), stores the options, saves the margins and runs the
    // job into `resultado`. Returns whether the margins were saved; the caller tells the user.
    // What became of the margins typed for a job.
    enum class DestinoMargens {
        Guardadas,
        NaoGuardadas, // the write failed
        Recusadas,    // margens.dat could not be read in this run, so it is not written over
    };
    std::optional<DestinoMargens> ExecutarTrabalho(QPrinter& impressora, ResultadoImpressao& resultado);
    // One message for a job that failed, saying also what became of the margins.
    void RelatarFalha(const QString& oQueFalhou, DestinoMargens margens);
    // One message for a job that succeeded while the margins could not be saved.
    void RelatarMargensNaoSalvas(const QString& oQueFoiFeito, DestinoMargens margens);
    QString ArquivoMargens() const;
    void OferecePdfSemImpressora();
    void Imprimir();
    void SalvarPdf();
    // Runs a button's work (`acao`, in the infinitive, names it for the message); a failure
    // closes the dialog with Falhou() and Falha() set.
    template <typename F> void ComFalhasTratadas(const QString& acao, F trabalho);

    Programa& programa_;
    ServicosImpressao& servicos_;
    QPageLayout pagina_;
    double largura_ = 0;
    double altura_ = 0;
    bool falhou_ = false;
    QString falha_;
};

} // namespace oraculandia
