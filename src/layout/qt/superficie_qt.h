#pragma once
// SuperficieDesenho over QPainter, for any paint device: a page image of the viewer, the
// printer, the print preview, a preview box of a dialog.
//
// The painter works in hundredths of a millimetre (scaled by dpi / 2540) and fonts are sized for
// that unit (point size x 2540 / logical dpi, no hinting), so that text measures the same on a
// 96-dpi page image and on a 1200-dpi printer: a painter scaled to whole millimetres makes Qt
// round the font's pixel size and text comes out several percent too small.
//
// The Windows faces of the report fonts are drawn with the metric-compatible Liberation faces:
// "Times New Roman" -> Liberation Serif, "Arial" -> Liberation Sans, "Courier New" ->
// Liberation Mono. Pictures come from the SVG resources ":/imagens/NAME.svg".

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QStaticText>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "dados/margens.h"
#include "layout/percurso.h"
#include "layout/superficie.h"

class QPainter;
class QPaintDevice;
class QSvgRenderer;

namespace oraculandia {

// The picture ":/imagens/NAME.svg", loaded once; nullptr when there is no such picture.
QSvgRenderer* FiguraSvg(std::string_view nome);

class SuperficieQt : public SuperficieDesenho {
public:
    // Draws on `dispositivo` with a painter of its own, active until the surface is destroyed.
    explicit SuperficieQt(QPaintDevice* dispositivo);
    // Draws with a painter that is already active on `dispositivo` (for example the print job's
    // painter, which lives across sheets). The painter's state is saved and restored.
    SuperficieQt(QPainter& pintor, QPaintDevice* dispositivo);
    ~SuperficieQt() override;
    SuperficieQt(const SuperficieQt&) = delete;
    SuperficieQt& operator=(const SuperficieQt&) = delete;

    double X() const override { return x_; }
    double Y() const override { return y_; }
    void DefinirX(double x) override { x_ = x; }
    void DefinirY(double y) override { y_ = y; }

    std::string NomeFonte() const override { return nomeFonte_; }
    double TamanhoFonte() const override { return tamanho_; }
    bool Negrito() const override { return negrito_; }
    bool Italico() const override { return italico_; }
    void DefinirNomeFonte(const std::string& nome) override;
    void DefinirTamanhoFonte(double pontos) override;
    void DefinirNegrito(bool negrito) override;
    void DefinirItalico(bool italico) override;
    void DefinirCor(uint32_t rgb) override;

    double LarguraTexto(std::string_view texto) override;
    double AlturaTexto(std::string_view texto) override;
    void Imprimir(std::string_view texto) override;
    void ImprimirLinha(std::string_view texto) override;
    void Retangulo(double x1, double y1, double x2, double y2, uint32_t rgb) override;
    void Figura(std::string_view nome, double x, double y, double largura, double altura) override;
    double LarguraEscala() const override;
    double AlturaEscala() const override;

    // Paints the whole surface in one colour (a preview box being cleared).
    void Limpar(const QColor& cor = Qt::white);

    QPainter& Pintor() { return *pintor_; }
    // The font as it is drawn (family replaced, size in hundredths of a millimetre).
    const QFont& FonteQt();

    // The family Qt should draw for a face name of the settings.
    static QString FamiliaReal(const QString& nome);
    // Windows-1252 bytes to QString.
    static QString Texto(std::string_view cp1252);

private:
    void Iniciar();
    void FonteMudou() {
        fonte_ = nullptr;
        metricas_ = nullptr;
        medidas_ = nullptr;
    }
    const QFontMetricsF& Metricas();
    struct Medidas;
    Medidas& MedidasDaFonte();

    QPaintDevice* dispositivo_;
    std::unique_ptr<QPainter> proprio_;
    QPainter* pintor_;
    double dpiX_ = 96, dpiY_ = 96;
    double razao_ = 1; // device pixel ratio
    double x_ = 0, y_ = 0;
    std::string nomeFonte_ = "Arial";
    double tamanho_ = 10;
    bool negrito_ = false, italico_ = false;
    QColor cor_ = Qt::black;
    // The font, its metrics, the widths already measured and the words already shaped, shared by
    // every surface with the same font and resolution: the layout measures and draws the same
    // words again and again, page after page.
    Medidas* medidas_ = nullptr;
    const QFont* fonte_ = nullptr;
    const QFontMetricsF* metricas_ = nullptr;
};

// The cover page (DesenhaFolhaRosto) as the print job draws it: the screen shows the hourglass
// while it is drawn, and the pointer is back as it was when the routine returns, however it
// returns.
void DesenhaFolhaRostoComAmpulheta(SuperficieDesenho& superficie, const Margens& margens,
                                   const DadosFolhaRosto* dados = nullptr);

} // namespace oraculandia
