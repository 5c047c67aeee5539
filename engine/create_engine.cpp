#include "create_engine.h"

#include "nettlesheave.h"

CPlugIn* createEngine()
{
    return new CNettlesheave();
}
