#include "settings/profile_text.h"

#include "platform/shift_jis.h"

#include <cstring>

namespace {

// The bytes [begin, end) of the file.
struct Span {
    size_t begin, end;
};

enum class LineKind { kOther, kSection, kKey };

// One line of the file: its text [begin, end), its line end [end, next), and what it holds.
struct ProfileLine {
    size_t begin, end, next;
    LineKind kind;
    Span name, value; // the section's name, or the key's name and value
};

// Where a key goes in a section: its line when it is there, else the place for a new line.
struct KeyPlace {
    bool found;
    ProfileLine line;
    size_t insertAt;
    bool needsLineEnd; // the line before insertAt is the file's last and has no line end
};

} // namespace

// Shift-JIS lead bytes; the trail byte after one may look like an ASCII letter, '[' or ']'.
static bool IsLeadByte(char c) {
    return IsCp932LeadByte(static_cast<unsigned char>(c));
}

static bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

static char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

static Span Trim(const std::string &file, Span span) {
    while (span.begin < span.end && IsBlank(file[span.begin]))
        ++span.begin;
    while (span.end > span.begin && IsBlank(file[span.end - 1]))
        --span.end;
    return span;
}

// Only single-byte letters are folded: a double-byte character is compared byte for byte, so that
// a trail byte that happens to be an ASCII letter never matches another character.
static bool NameIs(const std::string &file, Span span, const char *name) {
    const size_t length = span.end - span.begin;
    if (std::strlen(name) != length) return false;
    const char *text = file.data() + span.begin;
    for (size_t i = 0; i < length; ++i) {
        if (IsLeadByte(text[i]) && i + 1 < length) {
            if (text[i] != name[i] || text[i + 1] != name[i + 1]) return false;
            ++i;
        } else if (FoldCase(text[i]) != FoldCase(name[i])) {
            return false;
        }
    }
    return true;
}

// A section line starts with '[' after any blanks; its name runs to the last ']' of the line.
static bool ReadSectionName(const std::string &file, Span text, Span &name) {
    if (text.begin == text.end || file[text.begin] != '[') return false;
    for (size_t close = text.end; close > text.begin + 1; --close) {
        if (file[close - 1] != ']') continue;
        name = Trim(file, {text.begin + 1, close - 1});
        return true;
    }
    return false;
}

// A key line holds '=': the name lies before the first one, the value after it.
static bool ReadKey(const std::string &file, Span text, Span &name, Span &value) {
    const void *equals = std::memchr(file.data() + text.begin, '=', text.end - text.begin);
    if (!equals) return false;
    const size_t at = static_cast<size_t>(static_cast<const char *>(equals) - file.data());
    name = Trim(file, {text.begin, at});
    value = Trim(file, {at + 1, text.end});
    return true;
}

// The line that starts at begin, which is inside the file.
static ProfileLine ReadLine(const std::string &file, size_t begin) {
    ProfileLine line{begin, file.size(), file.size(), LineKind::kOther, {0, 0}, {0, 0}};
    const size_t end = file.find_first_of("\r\n", begin);
    if (end != std::string::npos) {
        const bool crLf = file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n';
        line.end = end;
        line.next = end + (crLf ? 2 : 1);
    }
    const Span text = Trim(file, {begin, line.end});
    if (ReadSectionName(file, text, line.name))
        line.kind = LineKind::kSection;
    else if (ReadKey(file, text, line.name, line.value))
        line.kind = LineKind::kKey;
    return line;
}

// The header line of the first section of that name.
static bool FindSection(const std::string &file, const char *section, ProfileLine &header) {
    for (size_t at = 0; at < file.size(); at = header.next) {
        header = ReadLine(file, at);
        if (header.kind == LineKind::kSection && NameIs(file, header.name, section)) return true;
    }
    return false;
}

static bool HasText(const std::string &file, const ProfileLine &line) {
    return Trim(file, {line.begin, line.end}).begin != line.end;
}

// Looks for the key among the lines up to the next section line; a new key line would follow the
// section's last non-blank line, so that blank lines before the next section stay before it.
static KeyPlace FindKey(const std::string &file, const ProfileLine &header, const char *key) {
    KeyPlace place{false, header, header.next, header.end == header.next};
    for (size_t at = header.next; at < file.size(); at = place.line.next) {
        place.line = ReadLine(file, at);
        if (place.line.kind == LineKind::kSection) break;
        if (place.line.kind == LineKind::kKey && NameIs(file, place.line.name, key)) {
            place.found = true;
            break;
        }
        if (HasText(file, place.line)) {
            place.insertAt = place.line.next;
            place.needsLineEnd = place.line.end == place.line.next;
        }
    }
    return place;
}

// A value in a matching pair of double or single quotes is read without them.
static Span Unquote(const std::string &file, Span value) {
    if (value.end - value.begin < 2) return value;
    const char first = file[value.begin];
    if ((first == '"' || first == '\'') && file[value.end - 1] == first)
        return {value.begin + 1, value.end - 1};
    return value;
}

// The text cut to fit in maxBytes - 1 bytes between characters; the caller's buffer keeps its
// last byte for the NUL.
static std::string CutToFit(const char *text, size_t length, size_t maxBytes) {
    return std::string(text, maxBytes == 0 ? 0 : WholeCharactersWithin(text, length, maxBytes - 1));
}

std::string ProfileValue(const std::string &file, const char *section, const char *key, const char *missing,
                         size_t maxBytes) {
    ProfileLine header{};
    if (FindSection(file, section, header)) {
        const KeyPlace place = FindKey(file, header, key);
        if (place.found) {
            const Span value = Unquote(file, place.line.value);
            return CutToFit(file.data() + value.begin, value.end - value.begin, maxBytes);
        }
    }
    if (!missing) missing = "";
    return CutToFit(missing, std::strlen(missing), maxBytes);
}

// A line added after a last line that has no line end first ends that line.
static std::string NewLines(bool needsLineEnd, const std::string &lines) {
    return needsLineEnd ? "\r\n" + lines : lines;
}

void SetProfileValue(std::string &file, const char *section, const char *key, const char *value) {
    const std::string keyLine = std::string(key) + "=" + value + "\r\n";
    ProfileLine header{};
    if (!FindSection(file, section, header)) {
        const bool needsLineEnd = !file.empty() && file.back() != '\r' && file.back() != '\n';
        file += NewLines(needsLineEnd, "[" + std::string(section) + "]\r\n" + keyLine);
        return;
    }
    const KeyPlace place = FindKey(file, header, key);
    if (!place.found) {
        file.insert(place.insertAt, NewLines(place.needsLineEnd, keyLine));
        return;
    }
    // The key keeps the spelling the file gave it, and its line keeps its own line end.
    const ProfileLine &line = place.line;
    const std::string name = file.substr(line.name.begin, line.name.end - line.name.begin);
    file.replace(line.begin, line.end - line.begin, name + "=" + value);
}
