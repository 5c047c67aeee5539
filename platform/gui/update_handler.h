#pragma once

namespace VSTGUI
{

// Makes sure the SDK's update handler exists: without it parameters can't tell
// their dependents (bound controls, sub-controllers) about changes. Safe to call
// any number of times; an update handler made elsewhere is kept.
void ensureUpdateHandler();

// Delivers the changes that objects deferred to idle time.
void triggerDeferredUpdates();

} // namespace VSTGUI
