// Draws the program's skin: the dark, red-accented artwork of the main screen, its dialogs,
// the mouse pictures and the tray icon. Run through tools/make_skin.sh; the PNG files it
// writes are committed under modules/img/.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

const QColor Dark("#1a1a1a");
const QColor DeepRed("#4f1717");
const QColor Red("#761212");
const QColor MenuRed("#6f2929");
const QColor Accent("#c3212b");
const QColor Glow("#ff3b3b");

QString g_out;

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void save(const QImage &img, const QString &relative)
{
    const QString path = g_out + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    if (!img.save(path, "PNG", 9))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void begin(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(int pixelSize, int weight = QFont::Bold, qreal spacing = 0)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::Weight(weight));
    if (spacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

// The emblem: an angular S inside a hexagon, drawn into a box of side `size` at `origin`.
void drawEmblem(QPainter &p, QPointF origin, qreal size, bool glow)
{
    const qreal k = size / 100.0;
    auto at = [&](qreal x, qreal y) { return origin + QPointF(x * k, y * k); };

    QPainterPath hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = M_PI / 3 * i - M_PI / 2;
        const QPointF pt = at(50 + 46 * std::cos(a), 50 + 46 * std::sin(a));
        i == 0 ? hex.moveTo(pt) : hex.lineTo(pt);
    }
    hex.closeSubpath();

    if (glow) {
        QRadialGradient halo(at(50, 50), 70 * k);
        halo.setColorAt(0, QColor(255, 40, 40, 90));
        halo.setColorAt(1, QColor(255, 40, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(at(50, 50), 70 * k, 70 * k);
    }

    QLinearGradient fill(at(0, 0), at(0, 100));
    fill.setColorAt(0, QColor("#2b1414"));
    fill.setColorAt(1, QColor("#120909"));
    p.setBrush(fill);
    QLinearGradient rim(at(0, 0), at(0, 100));
    rim.setColorAt(0, Glow);
    rim.setColorAt(1, Red);
    p.setPen(QPen(QBrush(rim), 5 * k, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(hex);

    QPainterPath s;
    s.moveTo(at(68, 26));
    s.lineTo(at(38, 26));
    s.lineTo(at(30, 38));
    s.lineTo(at(36, 47));
    s.lineTo(at(64, 53));
    s.lineTo(at(70, 62));
    s.lineTo(at(62, 74));
    s.lineTo(at(32, 74));
    QLinearGradient sg(at(30, 20), at(70, 80));
    sg.setColorAt(0, QColor("#ffffff"));
    sg.setColorAt(1, QColor("#ff9a9a"));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(sg), 9 * k, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(s);
}

void drawWordmark(QPainter &p, QPointF baseline, int pixelSize, qreal spacing)
{
    p.setFont(font(pixelSize, QFont::Black, spacing));
    QLinearGradient g(baseline + QPointF(0, -pixelSize), baseline);
    g.setColorAt(0, QColor("#ffffff"));
    g.setColorAt(1, QColor("#c9c9c9"));
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(baseline, QStringLiteral("SKALD"));
}

void background()
{
    const int w = 1000, h = 640;
    QImage img = canvas(w, h);
    QPainter p(&img);
    begin(p);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    QPainterPath body;
    body.addRoundedRect(r, 12, 12);

    QLinearGradient base(0, 0, 0, h);
    base.setColorAt(0, QColor("#202022"));
    base.setColorAt(0.5, QColor("#171718"));
    base.setColorAt(1, QColor("#111112"));
    p.fillPath(body, base);

    p.setClipPath(body);
    // Red glow behind the mouse picture, between the two columns.
    QRadialGradient glow(QPointF(497, 330), 330);
    glow.setColorAt(0, QColor(118, 18, 18, 120));
    glow.setColorAt(0.55, QColor(79, 23, 23, 45));
    glow.setColorAt(1, QColor(79, 23, 23, 0));
    p.fillRect(QRectF(0, 0, w, h), glow);

    // Faint diagonal hatching in the middle field.
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (int x = -h; x < w; x += 7)
        p.drawLine(QPointF(x, h), QPointF(x + h, 0));
    // Keep the columns calm: darker bands under the panels.
    QLinearGradient left(0, 0, 340, 0);
    left.setColorAt(0, QColor(12, 12, 13, 190));
    left.setColorAt(0.7, QColor(12, 12, 13, 130));
    left.setColorAt(1, QColor(12, 12, 13, 0));
    p.fillRect(QRectF(0, 0, 340, h), left);
    QLinearGradient right(660, 0, w, 0);
    right.setColorAt(0, QColor(12, 12, 13, 0));
    right.setColorAt(0.3, QColor(12, 12, 13, 130));
    right.setColorAt(1, QColor(12, 12, 13, 190));
    p.fillRect(QRectF(660, 0, w - 660, h), right);

    // Header strip and its accent line.
    QLinearGradient header(0, 0, 0, 28);
    header.setColorAt(0, QColor(255, 255, 255, 14));
    header.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, 28), header);
    QLinearGradient line(0, 0, w, 0);
    line.setColorAt(0, QColor(195, 33, 43, 0));
    line.setColorAt(0.25, QColor(195, 33, 43, 230));
    line.setColorAt(0.75, QColor(195, 33, 43, 230));
    line.setColorAt(1, QColor(195, 33, 43, 0));
    p.fillRect(QRectF(0, 0, w, 2), line);

    // Footer separator above the Profiles and Reset buttons.
    QLinearGradient foot(0, 0, w, 0);
    foot.setColorAt(0, QColor(111, 41, 41, 0));
    foot.setColorAt(0.5, QColor(111, 41, 41, 200));
    foot.setColorAt(1, QColor(111, 41, 41, 0));
    p.fillRect(QRectF(0, 596, w, 1), foot);

    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#3b1c1c"), 1));
    p.drawPath(body);
    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 11, 11);
    p.end();
    save(img, QStringLiteral("background.png"));
}

void logo()
{
    QImage img = canvas(230, 60);
    QPainter p(&img);
    begin(p);
    drawEmblem(p, QPointF(2, 4), 52, false);
    drawWordmark(p, QPointF(64, 38), 30, 3);
    p.setFont(font(9, QFont::Bold, 1.2));
    p.setPen(Accent);
    p.drawText(QPointF(66, 53), QStringLiteral("GAMING MOUSE  Q410"));
    p.end();
    save(img, QStringLiteral("skin1/index/logo.png"));
}

void powerOn()
{
    QImage img = canvas(420, 300);
    QPainter p(&img);
    begin(p);
    drawEmblem(p, QPointF(140, 20), 140, true);
    p.setFont(font(46, QFont::Black, 10));
    const QString word = QStringLiteral("SKALD");
    const int tw = QFontMetrics(p.font()).horizontalAdvance(word);
    QLinearGradient g(0, 190, 0, 240);
    g.setColorAt(0, QColor("#ffffff"));
    g.setColorAt(1, QColor("#bdbdbd"));
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(QPointF((420 - tw) / 2.0 + 5, 238), word);
    p.setFont(font(13, QFont::Bold, 5));
    const QString sub = QStringLiteral("GAMING MOUSE Q410");
    const int sw = QFontMetrics(p.font()).horizontalAdvance(sub);
    p.setPen(Accent);
    p.drawText(QPointF((420 - sw) / 2.0 + 2, 266), sub);
    QLinearGradient line(60, 0, 360, 0);
    line.setColorAt(0, QColor(195, 33, 43, 0));
    line.setColorAt(0.5, QColor(195, 33, 43, 255));
    line.setColorAt(1, QColor(195, 33, 43, 0));
    p.fillRect(QRectF(60, 280, 300, 2), line);
    p.end();
    save(img, QStringLiteral("skin1/index/powerOn.png"));
}

// A dark dialog panel with a red title band.
QImage dialogPanel(int w, int h, int titleHeight, int footerY)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    begin(p);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    QPainterPath body;
    body.addRoundedRect(r, 6, 6);
    QLinearGradient base(0, 0, 0, h);
    base.setColorAt(0, QColor("#1d1d1e"));
    base.setColorAt(1, QColor("#141415"));
    p.fillPath(body, base);
    p.setClipPath(body);
    QLinearGradient band(0, 0, 0, titleHeight);
    band.setColorAt(0, Red);
    band.setColorAt(1, DeepRed);
    p.fillRect(QRectF(0, 0, w, titleHeight), band);
    p.fillRect(QRectF(0, titleHeight, w, 1), QColor("#8f2020"));
    if (footerY > 0) {
        p.fillRect(QRectF(0, footerY, w, h - footerY), QColor(255, 255, 255, 6));
        p.fillRect(QRectF(0, footerY, w, 1), QColor("#3a2020"));
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#6f2929"), 1));
    p.drawPath(body);
    p.end();
    return img;
}

void dialogs()
{
    save(dialogPanel(263, 612, 31, 572), QStringLiteral("skin1/profile/profileBg.png"));
    save(dialogPanel(360, 170, 30, 120), QStringLiteral("skin1/index/sureBg.png"));
}

// Title-bar icons: 18 x 18, a grey glyph and a red-backed hover variant.
void icon(const QString &name, void (*glyph)(QPainter &, const QColor &), int size = 18)
{
    for (int hover = 0; hover < 2; ++hover) {
        QImage img = canvas(size, size);
        QPainter p(&img);
        begin(p);
        p.scale(size / 18.0, size / 18.0);
        if (hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(Red);
            p.drawRoundedRect(QRectF(0.5, 0.5, 17, 17), 3, 3);
        }
        glyph(p, hover ? QColor("#ffffff") : QColor("#b4b4b4"));
        p.end();
        save(img, name + (hover ? QStringLiteral("_h.png") : QStringLiteral(".png")));
    }
}

void glyphHelp(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9, 9), 6.5, 6.5);
    p.setFont(font(10, QFont::Bold));
    p.drawText(QRectF(0, 0, 18, 18.5), Qt::AlignCenter, QStringLiteral("?"));
}

void glyphMin(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4.5, 12.5), QPointF(13.5, 12.5));
}

void glyphClose(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(13, 13));
    p.drawLine(QPointF(13, 5), QPointF(5, 13));
}

void glyphNew(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, 13, 13), 2, 2);
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(9, 5.5), QPointF(9, 12.5));
    p.drawLine(QPointF(5.5, 9), QPointF(12.5, 9));
}

void glyphDelete(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(3, 4.5), QPointF(15, 4.5));
    p.drawLine(QPointF(7, 4.5), QPointF(7.5, 2.5));
    p.drawLine(QPointF(7.5, 2.5), QPointF(10.5, 2.5));
    p.drawLine(QPointF(10.5, 2.5), QPointF(11, 4.5));
    QPainterPath bin;
    bin.moveTo(4.5, 6);
    bin.lineTo(5.5, 15.5);
    bin.lineTo(12.5, 15.5);
    bin.lineTo(13.5, 6);
    p.drawPath(bin);
    p.drawLine(QPointF(7.5, 8), QPointF(7.8, 13.5));
    p.drawLine(QPointF(10.5, 8), QPointF(10.2, 13.5));
}

void icons()
{
    icon(QStringLiteral("skin1/index/help"), glyphHelp);
    icon(QStringLiteral("skin1/index/min"), glyphMin);
    icon(QStringLiteral("skin1/index/close"), glyphClose);
    icon(QStringLiteral("skin1/profile/close"), glyphClose, 14);
    icon(QStringLiteral("skin1/profile/new"), glyphNew, 16);
    icon(QStringLiteral("skin1/profile/delete"), glyphDelete, 16);
}

// The mouse from above: a symmetric shell, two main buttons, wheel, DPI button, a small
// screen and the light strips along its flanks.
void mouseTop()
{
    const int w = 300, h = 430;
    QImage img = canvas(w, h);
    QPainter p(&img);
    begin(p);
    const qreal cx = w / 2.0;

    QPainterPath shell;
    shell.moveTo(cx, 18);
    shell.cubicTo(cx + 70, 16, cx + 100, 50, cx + 100, 120);
    shell.cubicTo(cx + 100, 175, cx + 84, 205, cx + 86, 250);
    shell.cubicTo(cx + 90, 320, cx + 108, 345, cx + 96, 380);
    shell.cubicTo(cx + 84, 412, cx + 40, 422, cx, 422);
    shell.cubicTo(cx - 40, 422, cx - 84, 412, cx - 96, 380);
    shell.cubicTo(cx - 108, 345, cx - 90, 320, cx - 86, 250);
    shell.cubicTo(cx - 84, 205, cx - 100, 175, cx - 100, 120);
    shell.cubicTo(cx - 100, 50, cx - 70, 16, cx, 18);
    shell.closeSubpath();

    // Drop shadow.
    for (int i = 8; i > 0; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawPath(shell.translated(0, i));
    }

    QLinearGradient body(cx - 100, 0, cx + 100, 0);
    body.setColorAt(0, QColor("#141415"));
    body.setColorAt(0.35, QColor("#2e2e31"));
    body.setColorAt(0.5, QColor("#333336"));
    body.setColorAt(0.65, QColor("#2a2a2d"));
    body.setColorAt(1, QColor("#111112"));
    p.setBrush(body);
    p.setPen(QPen(QColor("#4a4a4e"), 1.5));
    p.drawPath(shell);

    p.save();
    p.setClipPath(shell);
    // Palm rest sheen.
    QRadialGradient sheen(QPointF(cx - 20, 300), 120);
    sheen.setColorAt(0, QColor(255, 255, 255, 26));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, h), sheen);

    // Light strips along both flanks.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath strip;
        strip.moveTo(cx + side * 92, 150);
        strip.cubicTo(cx + side * 80, 210, cx + side * 82, 300, cx + side * 96, 370);
        for (int pass = 0; pass < 3; ++pass) {
            const int width = 12 - pass * 4;
            const int alpha = 40 + pass * 80;
            p.setPen(QPen(QColor(255, 50, 50, alpha), width, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(strip);
        }
    }

    // Button split and the button edges.
    p.setPen(QPen(QColor("#0b0b0c"), 3));
    p.drawLine(QPointF(cx, 18), QPointF(cx, 150));
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    p.drawLine(QPointF(cx + 2, 20), QPointF(cx + 2, 150));
    QPainterPath edge;
    edge.moveTo(cx - 99, 150);
    edge.cubicTo(cx - 60, 168, cx + 60, 168, cx + 99, 150);
    p.setPen(QPen(QColor("#0b0b0c"), 3));
    p.drawPath(edge);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    p.drawPath(edge.translated(0, 2));
    p.restore();

    // Wheel well; the wheel and the DPI buttons are button pictures of their own.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#0a0a0b"));
    p.drawRoundedRect(QRectF(cx - 13, 46, 26, 104), 12, 12);

    // The 96 x 39 screen, drawn at 1.1 scale.
    const QRectF screen(cx - 53, 185, 106, 43);
    p.setPen(QPen(QColor("#505055"), 2));
    p.setBrush(QColor("#050506"));
    p.drawRoundedRect(screen.adjusted(-4, -4, 4, 4), 5, 5);
    p.setPen(QColor("#e8e8e8"));
    p.setFont(font(15, QFont::Bold, 1));
    p.drawText(screen, Qt::AlignCenter, QStringLiteral("DPI 1600"));

    // Emblem on the palm rest.
    drawEmblem(p, QPointF(cx - 24, 318), 48, true);
    p.end();
    save(img, QStringLiteral("skin1/mouse/mouseTop.png"));
}

// The mouse from its left side: profile, the two side buttons and the light strip.
void mouseSide()
{
    const int w = 430, h = 300;
    QImage img = canvas(w, h);
    QPainter p(&img);
    begin(p);

    QPainterPath shell;
    shell.moveTo(20, 200);
    shell.cubicTo(30, 150, 90, 112, 170, 98);
    shell.cubicTo(250, 84, 320, 86, 372, 120);
    shell.cubicTo(410, 146, 418, 186, 408, 212);
    shell.cubicTo(400, 234, 370, 240, 330, 240);
    shell.lineTo(60, 240);
    shell.cubicTo(34, 240, 16, 226, 20, 200);
    shell.closeSubpath();

    for (int i = 8; i > 0; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawPath(shell.translated(0, i));
    }
    QLinearGradient body(0, 90, 0, 240);
    body.setColorAt(0, QColor("#38383b"));
    body.setColorAt(0.45, QColor("#262628"));
    body.setColorAt(1, QColor("#101011"));
    p.setBrush(body);
    p.setPen(QPen(QColor("#4a4a4e"), 1.5));
    p.drawPath(shell);

    p.save();
    p.setClipPath(shell);
    // Base plate.
    p.fillRect(QRectF(0, 226, w, 20), QColor("#0c0c0d"));
    // Thumb groove.
    QPainterPath groove;
    groove.moveTo(110, 214);
    groove.cubicTo(150, 182, 260, 176, 330, 196);
    p.setPen(QPen(QColor(0, 0, 0, 110), 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(groove);
    // Light strip.
    QPainterPath strip;
    strip.moveTo(40, 218);
    strip.cubicTo(120, 222, 300, 222, 396, 210);
    for (int pass = 0; pass < 3; ++pass) {
        p.setPen(QPen(QColor(255, 50, 50, 40 + pass * 80), 10 - pass * 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strip);
    }
    p.restore();

    drawEmblem(p, QPointF(314, 150), 40, true);
    p.end();
    save(img, QStringLiteral("skin1/mouse/mouseSide.png"));
}

// A button picture is drawn at the size of its view; tools/crop_pictures then cuts it to what
// it draws and notes its place. The plain picture shows the button's own surface, the
// highlighted one the same shape lit in red.
void buttonPicture(const QString &name, QSize size, const QPainterPath &shape, bool flat)
{
    for (int lit = 0; lit < 2; ++lit) {
        QImage img = canvas(size.width(), size.height());
        QPainter p(&img);
        begin(p);
        if (lit) {
            for (int pass = 0; pass < 4; ++pass) {
                p.setPen(QPen(QColor(255, 40, 40, 30 + pass * 30), 10 - pass * 2.5, Qt::SolidLine, Qt::RoundCap,
                              Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                p.drawPath(shape);
            }
            const QRectF r = shape.boundingRect();
            QLinearGradient g(0, r.top(), 0, r.bottom());
            g.setColorAt(0, QColor(255, 70, 70, 200));
            g.setColorAt(1, QColor(150, 16, 16, 200));
            p.setBrush(g);
            p.setPen(QPen(Glow, 1.5));
            p.drawPath(shape);
        } else if (flat) {
            p.setBrush(QColor(255, 255, 255, 10));
            p.setPen(QPen(QColor(255, 255, 255, 26), 1));
            p.drawPath(shape);
        } else {
            const QRectF r = shape.boundingRect();
            QLinearGradient g(0, r.top(), 0, r.bottom());
            g.setColorAt(0, QColor("#4a4a4e"));
            g.setColorAt(1, QColor("#252527"));
            p.setBrush(g);
            p.setPen(QPen(QColor("#0b0b0c"), 1.5));
            p.drawPath(shape);
            p.setPen(QPen(QColor(255, 255, 255, 34), 1));
            p.drawLine(QPointF(r.left() + r.width() * 0.25, r.top() + 2.5),
                       QPointF(r.right() - r.width() * 0.25, r.top() + 2.5));
        }
        p.end();
        save(img, QStringLiteral("skin1/mouse/%1%2.png").arg(name, lit ? QStringLiteral("_h") : QString()));
    }
}

QPainterPath rounded(QRectF r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath ellipse(QRectF r)
{
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

// Buttons 0 to 8 seen from above: left, right, wheel, forward, back, DPI +, DPI -, and two
// extra buttons beside the left button.
void topButtons()
{
    const QSize size(300, 430);
    const qreal cx = 150;
    QPainterPath shell;
    shell.moveTo(cx, 18);
    shell.cubicTo(cx + 70, 16, cx + 100, 50, cx + 100, 120);
    shell.cubicTo(cx + 100, 175, cx + 84, 205, cx + 86, 250);
    shell.lineTo(cx - 86, 250);
    shell.cubicTo(cx - 84, 205, cx - 100, 175, cx - 100, 120);
    shell.cubicTo(cx - 100, 50, cx - 70, 16, cx, 18);
    QPainterPath above;
    above.moveTo(0, 0);
    above.lineTo(size.width(), 0);
    above.lineTo(size.width(), 150);
    above.lineTo(cx + 99, 150);
    above.cubicTo(cx + 60, 168, cx - 60, 168, cx - 99, 150);
    above.lineTo(0, 150);
    above.closeSubpath();
    const QPainterPath well = rounded(QRectF(cx - 13, 46, 26, 104), 12);
    const QPainterPath extra7 = rounded(QRectF(cx - 86, 62, 14, 26), 5);
    const QPainterPath extra8 = rounded(QRectF(cx - 88, 94, 14, 26), 5);
    QPainterPath leftHalf;
    leftHalf.addRect(QRectF(0, 0, cx - 1.5, size.height()));
    QPainterPath rightHalf;
    rightHalf.addRect(QRectF(cx + 1.5, 0, cx, size.height()));
    const QPainterPath buttons = shell.intersected(above).subtracted(well);
    buttonPicture(QStringLiteral("mouseTopKey0"), size,
                  buttons.intersected(leftHalf).subtracted(extra7.united(extra8)), true);
    buttonPicture(QStringLiteral("mouseTopKey1"), size, buttons.intersected(rightHalf), true);
    buttonPicture(QStringLiteral("mouseTopKey2"), size, rounded(QRectF(cx - 8, 52, 16, 56), 7), false);
    buttonPicture(QStringLiteral("mouseTopKey3"), size, rounded(QRectF(cx - 107, 166, 11, 32), 4), false);
    buttonPicture(QStringLiteral("mouseTopKey4"), size, rounded(QRectF(cx - 103, 204, 11, 32), 4), false);
    buttonPicture(QStringLiteral("mouseTopKey5"), size, rounded(QRectF(cx - 8, 114, 16, 14), 4), false);
    buttonPicture(QStringLiteral("mouseTopKey6"), size, rounded(QRectF(cx - 8, 132, 16, 14), 4), false);
    buttonPicture(QStringLiteral("mouseTopKey7"), size, extra7, false);
    buttonPicture(QStringLiteral("mouseTopKey8"), size, extra8, false);
}

// The same buttons seen from the left: the right button and the wheel show above the left
// button's edge, the side buttons and the extra buttons on the flank.
void sideButtons()
{
    const QSize size(430, 300);
    QPainterPath shell;
    shell.moveTo(20, 200);
    shell.cubicTo(30, 150, 90, 112, 170, 98);
    shell.cubicTo(250, 84, 320, 86, 372, 120);
    shell.cubicTo(410, 146, 418, 186, 408, 212);
    shell.lineTo(20, 212);
    shell.closeSubpath();
    QPainterPath front;
    front.moveTo(250, 40);
    front.lineTo(430, 40);
    front.lineTo(430, 176);
    front.cubicTo(370, 150, 310, 124, 250, 116);
    front.closeSubpath();
    QPainterPath rightEdge;
    rightEdge.moveTo(258, 86);
    rightEdge.cubicTo(300, 80, 345, 90, 378, 116);
    QPainterPathStroker stroker;
    stroker.setWidth(6);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath right = stroker.createStroke(rightEdge.translated(0, -4)).subtracted(shell);
    buttonPicture(QStringLiteral("mouseSideKey0"), size, shell.intersected(front), true);
    buttonPicture(QStringLiteral("mouseSideKey1"), size, right, false);
    buttonPicture(QStringLiteral("mouseSideKey2"), size, ellipse(QRectF(318, 80, 34, 16)), false);
    buttonPicture(QStringLiteral("mouseSideKey3"), size, rounded(QRectF(228, 128, 56, 22), 9), false);
    buttonPicture(QStringLiteral("mouseSideKey4"), size, rounded(QRectF(166, 132, 56, 22), 9), false);
    buttonPicture(QStringLiteral("mouseSideKey5"), size, ellipse(QRectF(290, 78, 20, 10)), false);
    buttonPicture(QStringLiteral("mouseSideKey6"), size, ellipse(QRectF(266, 80, 20, 10)), false);
    buttonPicture(QStringLiteral("mouseSideKey7"), size, rounded(QRectF(298, 140, 24, 13), 5), false);
    buttonPicture(QStringLiteral("mouseSideKey8"), size, rounded(QRectF(328, 150, 24, 13), 5), false);
}

void trayIcon()
{
    for (int size : {16, 24, 32, 48, 64, 256}) {
        QImage img = canvas(size, size);
        QPainter p(&img);
        begin(p);
        drawEmblem(p, QPointF(size * 0.0, size * 0.0), size, false);
        p.end();
        save(img, QStringLiteral("tray/tray%1.png").arg(size));
    }
}

// QSvgGenerator writes a gradient pen as a black stroke. This device hands every path it is
// given on to a painter as fills, the outline turned into a shape, which the generator writes
// with its gradient.
class OutlineAsFill : public QPaintDevice, QPaintEngine
{
public:
    OutlineAsFill(QPainter *target, int side) : QPaintEngine(AllFeatures), m_target(target), m_side(side) {}
    QPaintEngine *paintEngine() const override { return const_cast<OutlineAsFill *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState &state) override
    {
        m_pen = state.pen();
        m_brush = state.brush();
        m_transform = state.transform();
    }
    void drawPath(const QPainterPath &path) override
    {
        m_target->save();
        m_target->setTransform(m_transform);
        if (m_brush.style() != Qt::NoBrush)
            m_target->fillPath(path, m_brush);
        if (m_pen.style() != Qt::NoPen)
            m_target->fillPath(QPainterPathStroker(m_pen).createStroke(path), m_pen.brush());
        m_target->restore();
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode)
            path.closeSubpath();
        drawPath(path);
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: case PdmHeight: return m_side;
        case PdmWidthMM: case PdmHeightMM: return m_side * 254 / 960;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QPainter *m_target;
    int m_side;
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
};

// The program's icon in the desktop's icon theme: the emblem alone, at the theme's usual sizes
// and as a scalable drawing, under "hicolor/<size>/apps/<id>".
void appIcon(const QString &id)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage img = canvas(size, size);
        QPainter p(&img);
        begin(p);
        drawEmblem(p, QPointF(0, 0), size, false);
        p.end();
        save(img, QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(id));
    }
    const QString svgPath = g_out + QStringLiteral("/hicolor/scalable/apps/") + id + QStringLiteral(".svg");
    QDir().mkpath(QFileInfo(svgPath).path());
    QSvgGenerator svg;
    svg.setFileName(svgPath);
    svg.setSize(QSize(100, 100));
    svg.setViewBox(QRect(0, 0, 100, 100));
    svg.setTitle(id);
    QPainter out(&svg);
    out.setRenderHint(QPainter::Antialiasing);
    OutlineAsFill device(&out, 100);
    QPainter p(&device);
    drawEmblem(p, QPointF(0, 0), 100, false);
    p.end();
    out.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_skin <modules/img folder> [tray folder [icon folder]]\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    background();
    logo();
    powerOn();
    dialogs();
    icons();
    mouseTop();
    mouseSide();
    topButtons();
    sideButtons();
    if (argc > 2) {
        g_out = QString::fromLocal8Bit(argv[2]);
        trayIcon();
    }
    if (argc > 3) {
        g_out = QString::fromLocal8Bit(argv[3]);
        appIcon(QStringLiteral("example.morvant.SkaldConfig"));
    }
    return 0;
}
