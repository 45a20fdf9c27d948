// Shared by the two cold-start programs: both end the same way, right after
// their window's first frame, so that the measured process lives exactly
// from its start to that frame.
#pragma once

class QWidget;

namespace vintrel::bench {

// Call first thing in main(): the moment the program's own code begins.
void NoteMainEntered();

// Once `widget` has been painted for the first time and the frame is done,
// prints the process's figures on standard output and ends it at once,
// skipping the teardown of the windows.
void ExitAfterFirstPaint(QWidget& widget);

}  // namespace vintrel::bench
