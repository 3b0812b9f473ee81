#include "extras/qt/print_painter.h"

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QPrinter>
#include <QRawFont>

#include "extras/printing.h"

namespace quillo::extras {

namespace {

// GNU Unifont is the canvas font: its half-width glyphs are half an em wide and its full-width
// ones a whole em, as the columns are. Glyphs are placed one by one at their columns all the
// same, so a glyph of another width (or another font, when Unifont is missing) cannot shift the
// rest of the line. Real glyphs rather than pictures of them keep the text searchable and
// copyable in a PDF file.
QRawFont print_font(double pixels) {
    QFont font(QStringLiteral("Unifont"));
    font.setStyleStrategy(QFont::NoFontMerging);
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName() != QLatin1String("Unifont"))
        raw = QRawFont::fromFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    raw.setPixelSize(pixels);
    return raw;
}

QColor qcolour(platform::Rgb rgb) {
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

void spans_for(const PrintJob& job, const PrintedLine& printed, std::vector<PrintSpan>& out) {
    if (!job.coloured || !job.layer) {
        out.assign(1, PrintSpan{printed.byte_begin, printed.byte_end, 0x000000, false, 0xFFFFFF});
        return;
    }
    colour_spans(*job.layer, printed.source + 1, job.cells, job.lines[std::size_t(printed.source)],
                 job.double_byte, job.restore, job.canvas_text, job.canvas_back, printed.byte_begin,
                 printed.byte_end, out);
}

class PagePainter {
  public:
    PagePainter(QPainter& painter, const PrintJob& job, const PrintLayout& layout)
        : painter_(painter), job_(job), layout_(layout), font_(print_font(layout.em)) {}

    void fill(const PrintedLine& printed) {
        spans_for(job_, printed, spans_);
        for (const auto& s : spans_) {
            if (!s.filled) continue;
            painter_.fillRect(QRectF(x_of(printed, s.byte_begin), printed.y,
                                     (s.byte_end - s.byte_begin) * layout_.column, layout_.pitch),
                              qcolour(s.back));
        }
    }

    void write(const PrintedLine& printed) {
        spans_for(job_, printed, spans_);
        // Characters are read from the line's start, never from a span's: a span may begin
        // inside a full-width character, which then takes the colour of the span it starts in.
        const std::string& line = job_.lines[std::size_t(printed.source)];
        print_chars(line, printed.byte_begin, printed.byte_end, chars_);
        const double baseline = printed.y + font_.ascent();
        std::size_t next = 0;
        for (const auto& s : spans_) {
            text_.clear();
            positions_.clear();
            for (; next < chars_.size() && chars_[next].byte < s.byte_end; ++next) {
                const PrintChar& c = chars_[next];
                text_ += QChar(char16_t(c.code <= 0xFFFF ? c.code : 0xFFFD));
                positions_.append(QPointF(x_of(printed, c.byte), baseline));
            }
            if (text_.isEmpty()) continue;
            QGlyphRun run;
            run.setRawFont(font_);
            run.setGlyphIndexes(font_.glyphIndexesForString(text_));
            run.setPositions(positions_);
            painter_.setPen(qcolour(s.text));
            painter_.drawGlyphRun(QPointF(0, 0), run);
        }
    }

  private:
    double x_of(const PrintedLine& printed, int byte) const {
        return (byte - printed.byte_begin) * layout_.column;
    }

    QPainter& painter_;
    const PrintJob& job_;
    const PrintLayout& layout_;
    QRawFont font_;
    std::vector<PrintSpan> spans_;
    std::vector<PrintChar> chars_;
    QString text_;
    QList<QPointF> positions_;
};

}  // namespace

bool paint_print_job(QPrinter& printer, const PrintJob& job) {
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const PageGeometry page{printer.logicalDpiX(), area.width(), area.height()};
    const std::vector<int> extents =
        job.coloured && job.layer
            ? coloured_extents(*job.layer, job.cells, job.lines, job.double_byte)
            : plain_extents(job.lines);
    const PrintLayout layout = layout_print(job.lines, extents, page);

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PagePainter pages(painter, job, layout);
    std::size_t first = 0;
    for (int p = 0; p < layout.pages; ++p) {
        if (p > 0) printer.newPage();
        std::size_t last = first;
        while (last < layout.lines.size() && layout.lines[last].page == p) ++last;
        // Backgrounds first: a glyph reaches a little below its line, into the next one's.
        if (job.coloured)
            for (std::size_t i = first; i < last; ++i) pages.fill(layout.lines[i]);
        for (std::size_t i = first; i < last; ++i) pages.write(layout.lines[i]);
        first = last;
    }
    return painter.end();
}

}  // namespace quillo::extras
