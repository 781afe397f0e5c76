// History logs written the way the program appends to them, for the tests of both builds.
#pragma once
#include <string>

static const std::string kHeader = "\f----- 2026/03/14 09:26.53 -----\n";

// One entry as the program appends it.
inline std::string Entry(const std::string &text) { return kHeader + text + "\n"; }

// A log of `count` entries whose texts name their number, oldest first ("entry 1" ...).
inline std::string NumberedLog(int count) {
    std::string log;
    for (int i = 1; i <= count; ++i) log += Entry("entry " + std::to_string(i));
    return log;
}
