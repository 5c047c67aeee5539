#pragma once

// Hooks that the module entry code calls once when the module is loaded and
// once when it is unloaded. The plug-in defines both; a false result from
// `InitModule` makes the host reject the module.
bool InitModule();
bool DeinitModule();

// The handle (Linux: the shared object's handle, macOS: the bundle) the host
// passed to the entry call, or null outside an entry/exit pair.
extern void* moduleHandle;
