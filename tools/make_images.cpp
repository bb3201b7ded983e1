// SPDX-License-Identifier: Apache-2.0
// Draws the program's images (banners, logo, application icon, product photos) into resources/images.
// Everything is drawn here from shapes; no outside artwork is used.
//
// Build and run from the repository root:
//   g++ -std=c++20 -fPIC -O1 tools/make_images.cpp -o /tmp/make_images $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make_images resources/images
// Every picture is drawn twice: at its size ("name.png") and at double density ("name@2x.png", the
// same drawing on twice the pixels) for screens scaled to 150 % and more.
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

const QColor kForestDark(0x0d, 0x26, 0x17);
const QColor kForest(0x1c, 0x47, 0x2a);
const QColor kForestLight(0x2f, 0x6b, 0x3f);
const QColor kAmber(0xe9, 0xa2, 0x3b);
const QColor kCream(0xf4, 0xf1, 0xe6);
const QColor kSage(0xb7, 0xcc, 0xb4);

// A small deterministic generator so that every run draws the same camouflage.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

QFont Font(double pixelSize, int weight = QFont::Normal) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

int g_density = 1;  // device pixels per drawing unit

QImage NewImage(int w, int h) {
    QImage image(w * g_density, h * g_density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_density);  // painters draw in the picture's own units
    image.fill(Qt::transparent);
    return image;
}

bool Save(const QImage& image, const QDir& dir, const char* name) {
    QString file = QString::fromLatin1(name);
    if (g_density > 1) file.replace(QStringLiteral(".png"), QStringLiteral("@%1x.png").arg(g_density));
    const QString path = dir.filePath(file);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

// A blob of camouflage: a closed wobbly curve around a centre.
QPainterPath Blob(Random& rnd, QPointF centre, double radius) {
    const int points = 7;
    std::vector<QPointF> ring;
    for (int i = 0; i < points; ++i) {
        const double angle = 2 * M_PI * i / points + rnd.range(-0.25, 0.25);
        const double r = radius * rnd.range(0.55, 1.25);
        ring.emplace_back(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle) * rnd.range(0.6, 1.0));
    }
    QPainterPath path;
    auto mid = [&](int i) { return (ring[i % points] + ring[(i + 1) % points]) / 2; };
    path.moveTo(mid(0));
    for (int i = 1; i <= points; ++i) path.quadTo(ring[i % points], mid(i));
    path.closeSubpath();
    return path;
}

// ---------------------------------------------------------------------------------------------------
// Trail camera drawing.

struct CameraStyle {
    QColor base;               // body colour
    std::vector<QColor> camo;  // blob colours; empty = plain body
    double width = 112;        // body size in a 200-pixel photo
    double height = 138;
    double corner = 22;
    int ledRows = 4;
    int ledCols = 6;
    enum Leds { Grid, Split, Arc } leds = Grid;
    bool antenna = false;
    bool visor = false;
    bool straps = true;
    bool silhouette = false;  // flat grey shape without details
    std::uint32_t seed = 1;
};

void DrawLed(QPainter& p, QPointF c, double r) {
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0, QColor(0x9a, 0x4a, 0x4a));
    g.setColorAt(0.45, QColor(0x4a, 0x16, 0x18));
    g.setColorAt(1, QColor(0x1a, 0x08, 0x08));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void DrawLedPanel(QPainter& p, QRectF panel, int rows, int cols) {
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(QColor(0x14, 0x14, 0x14));
    p.drawRoundedRect(panel, 5, 5);
    const double cw = panel.width() / cols;
    const double ch = panel.height() / rows;
    const double r = std::min(cw, ch) * 0.36;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            DrawLed(p, QPointF(panel.left() + cw * (col + 0.5), panel.top() + ch * (row + 0.5)), r);
}

void DrawLens(QPainter& p, QPointF c, double r) {
    // Barrel, ring, glass and a reflection.
    QRadialGradient barrel(c, r);
    barrel.setColorAt(0.80, QColor(0x3a, 0x3d, 0x40));
    barrel.setColorAt(1.0, QColor(0x18, 0x19, 0x1a));
    p.setPen(QPen(QColor(0x0c, 0x0c, 0x0c), 1.2));
    p.setBrush(barrel);
    p.drawEllipse(c, r, r);
    QRadialGradient glass(c + QPointF(-r * 0.2, -r * 0.25), r * 0.75);
    glass.setColorAt(0, QColor(0x3d, 0x55, 0x7a));
    glass.setColorAt(0.5, QColor(0x12, 0x1c, 0x2e));
    glass.setColorAt(1, QColor(0x04, 0x05, 0x08));
    p.setPen(QPen(QColor(0x6a, 0x6e, 0x72), 1));
    p.setBrush(glass);
    p.drawEllipse(c, r * 0.68, r * 0.68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-r * 0.28, -r * 0.3), r * 0.16, r * 0.11);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(c + QPointF(r * 0.25, r * 0.28), r * 0.08, r * 0.06);
}

void DrawPir(QPainter& p, QRectF r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xf2, 0xf2, 0xee));
    g.setColorAt(1, QColor(0xb9, 0xbb, 0xb3));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, r.height() / 2.2, r.height() / 2.2);
    // The Fresnel lens's facets.
    p.setPen(QPen(QColor(0x90, 0x92, 0x8b), 0.8));
    for (int i = 1; i < 4; ++i) {
        const double x = r.left() + r.width() * i / 4;
        p.drawLine(QPointF(x, r.top() + 2), QPointF(x, r.bottom() - 2));
    }
}

// Draws a camera whose body is centred on `centre`, scaled by `scale` (1 = 200-pixel photo).
void DrawCamera(QPainter& p, QPointF centre, double scale, const CameraStyle& s) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    const QRectF body(-s.width / 2, -s.height / 2, s.width, s.height);

    // Ground shadow.
    QRadialGradient shadow(QPointF(0, body.bottom() + 6), s.width * 0.62);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.save();
    p.translate(0, body.bottom() + 6);
    p.scale(1, 0.16);
    p.drawEllipse(QPointF(0, 0), s.width * 0.62, s.width * 0.62);
    p.restore();

    if (s.antenna) {
        const QRectF mast(body.right() - 24, body.top() - 30, 8, 36);
        QLinearGradient g(mast.topLeft(), mast.topRight());
        g.setColorAt(0, QColor(0x2a, 0x2a, 0x2a));
        g.setColorAt(0.5, QColor(0x55, 0x55, 0x55));
        g.setColorAt(1, QColor(0x1a, 0x1a, 0x1a));
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
        p.setBrush(g);
        p.drawRoundedRect(mast, 4, 4);
    }
    if (s.straps) {
        // Strap loops on the sides, where the belt goes round the tree.
        p.setPen(QPen(QColor(0x12, 0x12, 0x12), 1));
        p.setBrush(QColor(0x2b, 0x2b, 0x27));
        p.drawRoundedRect(QRectF(body.left() - 5, -14, 9, 28), 3, 3);
        p.drawRoundedRect(QRectF(body.right() - 4, -14, 9, 28), 3, 3);
    }

    QPainterPath outline;
    outline.addRoundedRect(body, s.corner, s.corner);
    QLinearGradient shade(body.topLeft(), body.topRight());
    shade.setColorAt(0, s.base.lighter(118));
    shade.setColorAt(0.55, s.base);
    shade.setColorAt(1, s.base.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(outline);

    if (!s.camo.empty()) {
        p.save();
        p.setClipPath(outline);
        Random rnd(s.seed);
        for (int i = 0; i < 26; ++i) {
            QColor c = s.camo[static_cast<std::size_t>(i) % s.camo.size()];
            c.setAlpha(215);
            p.setBrush(c);
            const QPointF at(rnd.range(body.left(), body.right()), rnd.range(body.top(), body.bottom()));
            p.drawPath(Blob(rnd, at, rnd.range(9, 19)));
        }
        // Light from the upper left over the blobs too.
        QLinearGradient light(body.topLeft(), body.bottomRight());
        light.setColorAt(0, QColor(255, 255, 255, 45));
        light.setColorAt(0.5, QColor(255, 255, 255, 0));
        light.setColorAt(1, QColor(0, 0, 0, 60));
        p.setBrush(light);
        p.drawPath(outline);
        p.restore();
    }
    p.setPen(QPen(QColor(0, 0, 0, s.silhouette ? 40 : 150), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    if (s.silhouette) {
        const double plateW = s.width * 0.74;
        const QRectF plate(-plateW / 2, body.top() + s.height * 0.12, plateW, s.height * 0.76);
        p.setPen(Qt::NoPen);
        p.setBrush(s.base.darker(112));
        p.drawRoundedRect(plate, 12, 12);
        const QPointF lensAt(0, plate.top() + plate.height() * 0.56);
        const double lensR = std::min(plate.width() * 0.25, plate.height() * 0.16);
        p.setBrush(s.base.lighter(112));
        p.drawEllipse(lensAt, lensR, lensR);
        p.setBrush(s.base.darker(112));
        p.drawEllipse(lensAt, lensR * 0.6, lensR * 0.6);
        p.setBrush(s.base.lighter(108));
        p.drawRoundedRect(QRectF(plate.left() + 8, plate.top() + 8, plate.width() - 16, plate.height() * 0.34), 5, 5);
        p.restore();
        return;
    }

    if (s.visor) {
        QPainterPath hood;
        const double y = body.top() + 6;
        hood.moveTo(body.left() + 6, y + 10);
        hood.quadTo(0, y - 16, body.right() - 6, y + 10);
        hood.lineTo(body.right() - 12, y + 16);
        hood.quadTo(0, y - 4, body.left() + 12, y + 16);
        hood.closeSubpath();
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.setBrush(s.base.darker(170));
        p.drawPath(hood);
    }

    // The front plate that carries the optics.
    const double plateW = s.width * 0.74;
    const QRectF plate(-plateW / 2, body.top() + s.height * 0.12, plateW, s.height * 0.76);
    QLinearGradient plateShade(plate.topLeft(), plate.bottomLeft());
    plateShade.setColorAt(0, QColor(0x2c, 0x2e, 0x2b));
    plateShade.setColorAt(1, QColor(0x18, 0x19, 0x17));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.setBrush(plateShade);
    p.drawRoundedRect(plate, 12, 12);

    const double lensR = std::min(plate.width() * 0.25, plate.height() * 0.16);
    const QPointF lensAt(0, plate.top() + plate.height() * 0.56);
    switch (s.leds) {
        case CameraStyle::Grid: {
            const QRectF panel(plate.left() + 8, plate.top() + 8, plate.width() - 16, plate.height() * 0.34);
            DrawLedPanel(p, panel, s.ledRows, s.ledCols);
            break;
        }
        case CameraStyle::Split: {
            const double w = (plate.width() - 2 * lensR - 24) / 2;
            const double h = plate.height() * 0.42;
            DrawLedPanel(p, QRectF(plate.left() + 6, lensAt.y() - h / 2, w, h), s.ledRows, s.ledCols);
            DrawLedPanel(p, QRectF(plate.right() - 6 - w, lensAt.y() - h / 2, w, h), s.ledRows, s.ledCols);
            break;
        }
        case CameraStyle::Arc: {
            p.setPen(Qt::NoPen);
            for (int ring = 0; ring < 2; ++ring) {
                const double rr = lensR + 9 + ring * 8;
                const int n = 9 + ring * 3;
                for (int i = 0; i < n; ++i) {
                    const double a = M_PI * (1.1 + 0.8 * i / (n - 1));
                    DrawLed(p, lensAt + QPointF(rr * std::cos(a), rr * std::sin(a)), 3.1);
                }
            }
            break;
        }
    }
    DrawLens(p, lensAt, lensR);
    const double pirW = plate.width() * 0.46;
    DrawPir(p, QRectF(-pirW / 2, plate.bottom() - plate.height() * 0.2, pirW, plate.height() * 0.13));
    // Status light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5c, 0xd6, 0x6a));
    p.drawEllipse(QPointF(plate.right() - 12, plate.bottom() - plate.height() * 0.135), 2.2, 2.2);
    p.restore();
}

// ---------------------------------------------------------------------------------------------------

QImage ProductPhoto(const CameraStyle& style, const QString& name, bool neutral = false) {
    const int size = 200;
    QImage image = NewImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, size);
    bg.setColorAt(0, QColor(0xfa, 0xfa, 0xf6));
    bg.setColorAt(1, QColor(0xde, 0xe2, 0xd6));
    p.setPen(QPen(QColor(0xb8, 0xbd, 0xb0), 1));
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 10, 10);

    DrawCamera(p, QPointF(size / 2.0, 93), 0.8, style);

    // The name band at the bottom.
    const QRectF band(8, size - 34, size - 16, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(neutral ? QColor(0xc9, 0xcc, 0xc3) : kForest);
    p.drawRoundedRect(band, 6, 6);
    QFont f = Font(name.size() > 11 ? 14 : 15, QFont::Bold);
    p.setFont(f);
    p.setPen(neutral ? QColor(0x3a, 0x3d, 0x38) : kCream);
    p.drawText(band, Qt::AlignCenter, name);
    return image;
}

void DrawTopography(QPainter& p, QRectF area, int lines, std::uint32_t seed) {
    Random rnd(seed);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < lines; ++i) {
        const double baseY = area.top() + area.height() * (i + 0.5) / lines;
        const double amp = rnd.range(4, 12);
        const double freq = rnd.range(0.008, 0.02);
        const double phase = rnd.range(0, 6.28);
        QPainterPath path;
        for (double x = area.left(); x <= area.right(); x += 4) {
            const double y = baseY + amp * std::sin(x * freq + phase) + amp * 0.4 * std::sin(x * freq * 2.7 + phase);
            if (x == area.left())
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.setPen(QPen(QColor(255, 255, 255, 14 + (i % 3) * 5), 1));
        p.drawPath(path);
    }
}

// A pine tree silhouette with its foot at `foot`.
void DrawPine(QPainter& p, QPointF foot, double height) {
    const double w = height * 0.42;
    QPainterPath tree;
    const int tiers = 4;
    for (int t = 0; t < tiers; ++t) {
        const double top = foot.y() - height + t * height * 0.2;
        const double bottom = foot.y() - height * 0.08 - (tiers - 1 - t) * height * 0.12;
        const double half = w * (0.45 + 0.55 * (t + 1) / tiers) / 2;
        tree.moveTo(foot.x(), top);
        tree.lineTo(foot.x() + half, bottom);
        tree.lineTo(foot.x() - half, bottom);
        tree.closeSubpath();
    }
    tree.addRect(QRectF(foot.x() - height * 0.025, foot.y() - height * 0.1, height * 0.05, height * 0.1));
    p.drawPath(tree.simplified());
}

// Signal arcs: the camera sends what it sees over the phone network.
void DrawSignal(QPainter& p, QPointF at, double size, QColor colour) {
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = size * i / 3;
        QPen pen(colour, size * 0.11, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawArc(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, size * 0.1, size * 0.1);
}

// The program's mark: a rounded tile with a small camera and the signal arcs.
void DrawMark(QPainter& p, QRectF r) {
    const double radius = r.width() * 0.2;
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kForestLight);
    g.setColorAt(1, kForestDark);
    p.setPen(QPen(QColor(0, 0, 0, 60), r.width() / 128));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.save();
    p.setClipRect(r);
    // A ring of amber for the lens, with the camera body behind it.
    CameraStyle s;
    s.base = QColor(0x6b, 0x6a, 0x3c);
    s.camo = {QColor(0x4a, 0x52, 0x2c), QColor(0x8a, 0x74, 0x46), QColor(0x2f, 0x35, 0x22)};
    s.width = 100;
    s.height = 126;
    s.ledRows = 3;
    s.ledCols = 5;
    s.straps = false;
    s.seed = 7;
    DrawCamera(p, QPointF(r.center().x() - r.width() * 0.07, r.center().y() + r.height() * 0.08), r.width() / 190.0, s);
    p.restore();
    DrawSignal(p, QPointF(r.right() - r.width() * 0.2, r.top() + r.height() * 0.33), r.width() * 0.2, kAmber);
}

QImage Banner(int w, int h) {
    QImage image = NewImage(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, w, h);
    bg.setColorAt(0, kForestDark);
    bg.setColorAt(0.65, kForest);
    bg.setColorAt(1, kForestLight);
    p.fillRect(image.rect(), bg);
    DrawTopography(p, QRectF(0, -10, w, h + 20), 9, 11);

    // Tree line on the right.
    p.setPen(Qt::NoPen);
    Random rnd(3);
    const double start = std::max(w * 0.58, 350.0);  // clear of the subtitle
    for (double x = start; x < w + 20; x += rnd.range(16, 28)) {
        const double hh = rnd.range(h * 0.45, h * 0.85) * (0.7 + 0.3 * (x - start) / (w - start));
        p.setBrush(QColor(0x08, 0x1c, 0x10, 150 + static_cast<int>(rnd.range(0, 80))));
        DrawPine(p, QPointF(x, h - 3), hh);
    }

    // Mark and wordmark.
    const double markSize = h * 0.66;
    const QRectF mark(h * 0.2, (h - markSize) / 2 - 1, markSize, markSize);
    DrawMark(p, mark);
    const double textX = mark.right() + h * 0.2;
    QFont title = Font(h * 0.36, QFont::Black);
    title.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.015);
    p.setFont(title);
    const QFontMetricsF tm(title);
    const double baseline = h * 0.52;
    p.setPen(kAmber);
    p.drawText(QPointF(textX, baseline), QStringLiteral("QVT"));
    p.setPen(kCream);
    p.drawText(QPointF(textX + tm.horizontalAdvance(QStringLiteral("QVT ")), baseline), QStringLiteral("CONFIG"));
    QFont sub = Font(h * 0.165);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.012);
    p.setFont(sub);
    p.setPen(kSage);
    p.drawText(QPointF(textX + 1, baseline + h * 0.26), QStringLiteral("Trail camera configuration"));

    // Accent rule along the bottom.
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0, kAmber);
    rule.setColorAt(0.6, kAmber.darker(115));
    rule.setColorAt(1, QColor(kAmber.red(), kAmber.green(), kAmber.blue(), 60));
    p.fillRect(QRectF(0, h - 3, w, 3), rule);
    return image;
}

QImage AppIcon(int size) {
    QImage image = NewImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double m = size * 0.04;
    DrawMark(p, QRectF(m, m, size - 2 * m, size - 2 * m));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images OUTPUT_DIR\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;

    bool ok = true;
    for (g_density = 1; g_density <= 2; ++g_density) {
        ok &= Save(Banner(480, 90), dir, "banner_select.png");
        ok &= Save(Banner(900, 90), dir, "banner.png");
        if (g_density == 1) ok &= Save(AppIcon(256), dir, "app.png");  // the window icon comes at its own sizes
        ok &= Save(AppIcon(64), dir, "logo.png");

        CameraStyle none;
        none.base = QColor(0xb4, 0xb8, 0xb0);
        none.straps = false;
        none.silhouette = true;
        ok &= Save(ProductPhoto(none, QStringLiteral("Select a product"), true), dir, "photo_none.png");

        struct Entry {
            const char* file;
            const char* name;
            CameraStyle style;
        };
        auto style = [](QColor base, std::vector<QColor> camo, double w, double h, int rows, int cols,
                        CameraStyle::Leds leds, bool antenna, bool visor, std::uint32_t seed) {
            CameraStyle s;
            s.base = base;
            s.camo = std::move(camo);
            s.width = w;
            s.height = h;
            s.ledRows = rows;
            s.ledCols = cols;
            s.leds = leds;
            s.antenna = antenna;
            s.visor = visor;
            s.seed = seed;
            return s;
        };
        const std::vector<Entry> products = {
            {"photo_hx710t.png", "HX710T-10M",
             style(QColor(0x5f, 0x68, 0x38), {QColor(0x3c, 0x48, 0x22), QColor(0x8c, 0x7a, 0x4a), QColor(0x26, 0x2b, 0x19)},
                   112, 140, 4, 6, CameraStyle::Grid, true, false, 21)},
            {"photo_hx720u.png", "HX720U",
             style(QColor(0x7d, 0x62, 0x40), {QColor(0x5a, 0x43, 0x29), QColor(0xa8, 0x8d, 0x62), QColor(0x36, 0x2a, 0x1b)},
                   132, 128, 3, 8, CameraStyle::Grid, true, false, 22)},
            {"photo_lp300.png", "LP300 Series",
             style(QColor(0x34, 0x36, 0x33), {}, 100, 126, 3, 4, CameraStyle::Grid, false, false, 23)},
            {"photo_vex2.png", "VEX 2.0",
             style(QColor(0x3e, 0x57, 0x3a), {QColor(0x25, 0x36, 0x22), QColor(0x6e, 0x7d, 0x4e), QColor(0x1a, 0x21, 0x16)},
                   118, 134, 0, 0, CameraStyle::Arc, false, false, 24)},
            {"photo_pn250r.png", "PN250R-8MHD",
             style(QColor(0xa3, 0x93, 0x6a), {QColor(0x7f, 0x70, 0x4b), QColor(0xc4, 0xb5, 0x8a), QColor(0x5b, 0x50, 0x36)},
                   124, 136, 5, 2, CameraStyle::Split, false, true, 25)},
            {"photo_hx330.png", "HX330",
             style(QColor(0x6f, 0x76, 0x6a), {QColor(0x55, 0x5c, 0x50), QColor(0x8e, 0x94, 0x86)}, 102, 118, 2, 5,
                   CameraStyle::Grid, false, false, 26)},
            {"photo_pn450rt.png", "PN450RT-8MHD",
             style(QColor(0x5a, 0x3f, 0x2a), {QColor(0x3d, 0x2a, 0x1b), QColor(0x7c, 0x5e, 0x3e), QColor(0x26, 0x1b, 0x12)},
                   112, 146, 5, 6, CameraStyle::Grid, true, true, 27)},
            {"photo_hx460t.png", "HX460T-8MHD",
             style(QColor(0x33, 0x4a, 0x2c), {QColor(0x15, 0x1a, 0x12), QColor(0x4f, 0x6e, 0x3a), QColor(0x0c, 0x0f, 0x0a)},
                   120, 136, 6, 2, CameraStyle::Split, true, false, 28)},
        };
        for (const Entry& e : products) ok &= Save(ProductPhoto(e.style, QString::fromLatin1(e.name)), dir, e.file);
    }
    return ok ? 0 : 1;
}
