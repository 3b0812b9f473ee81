#include "document/settings.h"

#include "platform/gbk.h"

namespace quillo::document {

Settings::Settings()
    : snake_body(platform::utf8_to_gbk(
          "欢迎使用QUILLO 贪吃蛇游戏，想使用自己喜欢的话作为蛇的身体，请在此写下来吧！")) {}

Settings shipped_settings() {
    Settings s;
    s.pen_font_color = 0x000000;
    // Grey tables of the image window, darkest character first.
    s.gray_pen = {platform::utf8_to_gbk("厲嵌懒傳蛤凯来旯圀国困园四三二一"), "@%#*+=-:. ",
                  platform::utf8_to_gbk("龘鬱龍国田回日口十二一、　")};
    return s;
}

}  // namespace quillo::document
