#include "notes/line_layout.h"

namespace {

// Walks the text line by line; bytes past maxBytes read as the terminating NUL.
class LineReader {
public:
    LineReader(const char *text, size_t maxBytes, bool wrap, int widthLimit, const MeasureWidth &measure,
               LeadBytePredicate isLeadByte)
        : text_(text), maxBytes_(maxBytes), wrap_(wrap), widthLimit_(widthLimit), measure_(measure),
          isLeadByte_(isLeadByte) {}

    bool AtEnd() const { return ByteAt(p_) == 0; }

    std::string NextLine() {
        std::string line;
        for (;;) {
            const unsigned char c = ByteAt(p_);
            if (c == 0) break;
            if (c == '\r' && ByteAt(p_ + 1) == '\n') {
                p_ += 2;
                break;
            }
            const size_t taken = Append(line, c);
            p_ += taken;
            if (Overflows(line) && line.size() > taken) {
                // The character that does not fit starts the next line.
                line.resize(line.size() - taken);
                p_ -= taken;
                break;
            }
        }
        return line;
    }

private:
    unsigned char ByteAt(size_t p) const { return p < maxBytes_ ? static_cast<unsigned char>(text_[p]) : 0; }

    // Appends the character at p_ and returns how many text bytes it took.
    size_t Append(std::string &line, unsigned char c) const {
        if (c == '\t') {
            line += ' ';
            return 1;
        }
        line += static_cast<char>(c);
        // A lead byte right before the end has no trail byte: it stands alone, and nothing past
        // the terminating NUL is read.
        if (wrap_ && isLeadByte_(c) && ByteAt(p_ + 1) != 0) {
            line += static_cast<char>(ByteAt(p_ + 1));
            return 2;
        }
        return 1;
    }

    bool Overflows(const std::string &line) const {
        return wrap_ && measure_(line.data(), line.size()) > widthLimit_;
    }

    const char *text_;
    size_t maxBytes_;
    bool wrap_;
    int widthLimit_;
    const MeasureWidth &measure_;
    LeadBytePredicate isLeadByte_;
    size_t p_ = 0;
};

} // namespace

std::vector<std::string> LayOutLines(const char *text, size_t maxBytes, bool wrap, int widthLimit,
                                     const MeasureWidth &measure, LeadBytePredicate isLeadByte) {
    std::vector<std::string> lines;
    LineReader reader(text, maxBytes, wrap, widthLimit, measure, isLeadByte);
    while (!reader.AtEnd())
        lines.push_back(reader.NextLine());
    return lines;
}
