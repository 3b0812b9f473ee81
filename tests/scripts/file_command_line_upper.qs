# On the command line an upper-case ".TXT" is a text document too (unlike in the open dialog);
# without a colour file beside it the colour layer is clear.
document "data/Upper.TXT"
expect-no-message
expect-status 5 "data/Upper.TXT"
expect-lines 2
expect-row-trim 1 1 "UPPER case"
expect-row-trim 1 2 "name"
expect-colour 1 1 0 0 0 0
