#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ofx/OfxStatus.h"
#include "storage/DateTime.h"

class Stream;

namespace ofx {
struct OfxDocument;
struct OfxInstitution;
}  // namespace ofx

// The online-banking client: one object per call. Each call signs on to the bank's OFX server,
// sends one request, reads the reply and hands its contents to the handler, in the order of the
// reply. A call answers true on success; on failure Error() and ErrorMessage() tell why (the
// codes of ofx/OfxStatus.h; 1223 when the handler's OnProgress answered false).
//
// Texts are narrow (Windows-1252), zero-terminated; a null text is taken as empty. P1-P5 are the
// institution's connection parameters in directory order: server URL, ORG, FID, OFX version,
// application ("APPID:APPVER"). Profile is the bank's profile text as GetProfile delivered it.
//
// Every handler begins with OnProgress, called before the request and during the transfer and
// the delivery: true to go on, false to cancel. The other callbacks answer 0, or an error code
// that ends the call and becomes its error.
class COfxClient {
  public:
    // The user and password OFX defines for the anonymous profile request.
    static constexpr const char* kAnonymous = "anonymous00000000000000000000000";

    class MGetProfileEventHandler {
      public:
        virtual bool OnProgress(std::uint32_t value) = 0;
        virtual int OnProfile(const char* profile) = 0;

      protected:
        ~MGetProfileEventHandler() = default;
    };

    class MGetAccountInfoEventHandler {
      public:
        virtual bool OnProgress(std::uint32_t value) = 0;
        virtual int OnBankAccount(const char* routingNumber, const char* accountNumber,
                                  const char* accountType) = 0;
        virtual int OnCreditCardAccount(const char* accountNumber) = 0;

      protected:
        ~MGetAccountInfoEventHandler() = default;
    };

    class MGetStatementEventHandler {
      public:
        virtual bool OnProgress(std::uint32_t value) = 0;
        // The statement's currency and account number, before its lines.
        virtual int OnStatementInfo(const char* currency, const char* accountNumber) = 0;
        // One statement line: the posting date as YYYYMMDDHHMMSS (OfxDateTimeToPalmDateTime
        // reads it), the amount as NormalizeAmount writes it, the transaction type in upper
        // case, the check number, payee, memo and the bank's transaction id.
        virtual int OnTransaction(const char* datePosted, const char* amount, const char* type,
                                  const char* checkNumber, const char* payee, const char* memo,
                                  const char* transactionId) = 0;
        // Just before OnTransaction, for a line whose payee, memo or other texts had to be
        // changed to be passed on: characters Windows-1252 lacks replaced by the closest it has
        // (or "?"), control characters by blanks.
        virtual int OnTextChanged() { return 0; }
        // After every line: the marker to hand back with the next statement request.
        virtual int OnDownloadMarker(const char* marker) = 0;
        // The ledger balance, when the bank gave one.
        virtual int OnLedgerBalance(const char* amount) = 0;

      protected:
        ~MGetStatementEventHandler() = default;
    };

    class MChangePasswordEventHandler {
      public:
        virtual bool OnProgress(std::uint32_t value) = 0;

      protected:
        ~MChangePasswordEventHandler() = default;
    };

    class MGetPasswordCriteriaEventHandler {
      public:
        virtual bool OnProgress(std::uint32_t value) = 0;
        // The 6-byte password rules (ofx::PasswordCriteria); answers 1 once it has copied them,
        // 0 when it did not want them, anything else as an error.
        virtual int OnPasswordCriteria(const std::uint8_t* criteria) = 0;

      protected:
        ~MGetPasswordCriteriaEventHandler() = default;
    };

    // The bank's profile, signed on with `user` and `password` (the anonymous pair OFX defines).
    // With force false only a profile newer than the one given is asked for.
    bool GetProfile(const char* user, const char* password, const char* p1, const char* p2,
                    const char* p3, const char* p4, const char* p5, const char* profile,
                    MGetProfileEventHandler& handler, bool force);

    // The customer's accounts at the bank.
    bool GetAccountInfo(const char* customerId, const char* password, const char* p1,
                        const char* p2, const char* p3, const char* p4, const char* p5,
                        const char* profile, MGetAccountInfoEventHandler& handler);

    // The statement of one account from the download marker on (everything the bank keeps when
    // the marker is empty). A bank account needs its routing number and account type text
    // ("CHECKING", "SAVINGS", "MONEYMRKT", "CREDITLINE"); an empty routing number asks for a
    // credit-card statement.
    bool GetStatement(const char* customerId, const char* password, const char* p1, const char* p2,
                      const char* p3, const char* p4, const char* p5, const char* profile,
                      const char* routingNumber, const char* accountNumber, const char* accountType,
                      const char* downloadMarker, MGetStatementEventHandler& handler);

    bool ChangePassword(const char* customerId, const char* oldPassword, const char* newPassword,
                        const char* p1, const char* p2, const char* p3, const char* p4,
                        const char* p5, const char* profile, MChangePasswordEventHandler& handler);

    // The password rules from a profile text; no connection is made.
    bool GetPasswordCriteria(Stream& profile, MGetPasswordCriteriaEventHandler& handler);

    // The statements of a file saved from a bank's web site (OFX or QFX, either form), delivered
    // as a statement download delivers them, one after another in the order of the file: bank
    // statements, then credit-card statements. No connection is made. A file without a sign-on
    // is taken as it is; one with a failed sign-on, a statement with an error status or a line
    // that cannot be read fails with nothing of that statement delivered. A file that holds no
    // statement (an account list, say) succeeds without delivering anything.
    bool ReadStatementFile(std::string_view bytes, MGetStatementEventHandler& handler);

    // An OFX date-time as a DateTime: the bank's date and time of day as written (the zone is
    // not applied); 0 for a text that is not a valid date.
    static DateTime OfxDateTimeToPalmDateTime(const char* text);

    int Error() const { return m_error; }
    const char* ErrorMessage() const { return m_errorMessage.c_str(); }

  private:
    template <typename Handler>
    ofx::OfxStatus Exchange(const ofx::OfxInstitution& institution, const std::string& request,
                            Handler& handler, ofx::OfxDocument& reply, std::string& replyText);
    bool Finish(ofx::OfxStatus status);

    int m_error = ofx::kOk;
    std::string m_errorMessage;
};
