# F1 and the help button open the help beside the program with its default program.
expect-status 1 "■"
key Image1 F1
expect-opened "quillo_help.htm"
click ToolButton8
expect-opened "quillo_help.htm"
expect-no-message
