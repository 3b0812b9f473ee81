#pragma once
// The HTML page of the text art: head, optional title, a centred table holding one line of cells
// per pixel row. GBK bytes, CR LF after every line.
#include <string>
#include <string_view>
#include <vector>

#include "imagetext/conversion.h"
#include "platform/colours.h"

namespace quillo::imagetext {

enum class Backdrop { none, black, board };

struct PageOptions {
    bool css = true;                                      // RB_Css: the line-height style line
    Backdrop table = Backdrop::none;                      // RB_Backcolor_*
    Backdrop page = Backdrop::none;                       // RBh_Backcolor_*
    platform::WinColour board = platform::kClBtnFace;     // LB_ColorBoard: canvas background
    platform::WinColour board_text = platform::kClBlack;  // the canvas text colour
    std::string title;                                    // GBK, Edit_title; empty: no heading
};

// Table width in pixels: 8 per pixel + 16 with half-width grey characters, else 16 + 32.
int page_table_width(int w, int table_kind);

// The whole page. The text source is rewound first; grey characters and text characters are
// escaped with the full set, the solid block and the pen text are written as they are.
std::string image_page(const Picture& resolution, const PageOptions& options,
                       const ConversionRules& rules);

// The cells of every pixel row, one string per row, as image_page writes them: what the upload
// dialog publishes through a page template. The text source is rewound first.
std::vector<std::string> image_rows(const Picture& resolution, const ConversionRules& rules);

// Texts of the window (UTF-8).
inline constexpr std::string_view kPageDone = "已输出为HTM文件，请注意保存!";
inline constexpr std::string_view kDefaultTitle = "我的作品";

}  // namespace quillo::imagetext
