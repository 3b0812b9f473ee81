#include "canvas/canvas_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/row_text.h"

namespace quillo::canvas {
namespace {

CanvasState state(int height, int width, bool double_byte = false, bool blank_out = false) {
    CanvasState c;
    c.height = height;
    c.width = width;
    c.scroll = height;
    c.double_byte = double_byte;
    c.blank_out = blank_out;
    return c;
}

document::Document doc_of(std::vector<std::string> lines) {
    return {std::move(lines)};
}

TEST(CanvasWindow, CopyRowsCoversOnlyTheCount) {
    auto c = state(5, 10);
    for (int r = 1; r <= 6; ++r) {
        c.layers.row(kCommitted, r) = "c" + std::to_string(r);
        c.layers.row(kWorking, r) = "w" + std::to_string(r);
    }
    copy_rows(c, kCommitted, kWorking, 3);
    EXPECT_EQ(c.layers.row(kWorking, 1), "c1");
    EXPECT_EQ(c.layers.row(kWorking, 3), "c3");
    EXPECT_EQ(c.layers.row(kWorking, 4), "w4");
    copy_layer(c, kCommitted, kUndo);
    EXPECT_EQ(c.layers.row(kUndo, 5), "c5");
    EXPECT_EQ(c.layers.row(kUndo, 6), "");
    copy_rows(c, kCommitted, kSnapshot, 500);  // more than the layers hold: no harm
    EXPECT_EQ(c.layers.row(kSnapshot, 6), "c6");
    copy_rows(c, kWorking, kSnapshot, 0);
    EXPECT_EQ(c.layers.row(kSnapshot, 1), "c1");
    // Out-of-range layers and rows read as empty and ignore writes.
    c.layers.row(9, 1) = "lost";
    c.layers.row(kCommitted, 81) = "lost";
    EXPECT_EQ(std::as_const(c.layers).row(9, 1), "");
    EXPECT_EQ(std::as_const(c.layers).row(kCommitted, 81), "");
}

TEST(CanvasWindow, PadLayerCutsAt255AndStopsAtTheHeight) {
    auto c = state(3, 10);
    c.layers.row(kWorking, 1) = "ab";
    c.layers.row(kWorking, 2) = std::string(300, 'z');
    c.layers.row(kWorking, 3) = "x";
    c.layers.row(kWorking, 4) = "beyond";
    pad_layer(c, kWorking, 5);
    EXPECT_EQ(c.layers.row(kWorking, 1), "ab    ");
    EXPECT_EQ(c.layers.row(kWorking, 2), std::string(255, 'z'));
    EXPECT_EQ(c.layers.row(kWorking, 4), "beyond");
    pad_layer(c, kWorking, 255);  // 256 spaces would not fit
    EXPECT_EQ(c.layers.row(kWorking, 3), "x" + std::string(254, ' '));
}

TEST(CanvasWindow, LoadWindowPlacesLinesAndPads) {
    auto c = state(20, 10);
    const auto doc = doc_of({"one", "two", "three"});
    load_window(c, doc, 20);
    EXPECT_EQ(c.layers.row(kCommitted, 1), "one" + std::string(8, ' '));
    EXPECT_EQ(c.layers.row(kCommitted, 3), "three" + std::string(6, ' '));
    for (int r = 4; r <= 20; ++r) EXPECT_EQ(c.layers.row(kCommitted, r), std::string(11, ' '));
    EXPECT_EQ(c.width, 10);

    // Scroll position p puts line p in the bottom row.
    std::vector<std::string> lines;
    for (int i = 1; i <= 30; ++i) lines.push_back("L" + std::to_string(i));
    auto s = state(20, 10);
    load_window(s, doc_of(lines), 25);
    EXPECT_EQ(trailing_space_trim(s.layers.row(kCommitted, 1)), "L6");
    EXPECT_EQ(trailing_space_trim(s.layers.row(kCommitted, 20)), "L25");
}

TEST(CanvasWindow, LoadWindowWidthGrowsButNeverPast255) {
    auto c = state(4, 10);
    load_window(c, doc_of({"a", std::string(30, 'b')}), 4);
    EXPECT_EQ(c.width, 30);
    EXPECT_EQ(c.layers.row(kCommitted, 2), std::string(30, 'b'));
    EXPECT_EQ(c.layers.row(kCommitted, 1), "a" + std::string(30, ' '));
    // The width never shrinks on a shorter window.
    load_window(c, doc_of({"a"}), 4);
    EXPECT_EQ(c.width, 30);

    auto w = state(4, 10);
    std::string long_line;
    for (int i = 0; i < 400; ++i) long_line += static_cast<char>('a' + i % 26);
    load_window(w, doc_of({long_line, "x"}), 4);
    EXPECT_EQ(w.width, 255);
    EXPECT_EQ(w.layers.row(kCommitted, 1), long_line.substr(0, 255));
    EXPECT_EQ(w.layers.row(kCommitted, 2), "x" + std::string(254, ' '));
    EXPECT_EQ(w.layers.row(kCommitted, 4), std::string(255, ' '));
}

TEST(CanvasWindow, LoadWindowNormalisesInDoubleByteMode) {
    auto c = state(2, 4, true);
    load_window(c, doc_of({"a\xD6\xD0", "\xD6\xD0"}), 2);
    EXPECT_EQ(c.layers.row(kCommitted, 1), "a \xD6\xD0 ");
    // Row 1 grew to 5 bytes, so the width is 5 and row 2 is padded to 6.
    EXPECT_EQ(c.width, 5);
    EXPECT_EQ(c.layers.row(kCommitted, 2), "\xD6\xD0    ");
}

TEST(CanvasWindow, StoreWindowTrimsChangedRowsWithBlankOut) {
    auto c = state(5, 6, false, true);
    auto doc = doc_of({"ab", "cd"});
    load_window(c, doc, 5);
    c.layers.row(kCommitted, 2) = std::string(7, ' ');  // cleared by a tool
    c.layers.row(kCommitted, 1) = "ab  X  ";
    store_window(c, doc, 5);
    EXPECT_EQ(doc.lines, (std::vector<std::string>{"ab  X", " "}));

    // Without blank_out a changed row goes back as it stands.
    auto k = state(3, 6);
    auto kept = doc_of({"ab"});
    load_window(k, kept, 3);
    k.layers.row(kCommitted, 1) = "abc    ";
    store_window(k, kept, 3);
    EXPECT_EQ(kept.lines, (std::vector<std::string>{"abc    "}));
}

TEST(CanvasWindow, StoreWindowRemovesAddedBlankLinesButNotTheFirst) {
    // The only line cleared: it stays, as one space.
    auto c = state(5, 6, false, true);
    auto doc = doc_of({"ab"});
    load_window(c, doc, 5);
    c.layers.row(kCommitted, 1) = std::string(7, ' ');
    store_window(c, doc, 5);
    EXPECT_EQ(doc.lines, (std::vector<std::string>{" "}));

    // Blank rows below the document go away only up to the last written line.
    auto d = state(5, 6, false, true);
    auto doc2 = doc_of({"ab"});
    load_window(d, doc2, 5);
    d.layers.row(kCommitted, 3) = "x      ";
    store_window(d, doc2, 5);
    EXPECT_EQ(doc2.lines, (std::vector<std::string>{"ab", " ", "x"}));

    // Lines of one space the document had already are its own and stay.
    auto e = state(5, 6, false, true);
    auto doc3 = doc_of({"a", " ", " "});
    load_window(e, doc3, 5);
    store_window(e, doc3, 5);
    EXPECT_EQ(doc3.lines, (std::vector<std::string>{"a", " ", " "}));
}

std::vector<std::string> awkward_lines() {
    std::string split(254, 'a');  // a full-width character across bytes 255 and 256
    split += "\xD6\xD0";
    split += std::string(20, 'b');
    std::string wide;  // odd half-width runs between full-width ones: normalising moves them
    while (wide.size() < 1000) wide += "x\xB0\xA1yz\xCE\xC4";
    return {"",
            std::string(254, 'p'),
            std::string(255, 'q'),
            std::string(256, 'r'),
            std::string(1000, 's'),
            split,
            wide,
            "bad \x80 \xFF end\xD6",
            "  ",
            "last  "};
}

TEST(CanvasWindow, LoadAndStoreGiveTheDocumentBackByteForByte) {
    for (bool twin : {false, true}) {
        for (bool blank : {false, true}) {
            for (int height : {3, 10, 25}) {
                auto c = state(height, 40, twin, blank);
                const auto original = doc_of(awkward_lines());
                auto doc = original;
                // Every window position, as scrolling visits them.
                for (int p = height; p <= larger_of(doc.line_count(), height); ++p) {
                    load_window(c, doc, p);
                    store_window(c, doc, p);
                    ASSERT_EQ(doc.lines, original.lines) << "double " << twin << " blank " << blank
                                                         << " height " << height << " p " << p;
                }
            }
        }
    }
}

TEST(CanvasWindow, StoreAfterAResizeWithoutReloadWritesRowsToTheirOwnLines) {
    auto c = state(4, 10);
    const auto original = doc_of({"one", "two", "three", "four", "five", "six"});
    auto doc = original;
    load_window(c, doc, 5);
    c.height = 6;  // the window grew in normal mode; the layers were not reloaded
    store_window(c, doc, 6);
    EXPECT_EQ(doc.lines, original.lines);
}

TEST(CanvasWindow, AChangedRowOfALongLineKeepsItsTail) {
    const std::string line = std::string(1000, 's');
    auto c = state(2, 10);
    auto doc = doc_of({line, "short"});
    load_window(c, doc, 2);
    lay_pen(c, kCommitted, 1, 1, "X");
    store_window(c, doc, 2);
    EXPECT_EQ(doc.lines[0], "X" + line.substr(1));
    EXPECT_EQ(doc.lines[1], "short");

    // Double-byte mode: the row and its tail are the normalised line, split at byte 255.
    std::string wide;
    while (wide.size() < 600) wide += "a\xD6\xD0";
    const std::string normalised = double_byte_normalise(wide, true);
    auto d = state(1, 10, true);
    auto doc2 = doc_of({wide});
    load_window(d, doc2, 1);
    EXPECT_EQ(d.layers.row(kCommitted, 1), normalised.substr(0, 255));
    lay_pen(d, kCommitted, 2, 1, "\xCE\xC4");
    store_window(d, doc2, 1);
    std::string expected = normalised;
    expected.replace(2, 2, "\xCE\xC4");
    EXPECT_EQ(doc2.lines[0], expected);
}

TEST(CanvasWindow, CommitThenTwoUndosRestoresCanvasAndDocument) {
    auto c = state(3, 8);
    const auto original = doc_of({"abc", "def"});
    auto doc = original;
    load_window(c, doc, 3);
    copy_layer(c, kCommitted, kWorking);
    copy_layer(c, kCommitted, kUndo);

    lay_pen(c, kWorking, 2, 1, "Z");
    commit_layers(c, doc);
    // Commit stores the state before the operation; the next store brings the rest.
    EXPECT_EQ(doc.lines, original.lines);
    EXPECT_EQ(c.layers.row(kCommitted, 1).substr(0, 3), "aZc");
    store_window(c, doc, c.scroll);
    const auto edited = doc;
    EXPECT_EQ(edited.lines[0], "aZc      ");

    std::vector<std::string> before;
    for (int layer : {kCommitted, kWorking})
        for (int r = 1; r <= c.height; ++r) before.push_back(c.layers.row(layer, r));

    undo_layers(c, doc);
    EXPECT_EQ(doc.lines, original.lines);
    EXPECT_EQ(c.layers.row(kWorking, 1).substr(0, 3), "abc");
    EXPECT_EQ(c.layers.row(kCommitted, 1), c.layers.row(kWorking, 1));

    undo_layers(c, doc);
    std::vector<std::string> after;
    for (int layer : {kCommitted, kWorking})
        for (int r = 1; r <= c.height; ++r) after.push_back(c.layers.row(layer, r));
    EXPECT_EQ(after, before);
    EXPECT_EQ(doc.lines, edited.lines);
}

TEST(CanvasWindow, LayPenWritesOnlyInsideTheRow) {
    auto c = state(3, 255, true);
    for (int r = 1; r <= 4; ++r) c.layers.row(kWorking, r) = std::string(255, '.');
    lay_pen(c, kWorking, 3, 1, "\xD6\xD0");
    EXPECT_EQ(c.layers.row(kWorking, 1).substr(0, 8), "....\xD6\xD0..");
    lay_pen(c, kWorking, 1, 2, "a");  // a one-byte pen is followed by a space
    EXPECT_EQ(c.layers.row(kWorking, 2).substr(0, 3), "a .");
    // Cell 128 would need bytes 255 and 256: nothing is written.
    lay_pen(c, kWorking, 128, 3, "\xD6\xD0");
    EXPECT_EQ(c.layers.row(kWorking, 3), std::string(255, '.'));
    lay_pen(c, kWorking, 127, 3, "\xD6\xD0");  // bytes 253 and 254
    EXPECT_EQ(c.layers.row(kWorking, 3).substr(251), ".\xD6\xD0.");
    // Rows outside 1..height are left alone.
    lay_pen(c, kWorking, 1, 0, "\xD6\xD0");
    lay_pen(c, kWorking, 1, 4, "\xD6\xD0");
    EXPECT_EQ(c.layers.row(kWorking, 4), std::string(255, '.'));
    lay_pen(c, kWorking, 0, 1, "\xD6\xD0");
    lay_pen(c, kWorking, -3, 1, "\xD6\xD0");
    lay_pen(c, kWorking, 2, 1, "");
    EXPECT_EQ(c.layers.row(kWorking, 1).substr(0, 8), "....\xD6\xD0..");
    // A cell whose second byte the row lacks is left whole: no lead byte at the row's end.
    c.layers.row(kWorking, 2) = ".....";
    lay_pen(c, kWorking, 3, 2, "\xD6\xD0");
    EXPECT_EQ(c.layers.row(kWorking, 2), ".....");
    lay_pen(c, kWorking, 2, 2, "\xD6\xD0");
    EXPECT_EQ(c.layers.row(kWorking, 2), "..\xD6\xD0.");

    // Single-byte mode: only the first byte, never past the row's length.
    auto s = state(2, 10);
    s.layers.row(kWorking, 1) = "abcdef";
    lay_pen(s, kWorking, 3, 1, "XY");
    EXPECT_EQ(s.layers.row(kWorking, 1), "abXdef");
    lay_pen(s, kWorking, 7, 1, "Q");
    lay_pen(s, kWorking, 256, 1, "Q");
    EXPECT_EQ(s.layers.row(kWorking, 1), "abXdef");
}

TEST(CanvasWindow, FullWidthByteDetection) {
    auto c = state(2, 4);
    c.layers.row(kCommitted, 1) = "ab\x80 ";   // exactly 128 is no full-width byte
    c.layers.row(kCommitted, 2) = "    \xD6";  // beyond the width
    c.layers.row(kCommitted, 3) = "\xD6\xD0";  // beyond the height
    EXPECT_FALSE(has_full_width_byte(c));
    c.layers.row(kCommitted, 2) = "   \x81";
    EXPECT_TRUE(has_full_width_byte(c));
}

TEST(CanvasWindow, ScrollRange) {
    auto c = state(20, 10);
    std::vector<std::string> lines(100, "x");
    const auto r = scroll_range_for(c, doc_of(lines));
    EXPECT_EQ(r.minimum, 20);
    EXPECT_EQ(r.maximum, 100);
    EXPECT_EQ(r.position, 20);
    EXPECT_EQ(r.large_change, 20);
    EXPECT_EQ(scroll_range_for(c, doc_of({"a", "b"})).maximum, 20);
}

}  // namespace
}  // namespace quillo::canvas
