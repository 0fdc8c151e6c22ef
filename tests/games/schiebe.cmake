# Tests of the shared game parts and the sliding puzzle.
