#include "game_files.h"

#include "autosave.h"
#include "board_window.h"
#include "game_model.h"
#include "notation_words.h"
#include "view_pair.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace vintrel {

GameFiles::GameFiles(ViewPair& views, GameModel& model, Autosave& autosave, std::function<GameText()> game)
    : views_(views), model_(model), autosave_(autosave), game_(std::move(game)) {
    views.forEachWindow(this, [this](BoardWindow& window) { addItems(window); });
    connect(&model, &GameModel::changed, this, &GameFiles::updateResume);
    connect(&autosave, &Autosave::savedMovesChanged, this, &GameFiles::updateResume);
}

QString GameFiles::fileFilter() { return tr("VINTREL games (*.vintrel)"); }

void GameFiles::addItems(BoardWindow& window) {
    auto add = [&](const char* name, const QString& text, QKeySequence keys, std::function<void()> handler) {
        QAction* item = window.addMenuItem(BoardWindow::Menu::Options, name, text, std::move(handler),
                                           &window.exitItem());
        item->setShortcut(keys);
        return item;
    };
    add("mnuSave", tr("&Save Game…"), QKeySequence::Save, [this] { chooseFile(true); });
    add("mnuOpen", tr("&Open Game…"), QKeySequence::Open, [this] { chooseFile(false); });
    resumeItems_ << add("mnuResume", tr("Resume &Last Game"), {}, [this] { resume(); });
    updateResume();
}

void GameFiles::chooseFile(bool saving) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto* dialog = new QFileDialog(dialogParent(), saving ? tr("Save Game") : tr("Open Game"), folder, fileFilter());
    dialog->setObjectName(QStringLiteral("gameFileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(QStringLiteral("vintrel"));
    if (saving) dialog->selectFile(tr("game.vintrel"));
    connect(dialog, &QFileDialog::fileSelected, this, [this, saving](const QString& path) {
        saving ? save(path) : open(path);
    });
    dialog->open();
}

bool GameFiles::save(const QString& path) {
    const std::string text = WriteGame(game_());
    QSaveFile file(path);
    // Written whole beside the old file, which is replaced only then.
    if (file.open(QIODevice::WriteOnly) && file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
        file.commit())
        return true;
    showError(tr("The game could not be saved to %1: %2").arg(path, file.errorString()));
    return false;
}

bool GameFiles::open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showError(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    // One byte past the limit is enough for the reader to refuse the rest.
    return openText(file.read(qint64(MaxGameTextBytes) + 1), path);
}

bool GameFiles::openText(const QByteArray& text, const QString& source) {
    ReadResult read = ReadGame(std::string_view(text.constData(), std::size_t(text.size())));
    if (!read.game) {
        showError(NotationWords::describe(*read.error, source));
        return false;
    }
    replace(std::move(*read.game));
    return true;
}

bool GameFiles::resume() {
    if (!QFileInfo::exists(Autosave::path()) && autosave_.setAside()) {
        showError(*autosave_.setAside());
        return false;
    }
    return open(Autosave::path());
}

void GameFiles::replace(GameText game) { model_.load(std::move(game)); }

void GameFiles::updateResume() {
    const std::vector<PlayedMove>& saved = autosave_.savedMoves();
    const bool enabled = !saved.empty() && saved != model_.game().moves();
    for (QAction* item : resumeItems_) item->setEnabled(enabled);
}

void GameFiles::showError(const QString& message) {
    std::fprintf(stderr, "vintrel: %s\n", qPrintable(message));
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("VINTREL"), message, QMessageBox::Ok,
                                dialogParent());
    box->setObjectName(QStringLiteral("gameError"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QWidget* GameFiles::dialogParent() const { return views_.shown(); }

}  // namespace vintrel
