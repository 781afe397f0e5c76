#include "notes/line_layout.h"

namespace {

// The characters a wrapped line is first measured with; a line that fits them all is measured
// again with twice as many, so a line costs one measurement in all but the widest notes.
constexpr size_t kFirstMeasuredCharacters = 64;

// Walks the text line by line; bytes past maxBytes read as the terminating NUL.
class LineReader {
public:
    LineReader(const char *text, size_t maxBytes, bool wrap, int widthLimit, const MeasurePrefixes &measure,
               LeadBytePredicate isLeadByte)
        : text_(text), maxBytes_(maxBytes), wrap_(wrap), widthLimit_(widthLimit), measure_(measure),
          isLeadByte_(isLeadByte) {}

    bool AtEnd() const { return ByteAt(p_) == 0; }

    std::string NextLine() {
        const size_t start = p_;
        std::string line;
        std::vector<size_t> ends; // where each character of the line ends
        for (size_t wanted = kFirstMeasuredCharacters;; wanted *= 2) {
            while ((!wrap_ || ends.size() < wanted) && !AtLineEnd()) {
                p_ += Append(line, ByteAt(p_));
                ends.push_back(line.size());
            }
            if (wrap_) {
                const size_t fitting = FittingCharacters(line, ends);
                if (fitting < ends.size()) {
                    // The character that does not fit starts the next line. Each character
                    // took as many bytes of text as it put into the line.
                    line.resize(ends[fitting - 1]);
                    p_ = start + line.size();
                    return line;
                }
            }
            if (AtLineEnd()) break;
        }
        if (ByteAt(p_) == '\r') p_ += 2; // past the CR LF
        return line;
    }

private:
    unsigned char ByteAt(size_t p) const { return p < maxBytes_ ? static_cast<unsigned char>(text_[p]) : 0; }

    bool AtLineEnd() const { return ByteAt(p_) == 0 || (ByteAt(p_) == '\r' && ByteAt(p_ + 1) == '\n'); }

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

    // How many characters from the start of the line fit: all up to the first that makes its
    // prefix wider than the limit, which stays only when it is the first of its line.
    size_t FittingCharacters(const std::string &line, const std::vector<size_t> &ends) const {
        if (ends.empty()) return 0;
        const std::vector<int> widths = measure_(line, ends);
        for (size_t i = 1; i < ends.size(); ++i)
            if (widths[i] > widthLimit_) return i;
        return ends.size();
    }

    const char *text_;
    size_t maxBytes_;
    bool wrap_;
    int widthLimit_;
    const MeasurePrefixes &measure_;
    LeadBytePredicate isLeadByte_;
    size_t p_ = 0;
};

} // namespace

std::vector<std::string> LayOutLines(const char *text, size_t maxBytes, bool wrap, int widthLimit,
                                     const MeasurePrefixes &measure, LeadBytePredicate isLeadByte) {
    std::vector<std::string> lines;
    LineReader reader(text, maxBytes, wrap, widthLimit, measure, isLeadByte);
    while (!reader.AtEnd())
        lines.push_back(reader.NextLine());
    return lines;
}
