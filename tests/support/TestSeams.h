#pragma once

// Puts every seam of the ui layer, and the file layer's refused locks, injected faults and
// once-per-run notices, back to the real behaviour.
void resetSeamsForTests();
