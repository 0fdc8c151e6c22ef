# Tests of the page writers and templates.
