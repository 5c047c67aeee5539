#include "update_handler.h"

#include "base/source/updatehandler.h"

namespace VSTGUI
{

void ensureUpdateHandler()
{
    if (Steinberg::FObject::getUpdateHandler())
        return;
    // Lives until the module unloads; it unregisters itself from FObject then, so
    // dependents that go later find no handler instead of a dead one.
    static Steinberg::UpdateHandler handler;
    (void)handler;
}

void triggerDeferredUpdates()
{
    if (auto* handler =
            dynamic_cast<Steinberg::UpdateHandler*>(Steinberg::FObject::getUpdateHandler()))
        handler->triggerDeferedUpdates();
}

} // namespace VSTGUI
