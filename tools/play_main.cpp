// vintrel-engine-play: the text protocol alone, the same as
// `vintrel-engine play`; the one target that builds against another
// commit's engine.
#include "protocol.h"

#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    return vintrel::engine::RunProtocol(std::cin, std::cout);
}
