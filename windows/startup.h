// What the program asks of Qt before it shows anything: its names, its
// language, its style and its icon.
#pragma once

#include <QIcon>

namespace vintrel {

// Before the QApplication exists.
void PrepareApplication();
// The names and the language of the command line, for a QCoreApplication
// too.
void ConfigureCommandLine();
// Right after it: names, style, and the limits the board relies on.
void ConfigureApplication();
// The game's icon, as the task bar shows it for each window.
QIcon GameIcon();
// Sets it on `window` right after the first frame of `board`.
void GiveIconAfterFirstFrame(QWidget& window, QWidget& board);

}  // namespace vintrel
