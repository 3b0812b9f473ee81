# The options dialog through its own controls: the page it opens on, Cancel keeps, OK applies,
# and the registration with the desktop, all inside the user's folders of this run (home/).
window 640 320

# F4 opens it on the colour page; the controls of the other pages are hidden.
click n_option
expect-text option_form "Quillo——高级设置选项"
expect-visible Label16 true
expect-visible C_Box_bak false
# Cancel: a colour chosen, a slider moved and a level picked are all dropped.
answer-colour 0x00FF00
click Label17
click TabSheet4
set long_bar 10
expect-hint long_bar "10"
click diff1
click option_form.Button2
expect-pixel 1 1 0xD4D0C8

# The game menu opens it on the game page, showing what is in effect.
click n_game_option
expect-visible long_bar true
expect-visible Label16 false
expect-value long_bar 2
expect-checked diff2 true
expect-checked RadioB_old_body true
expect-enabled Memo1 false
click RadioButton2
expect-enabled Memo1 true
click Button2

# OK: the canvas takes the background chosen, at once.
click n_option
answer-colour 0x00FF00
click Label17
answer-colour-cancel
click Label16
# The hand-off program must be one that runs.
click TabSheet2
expect-text outwork_edit "quillo.exe"
answer-file "/etc/passwd"
click Button3
expect-message "“/etc/passwd”不是可以运行的程序，请另选一个。"
expect-text outwork_edit "quillo.exe"
answer-file "/bin/sh"
click Button3
expect-text outwork_edit "/bin/sh"
click Button1
expect-pixel 1 1 0x00FF00
expect-no-message
click n_option
click TabSheet2
expect-text outwork_edit "/bin/sh"
click Button2

# Registration: the default text editor, colour files and the context entry; then undone.
click n_option
click TabSheet3
expect-enabled o_sb_set_txt_0 false
expect-enabled o_sb_set_txt_4 false
click o_sb_set_txt_2
expect-message "信息已经成功注入注册表！"
expect-enabled o_sb_set_txt_2 false
expect-enabled o_sb_set_txt_0 true
click o_sb_set_txt_3
expect-message "信息已经成功注入注册表！"
click o_sb_set_txt_1
expect-message "信息已经成功注入注册表！"
expect-enabled o_sb_set_txt_1 false
expect-file home/.config/mimeapps.list "[Default Applications]\ntext/plain=quillo-open.desktop;\napplication/x-quillo-clo=quillo-open.desktop;\n[Added Associations]\ntext/plain=quillo-edit.desktop;\n"
expect-exists home/.local/share/applications/quillo-open.desktop
expect-exists home/.local/share/applications/quillo-edit.desktop
expect-exists home/.local/share/mime/packages/quillo-clo.xml
# Shortcuts: in the applications menu; on the desktop only once there is a desktop folder.
click CBox_shortcut_in_start
expect-exists home/.local/share/applications/quillo.desktop
click CBox_shortcut_on_desk
expect-no-file home/Desktop/quillo.desktop
expect-no-message
click Button2

# Shown again, the buttons say what is registered.
click n_option
click TabSheet3
expect-enabled o_sb_set_txt_1 false
expect-enabled o_sb_set_txt_2 false
expect-enabled o_sb_set_txt_3 false
click o_sb_set_txt_0
expect-message "已经成功恢复注册表！"
expect-enabled o_sb_set_txt_0 false
expect-enabled o_sb_set_txt_2 true
expect-no-file home/.config/mimeapps.list
expect-no-file home/.local/share/applications/quillo-open.desktop
expect-no-file home/.local/share/applications/quillo-edit.desktop
expect-no-file home/.local/share/mime/packages/quillo-clo.xml
expect-exists home/.local/share/applications/quillo.desktop
click Button1
