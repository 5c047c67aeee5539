#pragma once

class CPlugIn;

// Allocates and constructs the effect engine. The caller owns the result and
// destroys it through `CPlugIn`'s virtual destructor.
CPlugIn* createEngine();
