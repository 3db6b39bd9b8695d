#include "layout/qt/superficie_qt.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <map>
#include <optional>
#include <unordered_map>

#include "layout/percurso.h"
#include "layout/qt/cp1252_qt.h"
#include "layout/unidades.h"

namespace oraculandia {

namespace {

// Hundredths of a millimetre per millimetre: the painter's unit.
constexpr double kUnidade = 100.0;

} // namespace

QSvgRenderer* FiguraSvg(std::string_view nome) {
    // Kept to the end of the process and never destroyed: static destructors run after the
    // application object is gone, too late for Qt objects.
    static auto& cache = *new std::map<std::string, std::unique_ptr<QSvgRenderer>, std::less<>>;
    auto it = cache.find(nome);
    if (it == cache.end()) {
        const QString caminho =
            QStringLiteral(":/imagens/%1.svg")
                .arg(QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())));
        auto desenho = std::make_unique<QSvgRenderer>(caminho);
        if (!desenho->isValid())
            desenho.reset();
        it = cache.emplace(std::string(nome), std::move(desenho)).first;
    }
    return it->second.get();
}

QString SuperficieQt::Texto(std::string_view cp1252) {
    return Cp1252ParaQString(cp1252);
}

QString SuperficieQt::FamiliaReal(const QString& nome) {
    const QString n = nome.trimmed();
    if (n.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (n.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (n.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (n.isEmpty())
        return QStringLiteral("Liberation Serif");
    return n;
}

SuperficieQt::SuperficieQt(QPaintDevice* dispositivo)
    : dispositivo_(dispositivo), proprio_(std::make_unique<QPainter>(dispositivo)), pintor_(proprio_.get()) {
    Iniciar();
}

SuperficieQt::SuperficieQt(QPainter& pintor, QPaintDevice* dispositivo)
    : dispositivo_(dispositivo), pintor_(&pintor) {
    pintor_->save();
    Iniciar();
}

void SuperficieQt::Iniciar() {
    dpiX_ = dispositivo_->logicalDpiX();
    dpiY_ = dispositivo_->logicalDpiY();
    // Text shaped for one device pixel ratio is shaped again when drawn at another: the words
    // kept per font are kept per ratio too.
    razao_ = dispositivo_->devicePixelRatioF();
    pintor_->resetTransform();
    pintor_->scale(dpiX_ / 2540.0, dpiY_ / 2540.0);
    pintor_->setRenderHint(QPainter::Antialiasing, true);
    pintor_->setRenderHint(QPainter::TextAntialiasing, true);
    pintor_->setRenderHint(QPainter::SmoothPixmapTransform, true);
}

SuperficieQt::~SuperficieQt() {
    if (proprio_) {
        proprio_->end();
    } else {
        pintor_->restore();
    }
}

void SuperficieQt::DefinirNomeFonte(const std::string& nome) {
    if (nome != nomeFonte_) {
        nomeFonte_ = nome;
        FonteMudou();
    }
}
void SuperficieQt::DefinirTamanhoFonte(double pontos) {
    if (pontos != tamanho_) {
        tamanho_ = pontos;
        FonteMudou();
    }
}
void SuperficieQt::DefinirNegrito(bool negrito) {
    if (negrito != negrito_) {
        negrito_ = negrito;
        FonteMudou();
    }
}
void SuperficieQt::DefinirItalico(bool italico) {
    if (italico != italico_) {
        italico_ = italico;
        FonteMudou();
    }
}
void SuperficieQt::DefinirCor(uint32_t rgb) {
    cor_ = QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u));
}

namespace {

struct HashTexto {
    using is_transparent = void;
    std::size_t operator()(std::string_view t) const noexcept { return std::hash<std::string_view>{}(t); }
};

} // namespace

struct SuperficieQt::Medidas {
    QFont fonte;
    std::optional<QFontMetricsF> metricas;
    std::unordered_map<std::string, double, HashTexto, std::equal_to<>> larguras;
    std::unordered_map<std::string, QStaticText, HashTexto, std::equal_to<>> palavras;
};

SuperficieQt::Medidas& SuperficieQt::MedidasDaFonte() {
    if (!medidas_) {
        // Never destroyed, like the pictures: fonts must not outlive the application object.
        static auto& porFonte = *new std::unordered_map<std::string, std::unique_ptr<Medidas>>;
        std::string chave = nomeFonte_;
        chave += '|' + std::to_string(tamanho_) + '|' + std::to_string(negrito_) + std::to_string(italico_) +
                 '|' + std::to_string(dpiX_) + 'x' + std::to_string(dpiY_) + '@' + std::to_string(razao_);
        std::unique_ptr<Medidas>& m = porFonte[chave];
        if (!m) {
            m = std::make_unique<Medidas>();
            QFont f(FamiliaReal(Texto(nomeFonte_)));
            // A size of 0 or less (a bad settings file) would make Qt fall back to its default.
            const double pontos = tamanho_ > 0 ? tamanho_ : 1;
            f.setPointSizeF(pontos * 2540.0 / dpiY_);
            f.setBold(negrito_);
            f.setItalic(italico_);
            f.setHintingPreference(QFont::PreferNoHinting);
            m->fonte = f;
            m->metricas.emplace(f, dispositivo_);
        }
        medidas_ = m.get();
        fonte_ = &medidas_->fonte;
        metricas_ = &*medidas_->metricas;
    }
    return *medidas_;
}

const QFont& SuperficieQt::FonteQt() {
    return MedidasDaFonte().fonte;
}

const QFontMetricsF& SuperficieQt::Metricas() {
    return *MedidasDaFonte().metricas;
}

double SuperficieQt::LarguraTexto(std::string_view texto) {
    Medidas& m = MedidasDaFonte();
    auto it = m.larguras.find(texto);
    if (it != m.larguras.end())
        return it->second;
    const double largura = m.metricas->horizontalAdvance(Texto(texto)) / kUnidade;
    m.larguras.emplace(std::string(texto), largura);
    return largura;
}

double SuperficieQt::AlturaTexto(std::string_view) {
    return Metricas().lineSpacing() / kUnidade;
}

void SuperficieQt::Imprimir(std::string_view texto) {
    if (texto.empty())
        return;
    Medidas& m = MedidasDaFonte();
    if (pintor_->font() != m.fonte)
        pintor_->setFont(m.fonte);
    pintor_->setPen(cor_);
    // Words are drawn from their shaped form, kept per font: shaping is most of the cost of
    // drawing text, and an analysis repeats its words many times.
    auto it = m.palavras.find(texto);
    if (it == m.palavras.end()) {
        QStaticText estatico(Texto(texto));
        estatico.setTextFormat(Qt::PlainText);
        estatico.setPerformanceHint(QStaticText::ModerateCaching);
        it = m.palavras.emplace(std::string(texto), std::move(estatico)).first;
    }
    pintor_->drawStaticText(QPointF(x_ * kUnidade, y_ * kUnidade), it->second);
}

void SuperficieQt::ImprimirLinha(std::string_view texto) {
    Imprimir(texto);
    x_ = 0;
    y_ += AlturaTexto(texto);
}

void SuperficieQt::Retangulo(double x1, double y1, double x2, double y2, uint32_t rgb) {
    const QRectF r =
        QRectF(QPointF(x1 * kUnidade, y1 * kUnidade), QPointF(x2 * kUnidade, y2 * kUnidade)).normalized();
    pintor_->fillRect(r, QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u)));
}

void SuperficieQt::Figura(std::string_view nome, double x, double y, double largura, double altura) {
    if (largura <= 0 || altura <= 0)
        return;
    if (QSvgRenderer* desenho = FiguraSvg(nome)) {
        desenho->setAspectRatioMode(Qt::IgnoreAspectRatio);
        desenho->render(pintor_, QRectF(x * kUnidade, y * kUnidade, largura * kUnidade, altura * kUnidade));
    }
}

namespace {
// Images and pixmaps count their size in device pixels; at a device pixel ratio above 1 the
// painter (and so the surface) works in logical pixels.
double RazaoPixels(const QPaintDevice* dispositivo) {
    const int tipo = dispositivo->devType();
    return tipo == QInternal::Image || tipo == QInternal::Pixmap ? dispositivo->devicePixelRatioF() : 1.0;
}
} // namespace

double SuperficieQt::LarguraEscala() const {
    return dispositivo_->width() / RazaoPixels(dispositivo_) * unidades::kMmPorPolegada / dpiX_;
}
double SuperficieQt::AlturaEscala() const {
    return dispositivo_->height() / RazaoPixels(dispositivo_) * unidades::kMmPorPolegada / dpiY_;
}

void SuperficieQt::Limpar(const QColor& cor) {
    pintor_->fillRect(QRectF(0, 0, LarguraEscala() * kUnidade, AlturaEscala() * kUnidade), cor);
}

void DesenhaFolhaRostoComAmpulheta(SuperficieDesenho& superficie, const Margens& margens,
                                   const DadosFolhaRosto* dados) {
    struct Ampulheta {
        Ampulheta() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
        ~Ampulheta() { QGuiApplication::restoreOverrideCursor(); }
        Ampulheta(const Ampulheta&) = delete;
        Ampulheta& operator=(const Ampulheta&) = delete;
    } ampulheta;
    DesenhaFolhaRosto(superficie, margens, dados);
}

} // namespace oraculandia
