#include "pad_controller_wp.h"

namespace VSTGUI
{
using namespace Steinberg::Vst;

CPadControllerWP::CPadControllerWP(IController* baseController, EditController* editController,
                                   Parameter* xParam, Parameter* yParam)
    : PadController(baseController, editController, xParam, yParam)
{
}

CPadControllerWP::~CPadControllerWP() = default;
} // namespace VSTGUI
