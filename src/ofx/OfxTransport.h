#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "ofx/OfxStatus.h"

namespace ofx {

// How transfers are made; one setting for the whole program (tests shorten the time-outs).
struct OfxTransportSettings {
    static constexpr long kDefaultConnectTimeoutMs = 30'000;
    static constexpr long kDefaultTimeoutMs = 120'000;
    static constexpr std::size_t kDefaultMaxReplyBytes = 8 * 1024 * 1024;

    long connectTimeoutMs = kDefaultConnectTimeoutMs;  // to set up the connection
    long timeoutMs = kDefaultTimeoutMs;                // for the whole transfer
    std::size_t maxReplyBytes = kDefaultMaxReplyBytes;
    std::string caFile;  // certificate authorities to trust; empty: the system's
};

// One HTTPS transfer through libcurl, with the server's certificate and host name checked. Plain
// HTTP is refused except to this machine (127.0.0.0/8, ::1, localhost); redirects are not
// followed. The progress function is called during the transfer with the bytes received so far;
// its false answer stops the transfer with 1223. Failures are mapped to the codes of OfxStatus.h.
class OfxTransport {
  public:
    using Progress = std::function<bool(std::uint32_t)>;

    static void SetSettings(const OfxTransportSettings& settings);
    static OfxTransportSettings Settings();

    explicit OfxTransport(Progress progress) : m_progress(std::move(progress)) {}

    // Posts an OFX request; the reply body comes back in `reply`.
    OfxStatus Post(const std::string& url, const std::string& body, std::string& reply);

    // Fetches a document.
    OfxStatus Get(const std::string& url, std::string& reply);

    // True when the URL names this machine; false also for a URL that cannot be read.
    static bool IsLoopback(const std::string& url);

  private:
    OfxStatus Perform(const std::string& url, const std::string* body, std::string& reply);

    Progress m_progress;
};

}  // namespace ofx
