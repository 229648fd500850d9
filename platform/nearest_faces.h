// The installed faces nearest to the templates' fonts, for machines that lack them.
#pragma once

// The faces nearest to templateFace (CP932), best first, separated by commas; empty for a
// face that has none listed.
const char* NearestFaces(const char* templateFace);
