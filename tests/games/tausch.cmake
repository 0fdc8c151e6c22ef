# Tests of the swap puzzle and the picture riddle.
