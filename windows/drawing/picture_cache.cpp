#include "picture_cache.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <sys/stat.h>

#include <cerrno>

namespace vintrel {
namespace {

QString ProblemOfMissing(int error) {
    return error == ENOENT || error == ENOTDIR ? NotFoundProblem() : qt_error_string(error);
}

FileIdentity IdentityOf(const struct stat& info) {
    return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            quint64(info.st_ino)};
}

}  // namespace

QString NotFoundProblem() { return QCoreApplication::translate("vintrel::PictureFiles", "not found"); }

DecodedPicture PictureCache::read(const QString& path) {
    struct stat info {};
    QString problem;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        problem = ProblemOfMissing(errno);
    else if (!S_ISREG(info.st_mode))
        problem = QCoreApplication::translate("vintrel::PictureFiles", "not a file");
    if (!problem.isEmpty()) {
        entries_.remove(path);
        return {QImage(), problem};
    }
    const FileIdentity identity = IdentityOf(info);
    auto entry = entries_.find(path);
    if (entry == entries_.end() || !(entry->identity == identity))
        entry = entries_.insert(path, {identity, decode(path)});
    return entry->picture;
}

DecodedPicture PictureCache::decode(const QString& path) {
    ++decodes_;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {QImage(), QCoreApplication::translate("vintrel::PictureFiles", "not readable")};
    // The reader still takes the format from the file's name first.
    QImageReader reader(&file);
    QImage image = reader.read();
    if (image.isNull()) return {QImage(), reader.errorString()};
    return {std::move(image), {}};
}

}  // namespace vintrel
