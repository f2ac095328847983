#pragma once

// A list whose contents come from a versioned directory (the institution list): forgetting the
// version makes the next update fetch the whole directory. The model resets it when it throws its
// data away for a reload.
class MDirectoryVersion {
  public:
    virtual void ResetVersion() = 0;

  protected:
    ~MDirectoryVersion() = default;
};
