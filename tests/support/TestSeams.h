#pragma once

// Puts every seam of the ui layer back to the real behaviour.
void resetSeamsForTests();
