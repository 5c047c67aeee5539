#include "update_handler.h"

#include "base/source/updatehandler.h"

namespace VSTGUI
{

void ensureUpdateHandler()
{
    if (Steinberg::FObject::getUpdateHandler())
        return;
    // Lives for the rest of the process: dependents may unregister at any later time.
    static Steinberg::UpdateHandler* handler = new Steinberg::UpdateHandler;
    (void)handler;
}

void triggerDeferredUpdates()
{
    if (auto* handler =
            dynamic_cast<Steinberg::UpdateHandler*>(Steinberg::FObject::getUpdateHandler()))
        handler->triggerDeferedUpdates();
}

} // namespace VSTGUI
