#pragma once

#include <cstdint>
#include <string>

#include "ofx/OfxStatus.h"

namespace ofx {
class FiDirectory;
}

// The institution directory client: one object per call. It reads the directory (FiDirectory.h)
// from its location, a file path or an https:// URL (plain http only to this machine); with no
// location set it reads the directory that ships with the program. A call answers true on
// success; on failure Error() and ErrorMessage() tell why (1223 when OnProgress answered false).
// Every handler begins with OnProgress: true to go on, false to cancel. The other callbacks
// answer 0, or an error code that ends the call and becomes its error.
class CFidbClient {
  public:
    class MUpdateFiListEventHandler {
      public:
        virtual bool OnProgress(std::uint32_t value) = 0;
        virtual int OnFiAdded(std::uint32_t id, const char* name) = 0;
        virtual int OnFiChanged(std::uint32_t id, const char* name) = 0;
        virtual int OnFiRemoved(std::uint32_t id) = 0;
        virtual int OnFiListVersion(std::uint32_t version) = 0;

      protected:
        ~MUpdateFiListEventHandler() = default;
    };

    class MUpdateFiItemEventHandler {
      public:
        virtual bool OnProgress(std::uint32_t value) = 0;
        // The institution's five connection parameters: server URL, ORG, FID, OFX version and
        // application ("APPID:APPVER"), with their version.
        virtual int OnFiItem(std::uint32_t id, std::uint32_t version, const char* p1,
                             const char* p2, const char* p3, const char* p4, const char* p5) = 0;

      protected:
        ~MUpdateFiItemEventHandler() = default;
    };

    // Where the directory is read from: a path or a URL; empty for the built-in directory.
    static void SetDirectoryLocation(const std::string& location);
    static std::string DirectoryLocation();

    // Brings a list of institutions from `listVersion` to the directory's version: OnFiAdded,
    // OnFiChanged and OnFiRemoved for what changed after that version, in directory order, then
    // OnFiListVersion. A list at version 0, or at a version the directory never had, gets every
    // institution through OnFiAdded.
    bool UpdateFiList(std::uint32_t listVersion, MUpdateFiListEventHandler& handler);

    // The connection parameters of one institution, through OnFiItem when they are newer than
    // `version`. 1168 when the directory no longer has the institution.
    bool UpdateFiItem(std::uint32_t id, std::uint32_t version, MUpdateFiItemEventHandler& handler);

    int Error() const { return m_error; }
    const char* ErrorMessage() const { return m_errorMessage.c_str(); }

  private:
    template <typename Handler>
    ofx::OfxStatus Load(Handler& handler, ofx::FiDirectory& directory);
    bool Finish(ofx::OfxStatus status);

    int m_error = ofx::kOk;
    std::string m_errorMessage;
};
