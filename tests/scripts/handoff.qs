# The work handed to a new instance of Quillo: written to a numbered text file named after the
# document - here a name with blanks, quotes and a full-width character - and the program
# started with that file as its one argument, never through a shell.
document "data/two \"cats\" 猫.txt"
window 160 96
click n_quillo_out
expect-started quillo "temp/two \"cats\" 猫_v1.txt"
expect-file "temp/two \"cats\" 猫_v1.txt" "猫 cat\r\n  \r\nend\r\n"
expect-no-message

# In normal editing mode the text box is handed over as it stands, to a file of its own.
click n_view
key source_memo Ctrl+End
type source_memo "!"
click n_quillo_out
expect-started quillo "temp/two \"cats\" 猫_v2.txt"
expect-file "temp/two \"cats\" 猫_v2.txt" "猫 cat\r\n  \r\nend!\r\n"
expect-file "temp/two \"cats\" 猫_v1.txt" "猫 cat\r\n  \r\nend\r\n"
