#include "ofx/OfxTransport.h"

#include <curl/curl.h>

#include <exception>
#include <memory>
#include <mutex>

namespace ofx {

namespace {

constexpr long kHttpOk = 200;
constexpr const char* kUserAgent = "Coinvale-OFX/1.0";
constexpr const char* kContentType = "Content-Type: application/x-ofx";
constexpr const char* kAccept = "Accept: application/x-ofx, application/ofx, */*";
constexpr const char* kNoExpect = "Expect:";  // no "100-continue" round trip
constexpr const char* kLoopbackNames[] = {"localhost", "[::1]", "::1"};
constexpr std::string_view kLoopbackPrefix = "127.";
constexpr const char* kNoProxyHosts = "localhost,127.0.0.1,::1";  // this machine is reached directly

std::mutex g_settingsMutex;
OfxTransportSettings g_settings;

void InitialiseCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
    void operator()(char* text) const { curl_free(text); }
};
template <typename T>
using CurlPtr = std::unique_ptr<T, CurlDeleter>;

// The part of a URL, lower case for the scheme; empty when it cannot be read.
std::string UrlPart(const std::string& url, CURLUPart part) {
    CurlPtr<CURLU> handle(curl_url());
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) {
        return {};
    }
    char* raw = nullptr;
    if (curl_url_get(handle.get(), part, &raw, 0) != CURLUE_OK) return {};
    CurlPtr<char> text(raw);
    return text.get();
}

struct TransferState {
    std::string* reply = nullptr;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
    const OfxTransport::Progress* progress = nullptr;
    bool cancelled = false;
    std::exception_ptr error;  // thrown by the progress function; rethrown after the transfer
};

std::size_t Receive(char* data, std::size_t size, std::size_t count, void* user) {
    auto* state = static_cast<TransferState*>(user);
    const std::size_t bytes = size * count;
    if (state->reply->size() + bytes > state->maxBytes) {
        state->tooLarge = true;
        return 0;  // stops the transfer
    }
    state->reply->append(data, bytes);
    return bytes;
}

int OnTransferProgress(void* user, curl_off_t /*downloadTotal*/, curl_off_t downloaded,
                       curl_off_t /*uploadTotal*/, curl_off_t /*uploaded*/) {
    auto* state = static_cast<TransferState*>(user);
    if (!*state->progress) return 0;
    try {
        if (!(*state->progress)(static_cast<std::uint32_t>(downloaded))) state->cancelled = true;
    } catch (...) {
        state->error = std::current_exception();
        return 1;
    }
    return state->cancelled ? 1 : 0;
}

OfxStatus MapCurlError(CURLcode code, const char* detail) {
    switch (code) {
        case CURLE_OPERATION_TIMEDOUT:
            return Failure(kErrorTimeout, res::IDS_OFX_TIMEOUT);
        case CURLE_COULDNT_RESOLVE_HOST:
            return Failure(kErrorNameNotResolved, res::IDS_OFX_UNREACHABLE, detail);
        case CURLE_COULDNT_CONNECT:
            return Failure(kErrorCannotConnect, res::IDS_OFX_UNREACHABLE, detail);
        case CURLE_GOT_NOTHING:
        case CURLE_PARTIAL_FILE:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
            return Failure(kErrorConnectionReset, res::IDS_OFX_CONNECTION_BROKEN, detail);
        case CURLE_PEER_FAILED_VERIFICATION:
            return Failure(kErrorInvalidCa, res::IDS_OFX_CERTIFICATE, detail);
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_USE_SSL_FAILED:
            return Failure(kErrorSecureChannel, res::IDS_OFX_SECURE_CHANNEL, detail);
        case CURLE_FAILED_INIT:
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_SSL_ENGINE_NOTFOUND:
        case CURLE_SSL_ENGINE_SETFAILED:
        case CURLE_SSL_ENGINE_INITFAILED:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_OUT_OF_MEMORY:
            return Failure(kErrorNoConnection, res::IDS_OFX_NO_NETWORK, detail);
        case CURLE_URL_MALFORMAT:
            return Failure(kErrorInvalidUrl, res::IDS_OFX_BAD_ADDRESS);
        default:
            return Failure(kErrorConnectionReset, res::IDS_OFX_TRANSFER_FAILED, detail);
    }
}

}  // namespace

void OfxTransport::SetSettings(const OfxTransportSettings& settings) {
    std::lock_guard lock(g_settingsMutex);
    g_settings = settings;
}

OfxTransportSettings OfxTransport::Settings() {
    std::lock_guard lock(g_settingsMutex);
    return g_settings;
}

bool OfxTransport::IsLoopback(const std::string& url) {
    InitialiseCurl();
    const std::string host = UrlPart(url, CURLUPART_HOST);
    if (host.empty()) return false;
    if (host.starts_with(kLoopbackPrefix) &&
        host.find_first_not_of("0123456789.") == std::string::npos) {
        return true;
    }
    for (const char* name : kLoopbackNames) {
        if (host == name) return true;
    }
    return false;
}

OfxStatus OfxTransport::Post(const std::string& url, const std::string& body, std::string& reply) {
    return Perform(url, &body, reply);
}

OfxStatus OfxTransport::Get(const std::string& url, std::string& reply) {
    return Perform(url, nullptr, reply);
}

OfxStatus OfxTransport::Perform(const std::string& url, const std::string* body,
                                std::string& reply) {
    InitialiseCurl();
    reply.clear();
    const std::string scheme = UrlPart(url, CURLUPART_SCHEME);
    if (scheme.empty()) return Failure(kErrorInvalidUrl, res::IDS_OFX_BAD_ADDRESS);
    if (scheme != "https" && !(scheme == "http" && IsLoopback(url))) {
        return Failure(kErrorUnrecognizedScheme, res::IDS_OFX_INSECURE_ADDRESS);
    }
    const OfxTransportSettings settings = Settings();
    CurlPtr<CURL> curl(curl_easy_init());
    if (!curl) return MapCurlError(CURLE_FAILED_INIT, "");

    TransferState state;
    state.reply = &reply;
    state.maxBytes = settings.maxReplyBytes;
    state.progress = &m_progress;
    char detail[CURL_ERROR_SIZE] = {};
    CurlPtr<curl_slist> headers;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, scheme.c_str());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_NOPROXY, kNoProxyHosts);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(c, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
    if (!settings.caFile.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, settings.caFile.c_str());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, settings.connectTimeoutMs);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, settings.timeoutMs);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Receive);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, OnTransferProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &state);
    if (body != nullptr) {
        for (const char* line : {kContentType, kAccept, kNoExpect}) {
            curl_slist* extended = curl_slist_append(headers.get(), line);
            if (extended == nullptr) throw std::bad_alloc();
            headers.release();
            headers.reset(extended);
        }
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, body->data());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
    }

    const CURLcode code = curl_easy_perform(c);
    if (state.error) std::rethrow_exception(state.error);
    if (state.cancelled) return Failure(kErrorCancelled, res::IDS_OFX_CANCELLED);
    if (state.tooLarge) return Failure(kErrorUnreadable, res::IDS_OFX_REPLY_TOO_LARGE);
    if (code != CURLE_OK) {
        reply.clear();
        return MapCurlError(code, detail[0] != '\0' ? detail : curl_easy_strerror(code));
    }
    long httpStatus = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &httpStatus);
    if (httpStatus != kHttpOk) {
        reply.clear();
        return Failure(kErrorInvalidServerResponse, res::IDS_OFX_HTTP_STATUS, httpStatus);
    }
    return {};
}

}  // namespace ofx
