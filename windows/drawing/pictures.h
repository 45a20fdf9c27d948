// The nine picture files a cell can show. They lie outside the program so
// that players can restyle the game; a cell that changes its picture looks
// at the file again and sees a new one at once.
#pragma once

#include <QCoreApplication>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

namespace vintrel {

enum class Picture {
    Blank,
    Vint1Red,
    Vint3Blue,
    Vint1Blue,
    Vint3Red,
    Vint1RedCom,
    Vint3BlueCom,
    Vint1BlueCom,
    Vint3RedCom,
};
inline constexpr int PictureCount = 9;

const char* FileNameOf(Picture picture);

struct PictureSearch;

class PictureFiles {
    Q_DECLARE_TR_FUNCTIONS(vintrel::PictureFiles)

public:
    // The working directory, the program's own folder, then the installed
    // data folder.
    static QStringList searchFolders();
    static PictureSearch locate(const QStringList& folders);

    QString pathOf(Picture picture) const { return paths_[index(picture)]; }

    // The picture as its file holds it now, decoded again only when the
    // file has changed. Should it have vanished or broken since start, the
    // cell shows a drawn stand-in and standard error hears of it once.
    QPixmap load(Picture picture) const;
    // The same for a screen of `ratio` device pixels to a pixel: the "@2x"
    // or "@3x" version beside the file found, the closest to the ratio that
    // is not smaller, its device pixel ratio set to its scale. Without a
    // usable version, the 1x picture; standard error hears why once.
    QPixmap load(Picture picture, qreal ratio) const;

    // How many picture files have been decoded, for tests.
    int decodeCount() const;

private:
    struct Shared;
    PictureFiles() = default;  // made by locate() alone
    static std::size_t index(Picture picture) { return static_cast<std::size_t>(picture); }
    void warnOnce(const QString& path, const QString& message) const;

    std::array<QString, PictureCount> paths_;
    // Copies share what has been decoded and what has been said.
    std::shared_ptr<Shared> shared_;
};

struct PictureSearch {
    std::optional<PictureFiles> files;  // set when all nine were found
    QString error;                      // otherwise, why not
    QStringList notes;                  // bad copies passed over on the way
};

// Pictures wider than any screen are no pictures of a man: refuse them
// before they are decoded.
void LimitPictureMemory();

}  // namespace vintrel
