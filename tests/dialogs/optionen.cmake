# Tests of the options dialog.
