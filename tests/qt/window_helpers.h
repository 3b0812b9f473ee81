#pragma once
// Small helpers the window tests share: a file's bytes, a settings key changed before the window
// starts, mouse events as the platform delivers them, and the texts of the messages shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"

namespace quillo::testing {

inline std::string file_bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Replaces the first `from` of the file by `to`: a key of the settings file changed before the
// window starts.
inline void replace_in_file(const std::filesystem::path& p, const std::string& from,
                            const std::string& to) {
    std::string bytes = file_bytes(p);
    const auto at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    bytes.replace(at, from.size(), to);
    std::ofstream(p, std::ios::binary) << bytes;
}

// A left-button mouse event at a point of `w`, with the button held but for the release.
inline void send_mouse(QWidget* w, QEvent::Type type, QPointF at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// The centre of canvas cell (c, r): 8 pixels wide in single-byte mode, 16 in double-byte mode.
inline QPointF cell_centre(bool double_byte, int c, int r) {
    const int pitch = double_byte ? 16 : 8;
    return QPointF((c - 1) * pitch + pitch / 2, (r - 1) * 16 + 8);
}

// The texts of the message boxes shown since the last look, which it takes away.
inline std::vector<std::string> message_texts(platform::ScriptedUi& ui) {
    std::vector<std::string> out;
    for (const auto& s : ui.take_shown())
        if (s.kind == platform::ScriptedUi::Shown::message) out.push_back(s.text);
    return out;
}

}  // namespace quillo::testing
