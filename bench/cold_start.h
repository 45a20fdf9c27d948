// Runs one of the cold-start programs as a whole process and collects what
// it measured of itself.
#pragma once

#include <string>

namespace vintrel::bench {

struct ColdStart {
    double wallSeconds = 0;     // from spawning to the process's exit
    double toMainSeconds = 0;   // from spawning to the program's main()
    double toPaintSeconds = 0;  // from spawning to the end of the first frame
    long peakResidentKb = 0;    // VmHWM just before exit
    bool ok = false;
};

// `platform` is the Qt platform plugin the program is to use.
ColdStart RunColdStart(const std::string& program, const std::string& platform);

}  // namespace vintrel::bench
