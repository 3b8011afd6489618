#pragma once
// cListenerList: the non-owning, ordered list of listeners of one input source.
//
// The window, the keyboard state and the mouse state each keep one. Adding
// appends and sets the listener's `registered` flag; removing clears the flag
// and erases the listener keeping the order of the rest. Notify calls every
// listener in registration order and tolerates listeners that add or remove
// listeners (themselves included) from inside the call: it walks a snapshot
// and skips any entry that has left the list meanwhile, so a listener removed
// and destroyed during a dispatch is never called.

#include <algorithm>  // std::find
#include <cstddef>
#include <vector>

#include "engine/core/cLog.h"

namespace Engine {

template <typename Listener>
class cListenerList {
public:
    // Appends a listener; a null pointer or one already on the list is refused.
    void Add(Listener* listener) {
        if (listener == nullptr) {
            LogError("a null listener cannot be registered");
            return;
        }
        if (Contains(listener)) {
            LogError("a listener was registered twice; the second registration is ignored");
            return;
        }
        items.push_back(listener);
        listener->registered = true;
    }

    // Clears the listener's flag and erases it, if present, keeping the order.
    void Remove(Listener* listener) {
        if (listener == nullptr) return;
        listener->registered = false;
        auto found = std::find(items.begin(), items.end(), listener);
        if (found != items.end()) items.erase(found);
    }

    // True when the listener is on the list.
    bool Contains(const Listener* listener) const {
        return std::find(items.begin(), items.end(), listener) != items.end();
    }

    // Calls call(listener) on every listener, in registration order.
    template <typename Call>
    void Notify(Call call) const {
        const std::vector<Listener*> snapshot = items;
        for (Listener* listener : snapshot) {
            if (Contains(listener)) call(*listener);
        }
    }

    // The listeners in registration order.
    const std::vector<Listener*>& Items() const { return items; }

private:
    std::vector<Listener*> items;
};

}  // namespace Engine
