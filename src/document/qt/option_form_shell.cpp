// The options dialog's actions on the desktop: registering Quillo for text and colour files,
// undoing that, and the shortcuts. The work is done by platform/desktop_integration; the
// buttons and messages are the dialog's.
#include <QCheckBox>
#include <QToolButton>

#include "canvas/qt/quillo.h"
#include "document/qt/option_form.h"

namespace quillo::document {

namespace {
constexpr char kRegistered[] = "信息已经成功注入注册表！";
constexpr char kRegisterFailed[] = "信息注入注册表失败！";
constexpr char kRestored[] = "已经成功恢复注册表！";
constexpr char kRestoreFailed[] = "恢复注册表数据失败！";
constexpr char kShortcutFailed[] = "快捷方式建立失败！";
}  // namespace

platform::DesktopIntegration Toption_form::desktop_integration() const {
    platform::DesktopIntegration d;
    d.dirs = platform::xdg_dirs_from_environment();
    const auto& dir = main_.context().program_dir;
    d.program = dir / "quillo";
    std::error_code ec;
    if (std::filesystem::is_regular_file(dir / "quillo.svg", ec)) d.icon = dir / "quillo.svg";
    d.run_helper = platform::installed_helper_runner();
    return d;
}

void Toption_form::show_registration_state() {
    const auto state = platform::registration_state(desktop_integration());
    o_sb_set_txt_1->setEnabled(!state.context_entry);
    o_sb_set_txt_2->setEnabled(!state.text_default);
    o_sb_set_txt_3->setEnabled(!state.colour_default);
    o_sb_set_txt_0->setEnabled(!(o_sb_set_txt_1->isEnabled() && o_sb_set_txt_2->isEnabled() &&
                                 o_sb_set_txt_3->isEnabled()));
}

void Toption_form::o_sb_set_txt_1Click() {
    const bool ok = platform::register_context_entry(desktop_integration());
    o_sb_set_txt_0->setEnabled(true);
    o_sb_set_txt_1->setEnabled(false);
    main_.ui().message(ok ? kRegistered : kRegisterFailed);
}

void Toption_form::o_sb_set_txt_2Click(const QAbstractButton* sender) {
    const auto d = desktop_integration();
    bool ok = false;
    if (sender == o_sb_set_txt_2) {
        ok = platform::register_text_default(d);
        o_sb_set_txt_2->setEnabled(false);
    } else {
        ok = platform::register_colour_files(d);
        o_sb_set_txt_3->setEnabled(false);
    }
    o_sb_set_txt_0->setEnabled(true);
    main_.ui().message(ok ? kRegistered : kRegisterFailed);
}

void Toption_form::o_sb_set_txt_0Click() {
    const bool ok = platform::undo_registration(desktop_integration());
    o_sb_set_txt_0->setEnabled(false);
    for (auto* b : {o_sb_set_txt_1, o_sb_set_txt_2, o_sb_set_txt_3}) b->setEnabled(true);
    main_.ui().message(ok ? kRestored : kRestoreFailed);
}

void Toption_form::CBox_shortcutClick(platform::ShortcutPlace place) {
    // No desktop folder: no shortcut, and nothing to say.
    if (platform::create_shortcut(desktop_integration(), place) == platform::ShortcutResult::failed)
        main_.ui().message(kShortcutFailed);
}

}  // namespace quillo::document
