#pragma once

// Opcodes of the VST 2.4 dispatcher (host to plug-in) and of the host
// callback (plug-in to host). Only numbers are fixed by the ABI; every opcode
// a host may send is listed, including those the dispatcher ignores.

#include <cstdint>

namespace vst2
{

enum class Opcode : std::int32_t
{
    open = 0,
    close = 1,
    setProgram = 2,
    getProgram = 3,
    setProgramName = 4,
    getProgramName = 5,
    getParamLabel = 6,
    getParamDisplay = 7,
    getParamName = 8,
    setSampleRate = 10,
    setBlockSize = 11,
    mainsChanged = 12,
    editGetRect = 13,
    editOpen = 14,
    editClose = 15,
    editIdle = 19,
    getChunk = 23,
    setChunk = 24,
    processEvents = 25,
    canBeAutomated = 26,
    string2Parameter = 27,
    getProgramNameIndexed = 29,
    getInputProperties = 33,
    getOutputProperties = 34,
    getPlugCategory = 35,
    setSpeakerArrangement = 42,
    setBypass = 44,
    getEffectName = 45,
    getVendorString = 47,
    getProductString = 48,
    getVendorVersion = 49,
    vendorSpecific = 50,
    canDo = 51,
    getTailSize = 52,
    idle = 53,
    getParameterProperties = 56,
    getVstVersion = 58,
    getSpeakerArrangement = 69,
    startProcess = 71,
    stopProcess = 72,
    setProcessPrecision = 77,
    getNumMidiInputChannels = 78,
    getNumMidiOutputChannels = 79,
};

enum class HostOpcode : std::int32_t
{
    automate = 0,
    version = 1,
    currentId = 2,
    idle = 3,
    getTime = 7,
    ioChanged = 13,
    sizeWindow = 15,
    getSampleRate = 16,
    getBlockSize = 17,
    getCurrentProcessLevel = 23,
    getVendorString = 32,
    getProductString = 33,
    getVendorVersion = 34,
    canDo = 37,
    updateDisplay = 42,
    beginEdit = 43,
    endEdit = 44,
};

// Values of the process-precision opcode.
enum class ProcessPrecision : std::int32_t
{
    single = 0,
    doublePrecision = 1,
};

} // namespace vst2
