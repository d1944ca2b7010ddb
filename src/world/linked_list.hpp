// The owning list of the game: the world's entities and the level's pieces. It deletes an
// element when the element leaves the list. Its iterator, which nothing but `erase` disturbs,
// serves the walks that may add at the tail.
#pragma once

#include <cstdint>

template <typename T>
class LinkedList {
    struct Node {
        Node* next = nullptr;
        Node* prev = nullptr;
        T* element = nullptr;
    };

public:
    class Iterator {
    public:
        T* operator*() const { return node->element; }
        Iterator& operator++()
        {
            node = node->next;
            return *this;
        }
        bool operator==(const Iterator& other) const { return node == other.node; }
        bool operator!=(const Iterator& other) const { return node != other.node; }

    private:
        friend class LinkedList;
        explicit Iterator(Node* at) : node(at) {}
        Node* node;
    };

    LinkedList() = default;
    ~LinkedList() { clear(); }
    LinkedList(const LinkedList&) = delete;
    LinkedList& operator=(const LinkedList&) = delete;

    // The list owns the element from here on.
    void pushBack(T* element)
    {
        Node* node = new Node{nullptr, tail, element};
        if (tail != nullptr) {
            tail->next = node;
        } else {
            head = node;
        }
        tail = node;
        ++count;
    }

    void pushFront(T* element)
    {
        Node* node = new Node{head, nullptr, element};
        if (head != nullptr) {
            head->prev = node;
        } else {
            tail = node;
        }
        head = node;
        ++count;
    }

    bool popBack()
    {
        if (tail == nullptr) {
            return false;
        }
        unlink(tail);
        return true;
    }

    // Deletes from the tail to the head.
    void clear()
    {
        while (popBack()) {
        }
    }

    std::int32_t size() const { return count; }

    Iterator begin() const { return Iterator(head); }
    Iterator end() const { return Iterator(nullptr); }

    // Deletes the element at `at` and returns the position after it.
    Iterator erase(Iterator at)
    {
        Node* following = at.node->next;
        unlink(at.node);
        return Iterator(following);
    }

private:
    void unlink(Node* node)
    {
        (node->prev != nullptr ? node->prev->next : head) = node->next;
        (node->next != nullptr ? node->next->prev : tail) = node->prev;
        --count;
        // Unlinked first, so an element's destructor never sees itself in the list.
        delete node->element;
        delete node;
    }

    std::int32_t count = 0;
    Node* head = nullptr;
    Node* tail = nullptr;
};
