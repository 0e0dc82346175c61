// Cuts the mouse views' button pictures (modules/img/skin<n>/mouse/mouse*Key*.png) to what they
// draw, in place and losslessly, and writes their places for the pages. Run through
// tools/crop_pictures.sh; pictures that are already cut keep their place.
#include "tools/skin/picture_crop.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <cstdio>

namespace {

// The places already written: a picture that has been cut before is laid there still.
QMap<QString, QPoint> readPlaces(const QString &path)
{
    QMap<QString, QPoint> places;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return places;
    static const QRegularExpression entry(QStringLiteral("\"(\\w+)\": \\[(\\d+), (\\d+)\\]"));
    for (auto m = entry.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();) {
        const auto match = m.next();
        places.insert(match.captured(1), QPoint(match.captured(2).toInt(), match.captured(3).toInt()));
    }
    return places;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: crop_pictures <skin's mouse picture folder> <places script>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString script = QString::fromLocal8Bit(argv[2]);
    QMap<QString, QPoint> places = readPlaces(script);
    const QStringList names = folder.entryList({QStringLiteral("mouse*Key*.png")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no button pictures in %s\n", argv[1]);
        return 1;
    }
    // A button's plain and lit pictures share one cut, so that the button keeps its place
    // whichever of the two is shown, or still loading.
    QMap<QString, QStringList> buttons;
    for (const QString &name : names) {
        const QString picture = name.chopped(4);
        buttons[picture.endsWith(QLatin1String("_h")) ? picture.chopped(2) : picture] << picture;
    }
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it) {
        QList<QImage> pictures;
        QRect bounds;
        for (const QString &picture : it.value()) {
            const QString path = folder.filePath(picture + QStringLiteral(".png"));
            pictures << QImage(path);
            if (pictures.last().isNull() || pictures.last().size() != pictures.first().size()) {
                std::fprintf(stderr, "cannot read %s, or its size is not its button's\n", qPrintable(path));
                return 1;
            }
            bounds |= PictureCrop::contentBounds(pictures.last());
        }
        places.insert(it.key(), places.value(it.key()) + bounds.topLeft());
        for (int i = 0; i < pictures.size(); ++i) {
            const QString path = folder.filePath(it.value()[i] + QStringLiteral(".png"));
            if (bounds != pictures[i].rect() && !pictures[i].copy(bounds).save(path, "PNG", 9)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    QFile out(script);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
        || out.write(PictureCrop::placesScript(places).toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(script));
        return 1;
    }
    return 0;
}
