#pragma once

// What travels with a navigation besides the command and its 32-bit parameter.
//
// A view that saves state produces a CViewState of its own kind when it is left; the navigation
// stack owns it until Back hands it to a new object of the same view, which reads it, and then
// frees it. A view that hands an object to the screen it opens (a review request, a record the
// next screen edits) wraps it in a CNavigationPayload; the controller owns it until the new screen
// takes it while it is being created, and frees it if that screen does not take it.
namespace shell {

class CViewState {
  public:
    virtual ~CViewState() = default;
};

class CNavigationPayload {
  public:
    virtual ~CNavigationPayload() = default;
};

}  // namespace shell
