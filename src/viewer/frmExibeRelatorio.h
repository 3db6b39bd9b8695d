#pragma once
// The viewer window of one analysis: a child of the main window's MDI area that holds the
// finished page images (the page store) and shows one page at a time on a surface larger than
// the window, scrolled in both directions. Each page remembers where it was scrolled to. The
// window keeps its own copy of the subject, so that printing and export can work on whichever
// analysis is active.
//
// Lengths are millimetres; the screen is measured as in the rest of the program, 15 twips per
// pixel and 56.7 twips per millimetre (so 3.78 pixels per millimetre).
//
// Calling order of the rendering: create the window; PreparaPictureBox(n) before drawing into
// page n (0-based, the store grows as needed); draw into picFolha(n); GravaDados(pages, 1, date,
// name); show the window.

#include <QImage>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QScrollBar;

namespace oraculandia {

struct Programa;

class frmExibeRelatorio : public QWidget {
    Q_OBJECT

public:
    explicit frmExibeRelatorio(Programa& programa, QWidget* pai = nullptr);
    ~frmExibeRelatorio() override;

    static QString Titulo(); // "Relatório de Análise Numerológica"

    // Page width in millimetres: 90% of the screen width.
    float GetLarguraEmMm() const;
    // Prepares page buffer `indice` (0-based): a white page GetLarguraEmMm x 297 mm at screen
    // resolution. The store grows to hold it; an existing buffer is cleared.
    void PreparaPictureBox(int indice);
    // The page buffer `indice` (0-based); it must have been prepared.
    QImage& picFolha(int indice);
    int PaginasNaMemoria() const { return static_cast<int>(paginas_.size()); }

    // Hands the finished analysis over and shows page `Atual` (1-based). Texts are Windows-1252.
    void GravaDados(int Paginas, int Atual, const std::string& dtAnalisada, const std::string& nmAnalisado);
    // Shows page `Pagina` (1-based) where the user left it (top left the first time), plays the
    // page sound when sounds are on and writes the status line. A page outside the store keeps
    // the previous image.
    void ExibePagina(int Pagina);
    int PaginaExibida() const { return PaginaAtual; }
    int TotalDePaginas() const { return TotalPaginas; }
    // Makes this window's subject the program's current subject (before printing or export).
    void AjustaDadosNaMemoria();

    // "Navegando: Página 2 de 7".
    QString TextoStatus() const;

    const std::string& NomeAnalisado() const { return nomeAnalisado_; }
    const std::string& DataAnalisada() const { return dataAnalisada_; }

    // Scroll values are millimetres of page movement.
    QScrollBar* vScroll = nullptr;
    QScrollBar* hScroll = nullptr;
    QWidget* picExibe = nullptr; // the visible page surface
    float MargemPagina = 0;      // gap above and beside the page: 4% of the screen height, mm

    // Scroll positions remembered for page `pagina` (1-based): horizontal, vertical.
    std::pair<float, float> PosicaoGuardada(int pagina) const;

    // Screen measures used by the window (millimetres, from the screen's pixel size).
    static double PixelsPorMm();
    static double LarguraTelaMm();
    static double AlturaTelaMm();

    // Tests and benchmarks: the image now on the page surface.
    const QImage& ImagemExibida() const { return imagemExibida_; }

signals:
    // The status line text the main window should show (on every page shown, on activation,
    // and the initial text when the window closes).
    void StatusNavegacao(const QString& texto);
    // The mouse moved over the window or its page: the main window forgets and closes its tip.
    void MouseSobreJanela();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    friend class SuperficieExibe;
    void AoRolarVertical(int valor);
    void AoRolarHorizontal(int valor);
    void Reposicionar();
    void GuardarPosicao(int pagina);
    void PosicionarExibe(double esquerdaMm, double topoMm);
    void LigarAtivacao();
    static int Px(double mm);

    Programa& programa_;
    std::vector<QImage> paginas_;
    std::vector<float> PosicaoHorizontal; // index page - 1; grows with the store
    std::vector<float> PosicaoVertical;
    int TotalPaginas = 0;
    int PaginaAtual = 0;
    std::string nomeAnalisado_;
    std::string dataAnalisada_;
    QImage imagemExibida_; // shares the page's pixels
    bool ativacaoLigada_ = false;
};

} // namespace oraculandia
