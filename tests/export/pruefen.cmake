# Tests of the checks before writing.
