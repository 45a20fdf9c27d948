// The nine picture files a cell can show. They lie outside the program so
// that players can restyle the game; each is read afresh whenever a cell
// changes.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <array>
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
public:
    // The working directory, the program's own folder, then the installed
    // data folder.
    static QStringList searchFolders();
    static PictureSearch locate(const QStringList& folders);

    QString pathOf(Picture picture) const { return paths_[index(picture)]; }

    // Reads the file again; should it have vanished or broken since start,
    // the cell shows a drawn stand-in and standard error hears of it once.
    QPixmap load(Picture picture) const;

private:
    static std::size_t index(Picture picture) { return static_cast<std::size_t>(picture); }

    std::array<QString, PictureCount> paths_;
    mutable std::array<bool, PictureCount> warned_{};
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
