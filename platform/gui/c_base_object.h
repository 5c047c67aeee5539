#pragma once

#include "vstgui_types.h"

#include <cstring>

namespace VSTGUI
{

enum CMessageResult
{
    kMessageUnknown = 0,
    kMessageNotified = 1,
};

// Root of every reference-counted toolkit object. A new object carries one
// reference; `forget` drops one and deletes the object with the last.
class CBaseObject
{
public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) : nbReference(1) {}
    CBaseObject& operator=(const CBaseObject&) { return *this; }
    virtual ~CBaseObject() = default;

    virtual void remember() { ++nbReference; }
    virtual void forget()
    {
        if (--nbReference == 0)
            delete this;
    }
    int32_t getNbReference() const { return nbReference; }

    // Messages are compared by identity: senders pass their own string constants.
    virtual CMessageResult notify(CBaseObject* sender, IdStringPtr message)
    {
        (void)sender;
        (void)message;
        return kMessageUnknown;
    }

    virtual bool isTypeOf(IdStringPtr s) const { return std::strcmp(s, "CBaseObject") == 0; }
    virtual IdStringPtr getClassName() const { return "CBaseObject"; }
    // A new object of the same class with this one's state, or null if the class can't copy.
    virtual CBaseObject* newCopy() const { return nullptr; }

private:
    int32_t nbReference{1};
};

// Points `slot` at `object`, holding one reference to the new object and
// dropping the one held on the previous object; false when it already pointed
// there.
template <typename T> bool exchangeReference(T*& slot, T* object)
{
    if (slot == object)
        return false;
    if (object)
        object->remember();
    if (slot)
        slot->forget();
    slot = object;
    return true;
}

} // namespace VSTGUI

// Type identity by class name: `isTypeOf` answers for the class and all its bases.
#define CLASS_IDENTITY(name, parent)                                                               \
    bool isTypeOf(VSTGUI::IdStringPtr s) const override                                            \
    {                                                                                              \
        return std::strcmp(s, #name) == 0 || parent::isTypeOf(s);                                  \
    }                                                                                              \
    VSTGUI::IdStringPtr getClassName() const override                                              \
    {                                                                                              \
        return #name;                                                                              \
    }

#define CLASS_METHODS(name, parent)                                                                \
    CLASS_IDENTITY(name, parent)                                                                   \
    VSTGUI::CBaseObject* newCopy() const override                                                  \
    {                                                                                              \
        return new name(*this);                                                                    \
    }

#define CLASS_METHODS_NOCOPY(name, parent)                                                         \
    CLASS_IDENTITY(name, parent)                                                                   \
    VSTGUI::CBaseObject* newCopy() const override                                                  \
    {                                                                                              \
        return nullptr;                                                                            \
    }
