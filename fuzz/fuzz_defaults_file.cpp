// Any defaults file: its fields go to the template and the inheritance settings, and a new note
// made from that template is at least 8 x 8 pixels and placed without overflow.
#include "notes/edge_colors.h"
#include "notes/note_geometry.h"
#include "settings/defaults_record.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    TemplateNote made = {kBuiltInX, kBuiltInY, kBuiltInWidth, kBuiltInHeight, 0x80FFFF, {}, {}};
    // Only a file of at least 156 bytes applies, and only its first 156 bytes.
    if (size >= sizeof(DefaultsRecord)) {
        DefaultsRecord record;
        std::memcpy(&record, data, sizeof record);
        ApplyDefaultsRecord(record, made);
    }
    const int width = NewNoteExtent(made.width, kBuiltInWidth);
    const int height = NewNoteExtent(made.height, kBuiltInHeight);
    if (width < kMinNoteExtent || height < kMinNoteExtent) std::abort();
    CorrectPlacement({made.x, made.y, width, height}, ScreenRect{0, 0, 1024, 768});
    EdgeLines(made.backColor, width, height);
    return 0;
}
