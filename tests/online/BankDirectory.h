#pragma once

// The institution directory of the online tests: one bank, id 7 "Seven", at a given address,
// in a directory file of a temporary folder; the transfers get short time-outs. Everything is
// put back when the guard goes.
#include <cstdint>
#include <string>
#include <vector>

#include "ofx/CFidbClient.h"
#include "ofx/OfxTransport.h"
#include "support/TempFolder.h"

namespace online_testing {

class BankDirectory {
  public:
    static constexpr std::uint32_t kBankId = 7;
    static constexpr long kConnectTimeoutMs = 1000;
    static constexpr long kTimeoutMs = 2000;

    explicit BankDirectory(const std::string& url) {
        ofx::OfxTransportSettings settings;
        settings.connectTimeoutMs = kConnectTimeoutMs;
        settings.timeoutMs = kTimeoutMs;
        ofx::OfxTransport::SetSettings(settings);
        Write(url, 1);
        CFidbClient::SetDirectoryLocation(Path());
    }
    ~BankDirectory() {
        CFidbClient::SetDirectoryLocation("");
        ofx::OfxTransport::SetSettings({});
    }
    BankDirectory(const BankDirectory&) = delete;
    BankDirectory& operator=(const BankDirectory&) = delete;

    // The bank's server address and the version of its connection parameters.
    void Write(const std::string& url, int parametersVersion) const {
        const std::string text =
            "COINVALE FI DIRECTORY 1\nVERSION\t3\nFI\t" + std::to_string(kBankId) + "\t1\t1\t" +
            std::to_string(parametersVersion) + "\tSeven\t" + url + "\tFAKE\t1234\t211\t\n";
        testing_support::WriteBytes(Path(), std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    std::string Path() const { return m_temp.File("directory.txt"); }
    const testing_support::TempFolder& Folder() const { return m_temp; }

  private:
    testing_support::TempFolder m_temp;
};

}  // namespace online_testing
