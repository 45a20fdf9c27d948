#include "pictures.h"

#include "picture_cache.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QSet>

#include <cstdio>
#include <vector>

namespace vintrel {
namespace {

constexpr std::array<const char*, PictureCount> FileNames = {
    "imBlank.bmp",       "imVint1red.bmp",     "imVint3blue.bmp",
    "imVint1blue.bmp",   "imVint3red.bmp",     "imVint1redCom.bmp",
    "imVint3blueCom.bmp", "imVint1blueCom.bmp", "imVint3redCom.bmp",
};

constexpr int PictureSide = 25;

// "folder/imVint1red.bmp" drawn at `scale` times the size is
// "folder/imVint1red@2x.bmp".
QString VersionPath(const QString& path, int scale) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

// The versions to try on a screen of `ratio`, best first: the closest to
// the ratio that is not smaller, then larger ones, then smaller ones. A
// picture scaled down stays sharper than one scaled up.
std::vector<int> VersionsFor(qreal ratio) {
    std::vector<int> order;
    for (int scale : {2, 3})
        if (scale >= ratio) order.push_back(scale);
    for (int scale : {3, 2})
        if (scale < ratio) order.push_back(scale);
    return order;
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

struct PictureFiles::Shared {
    PictureCache cache;
    QSet<QString> warned;  // paths standard error has heard of
};

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
    // What is decoded here to check the files serves the cells later.
    files.shared_ = std::make_shared<Shared>();
    for (int i = 0; i < PictureCount; ++i) {
        const QString name = QString::fromLatin1(FileNames[i]);
        QStringList problems;
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(name);
            const QString problem = files.shared_->cache.read(path).problem;
            if (problem.isEmpty()) {
                files.paths_[i] = path;
                break;
            }
            problems << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), problem);
        }
        if (files.paths_[i].isEmpty()) {
            search.error = tr("The picture \"%1\" could not be loaded. Looked for:\n  %2")
                               .arg(name, problems.join(QStringLiteral("\n  ")));
            return search;
        }
        for (const QString& problem : problems) {
            if (!problem.endsWith(QStringLiteral("(%1)").arg(NotFoundProblem())))
                search.notes << tr("Passed over %1; using %2")
                                    .arg(problem, QDir::toNativeSeparators(files.paths_[i]));
        }
    }
    search.files = files;
    return search;
}

QPixmap PictureFiles::load(Picture picture) const {
    const DecodedPicture decoded = shared_->cache.read(pathOf(picture));
    if (!decoded.image.isNull()) return QPixmap::fromImage(decoded.image);
    warnOnce(pathOf(picture), tr("%1: %2; drawing a stand-in instead")
                                  .arg(QDir::toNativeSeparators(pathOf(picture)), decoded.problem));
    return StandIn(picture);
}

QPixmap PictureFiles::load(Picture picture, qreal ratio) const {
    if (ratio <= 1) return load(picture);
    const std::vector<int> order = VersionsFor(ratio);
    const QString preferred = VersionPath(pathOf(picture), order.front());
    QString problem;
    for (int scale : order) {
        const QString path = VersionPath(pathOf(picture), scale);
        const DecodedPicture version = shared_->cache.read(path);
        if (problem.isEmpty()) problem = version.problem;
        if (version.image.isNull()) continue;
        if (scale != order.front())
            warnOnce(preferred, tr("%1: %2; using %3 instead")
                                    .arg(QDir::toNativeSeparators(preferred), problem,
                                         QDir::toNativeSeparators(path)));
        QPixmap pixmap = QPixmap::fromImage(version.image);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    warnOnce(preferred, tr("%1: %2; scaling %3 instead")
                            .arg(QDir::toNativeSeparators(preferred), problem,
                                 QDir::toNativeSeparators(pathOf(picture))));
    return load(picture);
}

int PictureFiles::decodeCount() const { return shared_->cache.decodeCount(); }

void PictureFiles::warnOnce(const QString& path, const QString& message) const {
    if (shared_->warned.contains(path)) return;
    shared_->warned.insert(path);
    std::fprintf(stderr, "vintrel: %s\n", qPrintable(message));
}

void LimitPictureMemory() { QImageReader::setAllocationLimit(16); }

}  // namespace vintrel
