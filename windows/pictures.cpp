#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cstdio>

namespace vintrel {
namespace {

constexpr std::array<const char*, PictureCount> FileNames = {
    "imBlank.bmp",       "imVint1red.bmp",     "imVint3blue.bmp",
    "imVint1blue.bmp",   "imVint3red.bmp",     "imVint1redCom.bmp",
    "imVint3blueCom.bmp", "imVint1blueCom.bmp", "imVint3redCom.bmp",
};

constexpr int PictureSide = 25;

// Why the file at `path` is no usable picture, or an empty string.
QString ProblemWith(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("not found");
    if (!info.isFile()) return QStringLiteral("not a file");
    if (!info.isReadable()) return QStringLiteral("not readable");
    QImageReader reader(path);
    if (reader.read().isNull()) return reader.errorString();
    return {};
}

struct Look {
    QColor body;
    bool committed;
    bool pointsUp;
};

Look LookOf(Picture picture) {
    const QColor red(220, 30, 30), blue(30, 70, 220);
    switch (picture) {
        case Picture::Vint1Red: return {red, false, true};
        case Picture::Vint3Red: return {red, false, false};
        case Picture::Vint1Blue: return {blue, false, true};
        case Picture::Vint3Blue: return {blue, false, false};
        case Picture::Vint1RedCom: return {red, true, true};
        case Picture::Vint3RedCom: return {red, true, false};
        case Picture::Vint1BlueCom: return {blue, true, true};
        case Picture::Vint3BlueCom: return {blue, true, false};
        case Picture::Blank: break;
    }
    return {Qt::white, false, true};
}

// A plain drawing of the same role, so a game in progress survives a
// picture file that breaks under it.
QPixmap StandIn(Picture picture) {
    QPixmap pixmap(PictureSide, PictureSide);
    pixmap.fill(Qt::white);
    if (picture == Picture::Blank) return pixmap;
    const Look look = LookOf(picture);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look.committed ? QColor(255, 200, 0) : look.body.darker(180),
                        look.committed ? 3 : 1.5));
    painter.setBrush(look.body);
    painter.drawEllipse(QRectF(2, 2, 21, 21));
    painter.setPen(QPen(Qt::white, 2));
    const qreal tip = look.pointsUp ? 8 : 17, base = look.pointsUp ? 15 : 10;
    painter.drawPolyline(QPolygonF({{8.5, base}, {12.5, tip}, {16.5, base}}));
    return pixmap;
}

}  // namespace

const char* FileNameOf(Picture picture) { return FileNames[static_cast<std::size_t>(picture)]; }

QStringList PictureFiles::searchFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders = {QDir::currentPath(), programFolder,
                           QDir::cleanPath(programFolder + QStringLiteral("/../share/vintrel"))};
    // Started from its own folder, the program would look there twice and
    // report every missing picture twice over.
    folders.removeDuplicates();
    return folders;
}

PictureSearch PictureFiles::locate(const QStringList& folders) {
    PictureSearch search;
    PictureFiles files;
    for (int i = 0; i < PictureCount; ++i) {
        const QString name = QString::fromLatin1(FileNames[i]);
        QStringList problems;
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(name);
            const QString problem = ProblemWith(path);
            if (problem.isEmpty()) {
                files.paths_[i] = path;
                break;
            }
            problems << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), problem);
        }
        if (files.paths_[i].isEmpty()) {
            search.error = QStringLiteral("The picture \"%1\" could not be loaded. Looked for:\n  %2")
                               .arg(name, problems.join(QStringLiteral("\n  ")));
            return search;
        }
        for (const QString& problem : problems) {
            if (!problem.contains(QStringLiteral("(not found)")))
                search.notes << QStringLiteral("Passed over %1; using %2")
                                    .arg(problem, QDir::toNativeSeparators(files.paths_[i]));
        }
    }
    search.files = files;
    return search;
}

QPixmap PictureFiles::load(Picture picture) const {
    QImageReader reader(pathOf(picture));
    const QImage image = reader.read();
    if (!image.isNull()) return QPixmap::fromImage(image);
    if (!warned_[index(picture)]) {
        warned_[index(picture)] = true;
        std::fprintf(stderr, "vintrel: %s: %s; drawing a stand-in instead\n",
                     qPrintable(QDir::toNativeSeparators(pathOf(picture))),
                     qPrintable(reader.errorString()));
    }
    return StandIn(picture);
}

void LimitPictureMemory() { QImageReader::setAllocationLimit(16); }

}  // namespace vintrel
