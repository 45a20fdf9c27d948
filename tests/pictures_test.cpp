// No picture file can bring the program down: every way a copy can be
// missing or broken is passed over for a good copy further along the
// search, or ends in an error that names the file and every place looked
// in; a picture that breaks during a game gives way to a drawn stand-in.
#include "game_driver.h"
#include "pictures.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <tuple>

namespace vintrel {
namespace {

constexpr Picture AllPictures[] = {
    Picture::Blank,       Picture::Vint1Red,     Picture::Vint3Blue,
    Picture::Vint1Blue,   Picture::Vint3Red,     Picture::Vint1RedCom,
    Picture::Vint3BlueCom, Picture::Vint1BlueCom, Picture::Vint3RedCom,
};

// The ways a copy of a picture can be bad.
enum class Form {
    Missing,
    Empty,
    Truncated,
    RandomBytes,
    HugeHeader,
    HugeCompressed,
    Directory,
    Unreadable,
};

constexpr Form AllForms[] = {Form::Missing,        Form::Empty,     Form::Truncated,
                             Form::RandomBytes,    Form::HugeHeader, Form::HugeCompressed,
                             Form::Directory,      Form::Unreadable};

const char* NameOf(Form form) {
    switch (form) {
        case Form::Missing: return "Missing";
        case Form::Empty: return "Empty";
        case Form::Truncated: return "Truncated";
        case Form::RandomBytes: return "RandomBytes";
        case Form::HugeHeader: return "HugeHeader";
        case Form::HugeCompressed: return "HugeCompressed";
        case Form::Directory: return "Directory";
        case Form::Unreadable: return "Unreadable";
    }
    return "?";
}

QString NameOf(Picture picture) { return QString::fromLatin1(FileNameOf(picture)); }

QString SourcePath(Picture picture) {
    return QDir(QStringLiteral(VINTREL_ASSETS_DIR)).filePath(NameOf(picture));
}

QByteArray GoodPicture(Picture picture) {
    QFile file(SourcePath(picture));
    if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << qPrintable(file.fileName());
    return file.readAll();
}

// A file header and an info header for a picture of `side` x `side`
// pixels, bottom-up, 72 dots per inch.
QByteArray BmpHeaders(quint32 side, quint16 bitsPerPixel, quint32 compression, quint32 paletteSize,
                      quint32 dataSize) {
    QByteArray bmp(54, '\0');
    auto put32 = [&](int at, quint32 value) { qToLittleEndian(value, bmp.data() + at); };
    auto put16 = [&](int at, quint16 value) { qToLittleEndian(value, bmp.data() + at); };
    const quint32 dataStart = 54 + 4 * paletteSize;
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, dataStart + dataSize);  // file size
    put32(10, dataStart);
    put32(14, 40);  // size of the info header
    put32(18, side);
    put32(22, side);
    put16(26, 1);  // planes
    put16(28, bitsPerPixel);
    put32(30, compression);
    put32(34, dataSize);
    put32(38, 2835);
    put32(42, 2835);
    put32(46, paletteSize);
    return bmp;
}

// The headers alone, claiming 30000 x 30000 pixels of 24 bits: gigabytes
// of pixels that are not there.
QByteArray HugeBmpHeader() { return BmpHeaders(30000, 24, 0, 0, 30000u * 90000u); }

// A kilobyte that really does decode, run-length encoded, to 5000 x 5000
// pixels of one colour: some 100 MB once decoded. Only the limit on
// picture memory stands between such a file and the memory.
QByteArray HugeCompressedBmp() {
    constexpr quint32 Rle8 = 1, PaletteSize = 256;
    const QByteArray endOfBitmap("\x00\x01", 2);
    return BmpHeaders(5000, 8, Rle8, PaletteSize, endOfBitmap.size()) +
           QByteArray(4 * PaletteSize, '\0') + endOfBitmap;
}

QByteArray RandomBytes(int count) {
    std::mt19937 generator(20240613);  // the same bytes every run
    QByteArray bytes(count, '\0');
    for (char& byte : bytes) byte = char(generator() & 0xff);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    ASSERT_EQ(file.write(contents), contents.size());
}

// Privileged users read files whatever their permissions say.
bool ReadPermissionIsEnforced(const QString& unreadableFile) {
    QFile file(unreadableFile);
    return !file.open(QIODevice::ReadOnly);
}

void MakeBadCopy(const QString& path, Picture picture, Form form) {
    switch (form) {
        case Form::Missing: return;
        case Form::Empty: return WriteFile(path, {});
        case Form::Truncated: return WriteFile(path, GoodPicture(picture).left(40));
        case Form::RandomBytes: return WriteFile(path, RandomBytes(2000));
        case Form::HugeHeader: return WriteFile(path, HugeBmpHeader());
        case Form::HugeCompressed: return WriteFile(path, HugeCompressedBmp());
        case Form::Directory: ASSERT_TRUE(QDir().mkpath(path)); return;
        case Form::Unreadable:
            WriteFile(path, GoodPicture(picture));
            ASSERT_TRUE(QFile::setPermissions(path, {}));
            return;
    }
}

// While it lives, the process has the rights of an ordinary user, as a
// player has: root reads a file whatever its permissions say. The saved
// identity stays root, so the process can return to it.
class OrdinaryUser {
public:
    OrdinaryUser() {
        if (setresgid(Nobody, Nobody, 0) != 0) return;
        if (setresuid(Nobody, Nobody, 0) != 0) {
            setresgid(0, 0, 0);
            return;
        }
        active_ = true;
    }
    ~OrdinaryUser() {
        if (!active_) return;
        // Back to root before anything else runs, or nothing could undo it.
        if (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0) std::abort();
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;
    bool active() const { return active_; }

private:
    static constexpr uid_t Nobody = 65534;
    bool active_ = false;
};

// Qt's warnings, collected while an object of this class lives.
class QtWarnings {
public:
    QtWarnings() : previous_(qInstallMessageHandler(&QtWarnings::collect)) { collected().clear(); }
    ~QtWarnings() { qInstallMessageHandler(previous_); }
    QStringList all() const { return collected(); }

private:
    static QStringList& collected() {
        static QStringList messages;
        return messages;
    }
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
        collected() << message;
    }
    QtMessageHandler previous_;
};

// A scratch folder searched first, holding one bad copy, and a good
// folder searched after it.
class BadCopyFirst : public ::testing::TestWithParam<std::tuple<Picture, Form>> {
protected:
    static void SetUpTestSuite() { LimitPictureMemory(); }

    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        ASSERT_TRUE(QDir().mkpath(first_) && QDir().mkpath(later_));
    }

    void TearDown() override { ordinaryUser_.reset(); }

    // Privileged, the test plays an ordinary user for the unreadable copy:
    // the folders are opened to everyone, the copy stays closed.
    void placeBadCopy() {
        MakeBadCopy(badPath(), picture(), form());
        if (form() != Form::Unreadable || ReadPermissionIsEnforced(badPath())) return;
        const auto openToAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                               QFile::ReadOther | QFile::ExeOther;
        for (const QString& folder : {scratch_.path(), first_, later_})
            ASSERT_TRUE(QFile::setPermissions(folder, openToAll));
        ordinaryUser_.emplace();
        if (!ordinaryUser_->active())
            GTEST_SKIP() << "running privileged, this test cannot give up the privilege to read a file "
                            "without read permission, so such a copy is a good copy here";
    }

    Picture picture() const { return std::get<0>(GetParam()); }
    Form form() const { return std::get<1>(GetParam()); }
    QString badPath() const { return QDir(first_).filePath(NameOf(picture())); }
    QString laterPath() const { return QDir(later_).filePath(NameOf(picture())); }

    void putGoodCopiesLater(std::optional<Picture> except) {
        for (Picture each : AllPictures) {
            if (each == except) continue;
            WriteFile(QDir(later_).filePath(NameOf(each)), GoodPicture(each));
        }
    }

    PictureSearch search() {
        QtWarnings warnings;
        PictureSearch search = PictureFiles::locate({first_, later_});
        // Refused before the pixels are decoded, not for want of memory
        // after.
        if (form() == Form::HugeCompressed) {
            EXPECT_TRUE(warnings.all().join('\n').contains(QLatin1String("allocation limit")))
                << qPrintable(warnings.all().join('\n'));
        }
        return search;
    }

    QTemporaryDir scratch_;
    const QString first_ = scratch_.filePath(QStringLiteral("first"));
    const QString later_ = scratch_.filePath(QStringLiteral("later"));
    std::optional<OrdinaryUser> ordinaryUser_;
};

TEST_P(BadCopyFirst, IsPassedOverForTheGoodCopyLaterWithANote) {
    putGoodCopiesLater(std::nullopt);
    placeBadCopy();
    if (IsSkipped() || HasFatalFailure()) return;

    const PictureSearch search = this->search();

    ASSERT_TRUE(search.files) << qPrintable(search.error);
    EXPECT_EQ(search.files->pathOf(picture()), laterPath());
    if (form() == Form::Missing) {
        EXPECT_TRUE(search.notes.isEmpty()) << qPrintable(search.notes.join('\n'));
    } else {
        ASSERT_EQ(search.notes.size(), 1) << qPrintable(search.notes.join('\n'));
        EXPECT_TRUE(search.notes[0].contains(QDir::toNativeSeparators(badPath())));
        EXPECT_TRUE(search.notes[0].contains(QDir::toNativeSeparators(laterPath())));
    }
    const QImage shown = search.files->load(picture()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, QImage(SourcePath(picture())).convertToFormat(QImage::Format_RGB32));
}

TEST_P(BadCopyFirst, WithNoGoodCopyAnywhereTheErrorNamesTheFileAndEveryPlace) {
    putGoodCopiesLater(picture());
    placeBadCopy();
    if (IsSkipped() || HasFatalFailure()) return;

    const PictureSearch search = this->search();

    EXPECT_FALSE(search.files);
    EXPECT_TRUE(search.error.contains(QStringLiteral("\"%1\"").arg(NameOf(picture()))))
        << qPrintable(search.error);
    for (const QString& place : {badPath(), laterPath()})
        EXPECT_TRUE(search.error.contains(QDir::toNativeSeparators(place))) << qPrintable(search.error);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPictureEveryForm, BadCopyFirst,
    ::testing::Combine(::testing::ValuesIn(AllPictures), ::testing::ValuesIn(AllForms)),
    [](const ::testing::TestParamInfo<BadCopyFirst::ParamType>& info) {
        QString name = NameOf(std::get<0>(info.param)).section('.', 0, 0);
        return name.toStdString() + "_" + NameOf(std::get<1>(info.param));
    });

// Writes the nine good pictures into `scratch` and finds them there.
void WriteAllAndFind(const QTemporaryDir& scratch, std::optional<PictureFiles>& files) {
    ASSERT_TRUE(scratch.isValid());
    for (Picture each : AllPictures) WriteFile(scratch.filePath(NameOf(each)), GoodPicture(each));
    PictureSearch search = PictureFiles::locate({scratch.path()});
    ASSERT_TRUE(search.files) << qPrintable(search.error);
    files = *search.files;
}

// All nine found in a scratch folder, which the test may then spoil.
class PictureBreaksDuringPlay : public ::testing::Test {
protected:
    static void SetUpTestSuite() { LimitPictureMemory(); }

    void SetUp() override { ASSERT_NO_FATAL_FAILURE(WriteAllAndFind(scratch_, files_)); }

    QString pathOf(Picture picture) const { return scratch_.filePath(NameOf(picture)); }

    // Loads `picture` twice, as two cells changing to it would, and
    // returns what standard error heard meanwhile.
    std::string loadTwice(Picture picture, QImage& shown) {
        ::testing::internal::CaptureStderr();
        shown = files_->load(picture).toImage();
        files_->load(picture);
        return ::testing::internal::GetCapturedStderr();
    }

    QTemporaryDir scratch_;
    std::optional<PictureFiles> files_;
};

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST_F(PictureBreaksDuringPlay, DeletedOrCorruptedFileGivesAStandInAndOneWarning) {
    QFile::remove(pathOf(Picture::Vint1Red));
    WriteFile(pathOf(Picture::Vint3Blue), GoodPicture(Picture::Vint3Blue).left(40));
    WriteFile(pathOf(Picture::Blank), HugeCompressedBmp());
    for (Picture broken : {Picture::Vint1Red, Picture::Vint3Blue, Picture::Blank}) {
        QImage shown;
        const std::string warnings = loadTwice(broken, shown);
        EXPECT_EQ(shown.size(), QSize(25, 25)) << qPrintable(NameOf(broken));
        EXPECT_EQ(Occurrences(warnings, QDir::toNativeSeparators(pathOf(broken)).toStdString()), 1)
            << warnings;
        EXPECT_EQ(Occurrences(warnings, "stand-in"), 1) << warnings;
    }
}

TEST_F(PictureBreaksDuringPlay, StandInsOfMenAreNoEmptyDiamonds) {
    QImage blank, redMan, blueMan;
    for (Picture each : AllPictures) QFile::remove(pathOf(each));
    loadTwice(Picture::Blank, blank);
    loadTwice(Picture::Vint1Red, redMan);
    loadTwice(Picture::Vint3Blue, blueMan);
    EXPECT_NE(redMan, blank);
    EXPECT_NE(blueMan, blank);
    EXPECT_NE(redMan, blueMan);
}

TEST_F(PictureBreaksDuringPlay, ARepairedFileIsShownAgain) {
    const QImage good = QImage(SourcePath(Picture::Vint3Red)).convertToFormat(QImage::Format_RGB32);
    WriteFile(pathOf(Picture::Vint3Red), RandomBytes(100));
    QImage shown;
    loadTwice(Picture::Vint3Red, shown);
    EXPECT_NE(shown.convertToFormat(QImage::Format_RGB32), good);

    WriteFile(pathOf(Picture::Vint3Red), GoodPicture(Picture::Vint3Red));
    const std::string warnings = loadTwice(Picture::Vint3Red, shown);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), good);
    EXPECT_EQ(warnings, "");
}

// A game played from pictures in a scratch folder, which the test may
// change during play. Every move stays in the red view.
class PicturesInPlay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(WriteAllAndFind(scratch_, files_));
        game_.emplace(*files_);
        game_->trigger("mnuSwitch");
    }

    QString pathOf(Picture picture) const { return scratch_.filePath(NameOf(picture)); }

    // As an image editor saves: a new file takes the old one's name.
    void replaceFile(Picture picture, const QByteArray& contents) {
        QSaveFile file(pathOf(picture));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(contents), contents.size());
        ASSERT_TRUE(file.commit());
    }

    QTemporaryDir scratch_;
    std::optional<PictureFiles> files_;
    std::optional<testing::GameDriver> game_;
};

TEST_F(PicturesInPlay, AnUnchangedFileIsDecodedOnceWhateverTheCellsShow) {
    // The search decodes each file to check it; the cells of both views,
    // the moves, the committed man, the switches and a new game use those.
    EXPECT_EQ(files_->decodeCount(), PictureCount);
    game_->play("61-43 16-34 72-63");  // the last refused: red must capture
    game_->clickButton("cmdShowCom");
    game_->trigger("mnuBlue");
    game_->trigger("mnuRed");
    game_->trigger("mnuReset");
    EXPECT_EQ(files_->decodeCount(), PictureCount);
    EXPECT_EQ(game_->cellsPaintedWrongly(game_->red()), testing::Complaints{});
}

TEST_F(PicturesInPlay, AFileReplacedDuringPlayShowsAtTheNextChangeOfTheCell) {
    // The red man restyled, here as the committed red man.
    replaceFile(Picture::Vint1Red, GoodPicture(Picture::Vint1RedCom));
    game_->drag(61, 43);
    EXPECT_EQ(game_->cellsPaintedWrongly(game_->red(), {43}), testing::Complaints{});
    EXPECT_EQ(files_->decodeCount(), PictureCount + 1);
}

ino_t InodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(PicturesInPlay, AFileRewrittenInPlaceShowsThoughItsSizeAndInodeStay) {
    const QString path = pathOf(Picture::Vint1Red);
    const QByteArray restyled = GoodPicture(Picture::Vint1RedCom);
    ASSERT_EQ(restyled.size(), QFileInfo(path).size());
    const QDateTime modified = QFileInfo(path).lastModified();
    const ino_t inode = InodeOf(path);
    WriteFile(path, restyled);
    // A second later, which a save within the same clock tick might not show.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified.addSecs(1), QFileDevice::FileModificationTime));
    file.close();
    ASSERT_EQ(InodeOf(path), inode);
    game_->drag(61, 43);
    EXPECT_EQ(game_->cellsPaintedWrongly(game_->red(), {43}), testing::Complaints{});
}

// Started from its own folder, the program looks there once, not twice.
TEST(SearchFolders, TheProgramsOwnFolderAsWorkingDirectoryIsSearchedOnce) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QCoreApplication::applicationDirPath()));
    QStringList folders = PictureFiles::searchFolders();
    QDir::setCurrent(before);
    EXPECT_EQ(folders.removeDuplicates(), 0) << qPrintable(folders.join('\n'));
}

}  // namespace
}  // namespace vintrel
