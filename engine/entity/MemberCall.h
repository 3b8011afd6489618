#pragma once
// CallMember: calls a member function of an owner through a member-function
// pointer, as state machines and triggers call their owner's callbacks.
//
// The pointer may name a member of one of the owner's base classes (a valid
// conversion that carries the this-adjustment). GCC's vptr sanitizer checks
// the adjusted object against the owner's class and reports such calls as
// errors when they are not, so this one call is exempt from that check.

#include <utility>  // std::forward of the arguments

namespace Engine {

template <typename T, typename Member, typename... Args>
__attribute__((no_sanitize("vptr"))) inline auto CallMember(T* owner, Member member, Args&&... args) {
    return (owner->*member)(std::forward<Args>(args)...);
}

}  // namespace Engine
