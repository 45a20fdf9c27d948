// What the program asks of Qt before it shows anything.
#pragma once

namespace vintrel {

// Before the QApplication exists.
void PrepareApplication();
// Right after it: names, style, and the limits the board relies on.
void ConfigureApplication();

}  // namespace vintrel
