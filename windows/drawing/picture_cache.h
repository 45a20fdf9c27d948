// Picture files as decoded, kept for as long as the file on disk stays the
// same: a cell that changes its picture costs one look at the file's
// directory entry, not a read and a decode.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace vintrel {

// What the file system tells of a file without reading it. A file that is
// rewritten, replaced by another or touched shows a new identity.
struct FileIdentity {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

struct DecodedPicture {
    QImage image;     // null when the file holds no picture
    QString problem;  // then why not, e.g. "not found"
};

// The problem of a file that is not there, in the player's language.
QString NotFoundProblem();

class PictureCache {
public:
    // The picture in the file at `path`, decoded again only if the file has
    // changed since it was last decoded. A file that failed keeps failing
    // without being read again until it changes.
    DecodedPicture read(const QString& path);

    // How many times a file has been decoded: lets tests see that an
    // unchanged file is decoded once.
    int decodeCount() const { return decodes_; }

private:
    struct Entry {
        FileIdentity identity;
        DecodedPicture picture;
    };

    DecodedPicture decode(const QString& path);

    QHash<QString, Entry> entries_;
    int decodes_ = 0;
};

}  // namespace vintrel
