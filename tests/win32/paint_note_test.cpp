#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "notes/background_bitmap.h"
#include "notes/date_macro.h"
#include "notes/paint_note.h"
#include "platform/program.h"
#include "store/note_table.h"

#include <cstring>
#include <string>
#include <vector>

// The text colour of the tests' notes: pure red, drawn on lighter backgrounds.
constexpr COLORREF kTextColor = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr char kDate2[] = "$$" SJ_TAVLO "$$DATE2$$";

// A solid square glyph (■), so that the text colour shows in whole pixels.
constexpr char kSquares[] =
    "\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1"
    "\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1\x81\xa1"; // ■■■■■■■■■■■■■■■■■■■■

class PaintNoteTest : public ProgramTest {
protected:
    static NoteRecord Record(COLORREF back, const char *text = "", int width = 120, int height = 60) {
        NoteRecord r = MakeRecord(100, 100, width, height, text);
        r.backColor = back;
        r.fontDialog.rgbColors = kTextColor;
        return r;
    }
    static HWND Painted(const NoteRecord &record) {
        const HWND window = OpenNote(record);
        RepaintNote(window);
        return window;
    }
    static std::string Title(HWND window) { return WindowText(window); }
    // Counts the pixels of the colour in the rectangle [left, right) x [top, bottom).
    static int CountColor(HWND window, COLORREF color, int left, int top, int right, int bottom) {
        HDC dc = GetDC(window);
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += GetPixel(dc, x, y) == color;
        ReleaseDC(window, dc);
        return count;
    }
    // The line step of the built-in template font, as the painter measures it.
    static int LineStep(HWND window) {
        HDC dc = GetDC(window);
        HFONT font = CreateFontIndirectA(LogFontOf(NoteTable[FindNote(window)]));
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, previous);
        DeleteObject(font);
        ReleaseDC(window, dc);
        return metrics.tmHeight + metrics.tmExternalLeading;
    }
};

// ---- The 3-D edge and the fill ----

struct EdgeCase {
    COLORREF back, dark, light;
};

static void ExpectEdge(HWND window, const EdgeCase &c, int w, int h) {
    EXPECT_EQ(PixelAt(window, w - 1, 0), kBlack) << "top-right corner";
    EXPECT_EQ(PixelAt(window, w - 1, h / 2), kBlack) << "outer right";
    EXPECT_EQ(PixelAt(window, 0, h - 1), kBlack) << "bottom-left corner";
    EXPECT_EQ(PixelAt(window, w - 1, h - 1), kBlack);
    EXPECT_EQ(PixelAt(window, 0, 0), c.back) << "outer top-left";
    EXPECT_EQ(PixelAt(window, w - 2, 0), c.back) << "outer top";
    EXPECT_EQ(PixelAt(window, 0, h - 2), c.back) << "outer left";
    EXPECT_EQ(PixelAt(window, w - 2, 1), c.dark) << "inner right, top end";
    EXPECT_EQ(PixelAt(window, 1, h - 2), c.dark) << "inner bottom, left end";
    EXPECT_EQ(PixelAt(window, w - 2, h - 2), c.dark);
    EXPECT_EQ(PixelAt(window, 1, 1), c.light) << "inner top-left";
    EXPECT_EQ(PixelAt(window, w - 3, 1), c.light) << "inner top, right end";
    EXPECT_EQ(PixelAt(window, 1, h - 3), c.light) << "inner left, bottom end";
    EXPECT_EQ(PixelAt(window, 2, 2), c.back) << "fill";
    EXPECT_EQ(PixelAt(window, w / 2, h / 2), c.back) << "fill";
    EXPECT_EQ(PixelAt(window, w - 3, h - 3), c.back) << "fill";
}

TEST_F(PaintNoteTest, EdgeColoursAndFill) {
    const EdgeCase cases[] = {
        {kWhite, RGB(207, 207, 207), kWhite},
        {kBlack, kBlack, RGB(48, 48, 48)},
        {RGB(100, 20, 240), RGB(52, 0, 192), RGB(148, 68, 255)},
    };
    for (const EdgeCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "background " << std::hex << c.back);
        ExpectEdge(Painted(Record(c.back, "", 120, 60)), c, 120, 60);
    }
}

// The pixels of the rectangle [left, right) x [top, bottom), row by row.
static std::vector<COLORREF> PixelsIn(HWND window, const RECT &r) {
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(window);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixels;
}

// A window moved off part of a note uncovers a stretch of one side of its edge alone, which is
// drawn again as it was.
TEST_F(PaintNoteTest, AnUncoveredStretchOfTheEdgeIsDrawnAgain) {
    const HWND note = Painted(Record(RGB(100, 20, 240), "", 120, 60));
    for (const RECT &strip :
         {RECT{118, 20, 120, 40}, RECT{40, 58, 80, 60}, RECT{0, 20, 2, 40}, RECT{40, 0, 80, 2}}) {
        SCOPED_TRACE(testing::Message() << "strip from " << strip.left << "," << strip.top);
        const std::vector<COLORREF> drawn = PixelsIn(note, strip);
        HDC dc = GetDC(note);
        FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ReleaseDC(note, dc);
        ASSERT_NE(PixelsIn(note, strip), drawn);
        InvalidateRect(note, &strip, FALSE);
        UpdateWindow(note);
        EXPECT_EQ(PixelsIn(note, strip), drawn);
    }
}

// ---- Text ----

TEST_F(PaintNoteTest, TextIsDrawnInTheTextColourFromThreePixelsIn) {
    const HWND empty = Painted(Record(kWhite, "", 200, 60));
    EXPECT_EQ(CountColor(empty, kTextColor, 0, 0, 200, 60), 0) << "an empty text draws nothing";

    const HWND note = Painted(Record(kWhite, "\x81\xa1", 200, 60)); // ■
    const int step = LineStep(note);
    EXPECT_GT(CountColor(note, kTextColor, 3, 3, 200, 3 + step), 20);
    EXPECT_EQ(CountColor(note, kTextColor, 0, 0, 3, 60), 0) << "left of x = 3";
    EXPECT_EQ(CountColor(note, kTextColor, 0, 0, 200, 3), 0) << "above y = 3";
    EXPECT_EQ(CountColor(note, kTextColor, 0, 3 + step, 200, 60), 0) << "below the first line";
}

TEST_F(PaintNoteTest, WrappingContinuesALongLineBelow) {
    NoteRecord record = Record(kWhite, kSquares, 80, 200);
    const HWND cut = Painted(record);
    const int step = LineStep(cut);
    EXPECT_EQ(CountColor(cut, kTextColor, 0, 3 + step, 80, 200), 0) << "without wrapping the line is cut";
    EXPECT_GT(CountColor(cut, kTextColor, 3, 3, 78, 3 + step), 0);

    record.wrapFlag = 1;
    const HWND wrapped = Painted(record);
    EXPECT_GT(CountColor(wrapped, kTextColor, 3, 3 + step, 78, 3 + 2 * step), 0) << "second line";
}

// ---- Title ----

TEST_F(PaintNoteTest, TitleIsTheProgramNameAndTheStoredText) {
    EXPECT_EQ(Title(Painted(Record(kWhite, "\x94\x83\x82\xa2\x95\xa8"))),
              SJ_TAVLO " - \x94\x83\x82\xa2\x95\xa8"); // 買い物 / タヴロ - 買い物
    EXPECT_EQ(Title(Painted(Record(kWhite, ""))), SJ_TAVLO " - ");
    EXPECT_EQ(Title(Painted(Record(kWhite, kDate2))), std::string(SJ_TAVLO " - ") + kDate2);
    // A title is one line: each line break and each tab shows as one blank.
    EXPECT_EQ(Title(Painted(Record(kWhite, "\x8b\x8d\x93\xfb\r\n\x97\x91\r\n"))),
              SJ_TAVLO " - \x8b\x8d\x93\xfb \x97\x91 "); // 牛乳\r\n卵\r\n / タヴロ - 牛乳 卵
    EXPECT_EQ(Title(Painted(Record(kWhite, "\x95\x5c\t\x8e\xa6"))),
              SJ_TAVLO " - \x95\x5c \x8e\xa6")
        << "\x95\x5c ends in the byte 0x5C"; // 表\t示 / タヴロ - 表 示 / 表 ends in the byte 0x5C
}

TEST_F(PaintNoteTest, AFullTextFieldWithoutNulIsCutAtItsEnd) {
    NoteRecord record = Record(kWhite);
    std::memset(record.text, 'x', sizeof record.text);
    record.taskbarFlag = 'y'; // the byte after the field must not reach the title
    const HWND note = Painted(record);
    EXPECT_EQ(Title(note), SJ_TAVLO " - " + std::string(kTextSize, 'x'));
}

// ---- Background bitmap ----

// Four 8 x 8 quadrants: top-left, top-right, bottom-left, bottom-right.
static const COLORREF kQuadrants[4] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200),
                                       RGB(200, 200, 30)};
constexpr int kBitmapSide = 16;

// Which colour a pixel of the picture has; one bit allows only two colours, so it checkers.
static int QuadrantIndex(int x, int y, int bits) {
    const int right = x >= kBitmapSide / 2, bottom = y >= kBitmapSide / 2;
    return bits == 1 ? right ^ bottom : bottom * 2 + right;
}

static void PutIndex(std::string &row, int x, int bits, int index) {
    if (bits == 24) {
        const COLORREF c = kQuadrants[index];
        row[x * 3] = static_cast<char>(GetBValue(c));
        row[x * 3 + 1] = static_cast<char>(GetGValue(c));
        row[x * 3 + 2] = static_cast<char>(GetRValue(c));
    } else if (bits == 8) {
        row[x] = static_cast<char>(index);
    } else if (bits == 4) {
        row[x / 2] = static_cast<char>(row[x / 2] | index << (x % 2 ? 0 : 4));
    } else {
        row[x / 8] = static_cast<char>(row[x / 8] | index << (7 - x % 8));
    }
}

static std::string Le32(uint32_t v) {
    return Bytes(&v, 4);
}
static std::string Le16(uint16_t v) {
    return Bytes(&v, 2);
}

static std::string QuadrantColorTable(int entries) {
    std::string table(entries * 4, '\0');
    for (int i = 0; i < 4 && i < entries; ++i) {
        table[i * 4] = static_cast<char>(GetBValue(kQuadrants[i]));
        table[i * 4 + 1] = static_cast<char>(GetGValue(kQuadrants[i]));
        table[i * 4 + 2] = static_cast<char>(GetRValue(kQuadrants[i]));
    }
    return table;
}

// A 16 x 16 .BMP file of the pixel data with its colour table.
static std::string BitmapFile(int bits, uint32_t compression, const std::string &table,
                              const std::string &pixels) {
    const uint32_t offset = 54 + static_cast<uint32_t>(table.size());
    const std::string info = Le32(40) + Le32(kBitmapSide) + Le32(kBitmapSide) + Le16(1) + Le16(bits) +
                             Le32(compression) + Le32(static_cast<uint32_t>(pixels.size())) + Le32(2835) +
                             Le32(2835) + Le32(0) + Le32(0);
    return "BM" + Le32(offset + static_cast<uint32_t>(pixels.size())) + Le32(0) + Le32(offset) + info +
           table + pixels;
}

// A bottom-up 16 x 16 .BMP file of the quadrant picture.
static std::string QuadrantBitmap(int bits) {
    const int entries = bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
    const int stride = (kBitmapSide * bits + 31) / 32 * 4;
    std::string pixels;
    for (int y = kBitmapSide - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < kBitmapSide; ++x)
            PutIndex(row, x, bits, QuadrantIndex(x, y, bits));
        pixels += row;
    }
    return BitmapFile(bits, BI_RGB, QuadrantColorTable(entries), pixels);
}

// The quadrant picture run-length encoded: per row, bottom row first, two runs of eight pixels
// and an end of line; an end of bitmap after the last row. A 4-bit run repeats a byte of two
// pixels.
static std::string QuadrantRunLengthBitmap(int bits) {
    std::string runs;
    for (int y = kBitmapSide - 1; y >= 0; --y) {
        for (int x : {0, kBitmapSide / 2}) {
            const int index = QuadrantIndex(x, y, bits);
            runs += static_cast<char>(kBitmapSide / 2);
            runs += static_cast<char>(bits == 8 ? index : index << 4 | index);
        }
        runs += std::string("\0\0", 2);
    }
    runs += std::string("\0\1", 2);
    return BitmapFile(bits, bits == 8 ? BI_RLE8 : BI_RLE4, QuadrantColorTable(bits == 8 ? 256 : 16), runs);
}

class BackgroundBitmapTest : public PaintNoteTest {
protected:
    void UseBitmap(const std::string &bytes) {
        const std::string path = folder + "back.bmp";
        WriteFileBytes(path, bytes);
        LoadBackgroundBitmap(path.c_str());
        ASSERT_EQ(backgroundBitmapLoaded, 1);
    }
};

TEST_F(BackgroundBitmapTest, UncompressedAndRunLengthBitmapsAreDrawnUnderTheEdge) {
    const struct {
        int bits;
        bool runLength;
    } formats[] = {{1, false}, {4, false}, {8, false}, {24, false}, {8, true}, {4, true}};
    for (const auto &f : formats) {
        SCOPED_TRACE(testing::Message() << f.bits << " bits" << (f.runLength ? ", run-length" : ""));
        UseBitmap(f.runLength ? QuadrantRunLengthBitmap(f.bits) : QuadrantBitmap(f.bits));
        const HWND note = Painted(Record(kWhite, "", 40, 40));
        for (int y : {4, 12})
            for (int x : {4, 12})
                EXPECT_EQ(PixelAt(note, x, y), kQuadrants[QuadrantIndex(x, y, f.bits)])
                    << "at " << x << "," << y;
        EXPECT_EQ(PixelAt(note, 0, 5), kWhite) << "the outer edge keeps the background colour";
        EXPECT_EQ(PixelAt(note, 1, 5), kWhite) << "the light inner edge of white";
        EXPECT_EQ(PixelAt(note, 20, 20), kWhite) << "beyond the bitmap the fill shows";
        EXPECT_EQ(PixelAt(note, 16, 4), kWhite);
        CloseAllNotes();
        ReleaseBackgroundBitmap();
    }
}

TEST_F(BackgroundBitmapTest, TextIsDrawnOverTheBitmap) {
    UseBitmap(QuadrantBitmap(24));
    const HWND note = Painted(Record(kWhite, "\x81\xa1\x81\xa1", 40, 40)); // ■■
    EXPECT_GT(CountColor(note, kTextColor, 3, 3, 16, 16), 0);
}

TEST_F(BackgroundBitmapTest, MalformedOrTruncatedBitmapsAreNotDrawn) {
    const std::string good = QuadrantBitmap(8);
    std::string hugeWidth = good;
    hugeWidth.replace(18, 4, Le32(30000));
    std::string compressed = good; // run-length data stated one byte longer than the file holds
    compressed.replace(30, 4, Le32(BI_RLE8));
    compressed.replace(34, 4, Le32(static_cast<uint32_t>(good.size() - (54 + 1024) + 1)));
    const std::string cases[] = {
        good.substr(0, good.size() - 1), // last row short by one byte
        good.substr(0, 54 + 500),        // colour table cut
        good.substr(0, 40),              // headers cut
        hugeWidth,
        compressed,
        "not a bitmap at all, but long enough to hold both headers of one....",
    };
    for (const std::string &bytes : cases) {
        UseBitmap(bytes);
        const HWND note = Painted(Record(kWhite, "", 40, 40));
        EXPECT_EQ(PixelAt(note, 4, 4), kWhite) << bytes.size() << " bytes";
        EXPECT_EQ(PixelAt(note, 12, 12), kWhite) << bytes.size() << " bytes";
        EXPECT_EQ(Title(note), SJ_TAVLO " - ") << "the paint completed";
        CloseAllNotes();
        ReleaseBackgroundBitmap();
    }
}

// ---- Repainting all notes ----

TEST_F(PaintNoteTest, RedrawAllNotesSetsWrapOnlyWhenAsked) {
    NoteRecord plain = Record(kWhite, kSquares, 80, 200);
    const HWND first = OpenNote(plain);
    const HWND second = OpenNote(plain);
    const int step = LineStep(first);
    RedrawAllNotes(0);
    EXPECT_EQ(NoteTable[0].wrapFlag, 0);
    EXPECT_EQ(NoteTable[1].wrapFlag, 0);
    RedrawAllNotes(1);
    EXPECT_EQ(NoteTable[0].wrapFlag, 1);
    EXPECT_EQ(NoteTable[1].wrapFlag, 1);
    for (HWND note : {first, second})
        EXPECT_GT(CountColor(note, kTextColor, 3, 3 + step, 78, 3 + 2 * step), 0)
            << "repainted wrapped at once";
    RedrawAllNotes(0);
    EXPECT_EQ(NoteTable[0].wrapFlag, 1) << "0 never clears the flag";
}
