#include "control_list.h"

struct CControlList::Node
{
    explicit Node(const CControlDescriptor& source) : descriptor(source) {}

    CControlDescriptor descriptor;
    Node* next = nullptr;
};

CControlList::~CControlList()
{
    clear();
}

std::int32_t CControlList::count() const
{
    std::int32_t n = 0;
    for (const Node* node = head; node != nullptr; node = node->next)
        ++n;
    return n;
}

CControlDescriptor* CControlList::at(std::int32_t position)
{
    if (position < 0)
        return nullptr;
    Node* node = head;
    for (; node != nullptr && position > 0; --position)
        node = node->next;
    return node != nullptr ? &node->descriptor : nullptr;
}

const CControlDescriptor* CControlList::at(std::int32_t position) const
{
    return const_cast<CControlList*>(this)->at(position);
}

void CControlList::append(const CControlDescriptor& descriptor)
{
    Node** link = &head;
    while (*link != nullptr)
        link = &(*link)->next;
    *link = new Node(descriptor);
}

void CControlList::prepend(const CControlDescriptor& descriptor)
{
    Node* node = new Node(descriptor);
    node->next = head;
    head = node;
}

void CControlList::insertAfter(std::int32_t position, const CControlDescriptor& descriptor)
{
    if (position < 0)
        return;
    Node* previous = head;
    for (; previous != nullptr && position > 0; --position)
        previous = previous->next;
    if (previous == nullptr)
        return;
    Node* node = new Node(descriptor);
    node->next = previous->next;
    previous->next = node;
}

void CControlList::update(const CControlDescriptor& descriptor)
{
    for (Node* node = head; node != nullptr; node = node->next)
    {
        if (node->descriptor.controlId == descriptor.controlId)
        {
            node->descriptor = descriptor;
            return;
        }
    }
}

void CControlList::remove(const CControlDescriptor& descriptor)
{
    // Read the id first: the argument may be the very node being freed.
    const std::uint32_t id = descriptor.controlId;
    for (Node** link = &head; *link != nullptr; link = &(*link)->next)
    {
        if ((*link)->descriptor.controlId == id)
        {
            Node* doomed = *link;
            *link = doomed->next;
            delete doomed;
            return;
        }
    }
}

void CControlList::clear()
{
    while (head != nullptr)
    {
        Node* next = head->next;
        delete head;
        head = next;
    }
}
