#pragma once

#include <string>

// The online password prompt: the bank's name, a second line chosen by the caller (the account
// number at the bank during downloads, the customer id during set-up) and a password field. The
// password given serves the one operation that asked for it; nobody stores it.
class MPasswordPrompt {
  public:
    // True with the password (narrow text, never empty) in `password`; false, with `password`
    // emptied, when the user cancelled.
    virtual bool AskPassword(const char* bankName, const char* secondLine,
                             std::string& password) = 0;

  protected:
    ~MPasswordPrompt() = default;
};
