// Any command tail: the switch test must neither crash nor write past its copy.
#include "app/switches.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string tail(reinterpret_cast<const char *>(data), size);
    for (const char *sw : {"/TIMER", "/S", "/I", "/W"})
        HasSwitch(&tail[0], sw);
    return 0;
}
