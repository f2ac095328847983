#pragma once

// A pipe a program writes to itself, so that a wait on descriptors (WaitForEvents) ends when
// another thread or a signal's handler asks it to: Wake from anywhere, wait on ReadFd, then Drain.
namespace sys {

class CWakePipe {
  public:
    CWakePipe();
    ~CWakePipe();
    CWakePipe(const CWakePipe&) = delete;
    CWakePipe& operator=(const CWakePipe&) = delete;

    bool IsOpen() const { return m_read >= 0; }
    int ReadFd() const { return m_read; }
    // Safe in a signal handler and from any thread; several wakes before a drain count once.
    void Wake() const;
    // Empties the pipe; answers whether a wake was waiting.
    bool Drain() const;

  private:
    int m_read = -1;
    int m_write = -1;
};

}  // namespace sys
