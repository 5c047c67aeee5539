#pragma once

#include "control_descriptor.h"

#include <cstdint>

// Owned, ordered, singly linked list of descriptors. A control's position in
// this list is its parameter id on the host side, so the order is a contract.
class CControlList
{
public:
    CControlList() = default;
    CControlList(const CControlList&) = delete;
    CControlList& operator=(const CControlList&) = delete;
    ~CControlList();

    std::int32_t count() const;
    CControlDescriptor* at(std::int32_t position);
    const CControlDescriptor* at(std::int32_t position) const;

    void append(const CControlDescriptor& descriptor);
    void prepend(const CControlDescriptor& descriptor);
    void insertAfter(std::int32_t position, const CControlDescriptor& descriptor);
    void update(const CControlDescriptor& descriptor);
    void remove(const CControlDescriptor& descriptor);
    void clear();

private:
    struct Node;
    Node* head = nullptr;
};
