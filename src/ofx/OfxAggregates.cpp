#include "ofx/OfxAggregates.h"

#include <algorithm>
#include <initializer_list>

namespace ofx {

namespace {

struct ContentModel {
    std::string_view aggregate;
    std::initializer_list<std::string_view> elements;
};

// The content of the aggregates of statement replies (OFX 1.0.2 to 2.2).
const ContentModel kModels[] = {
    {"OFX",
     {"SIGNONMSGSRSV1", "SIGNUPMSGSRSV1", "BANKMSGSRSV1", "CREDITCARDMSGSRSV1", "INVSTMTMSGSRSV1",
      "INTERXFERMSGSRSV1", "WIREXFERMSGSRSV1", "BILLPAYMSGSRSV1", "EMAILMSGSRSV1",
      "SECLISTMSGSRSV1", "PRESDIRMSGSRSV1", "PRESDLVMSGSRSV1", "PROFMSGSRSV1", "TAX1099MSGSRSV1"}},
    {"SIGNONMSGSRSV1", {"SONRS", "PINCHTRNRS", "CHALLENGETRNRS"}},
    {"SONRS",
     {"STATUS", "DTSERVER", "USERKEY", "TSKEYEXPIRE", "LANGUAGE", "DTPROFUP", "DTACCTUP", "FI",
      "SESSCOOKIE", "ACCESSKEY", "ACCESSTOKEN"}},
    {"STATUS", {"CODE", "SEVERITY", "MESSAGE"}},
    {"FI", {"ORG", "FID"}},
    {"BANKMSGSRSV1",
     {"STMTTRNRS", "STMTENDTRNRS", "STPCHKTRNRS", "INTRATRNRS", "RECINTRATRNRS", "BANKMAILTRNRS",
      "BANKMAILSYNCRS", "STPCHKSYNCRS", "INTRASYNCRS", "RECINTRASYNCRS"}},
    {"CREDITCARDMSGSRSV1", {"CCSTMTTRNRS", "CCSTMTENDTRNRS"}},
    {"STMTTRNRS", {"TRNUID", "CLTCOOKIE", "STATUS", "STMTRS"}},
    {"CCSTMTTRNRS", {"TRNUID", "CLTCOOKIE", "STATUS", "CCSTMTRS"}},
    {"STMTRS",
     {"CURDEF", "BANKACCTFROM", "BANKTRANLIST", "BANKTRANLISTP", "LEDGERBAL", "AVAILBAL",
      "CASHADVBALAMT", "INTRATE", "BALLIST", "MKTGINFO"}},
    {"CCSTMTRS",
     {"CURDEF", "CCACCTFROM", "BANKTRANLIST", "BANKTRANLISTP", "LEDGERBAL", "AVAILBAL",
      "CASHADVBALAMT", "INTRATEPURCH", "INTRATECASH", "INTRATEXFER", "REWARDINFO", "BALLIST",
      "MKTGINFO"}},
    {"BANKACCTFROM", {"BANKID", "BRANCHID", "ACCTID", "ACCTTYPE", "ACCTKEY"}},
    {"CCACCTFROM", {"ACCTID", "ACCTKEY"}},
    {"BANKTRANLIST", {"DTSTART", "DTEND", "STMTTRN"}},
    {"STMTTRN",
     {"TRNTYPE",      "DTPOSTED",      "DTUSER",   "DTAVAIL",      "TRNAMT",       "FITID",
      "CORRECTFITID", "CORRECTACTION", "SRVRTID",  "CHECKNUM",     "REFNUM",       "SIC",
      "PAYEEID",      "NAME",          "EXTDNAME", "PAYEE",        "BANKACCTTO",   "CCACCTTO",
      "MEMO",         "IMAGEDATA",     "CURRENCY", "ORIGCURRENCY", "INV401KSOURCE"}},
    {"PAYEE",
     {"NAME", "ADDR1", "ADDR2", "ADDR3", "CITY", "STATE", "POSTALCODE", "COUNTRY", "PHONE"}},
    {"LEDGERBAL", {"BALAMT", "DTASOF"}},
    {"AVAILBAL", {"BALAMT", "DTASOF"}},
};

const ContentModel* ModelOf(std::string_view aggregate) {
    const auto* found = std::find_if(
        std::begin(kModels), std::end(kModels),
        [aggregate](const ContentModel& model) { return model.aggregate == aggregate; });
    return found != std::end(kModels) ? found : nullptr;
}

}  // namespace

bool IsKnownAggregate(std::string_view aggregate) {
    return ModelOf(aggregate) != nullptr;
}

bool MayHold(std::string_view aggregate, std::string_view element) {
    const ContentModel* model = ModelOf(aggregate);
    if (model == nullptr || element.find('.') != std::string_view::npos) return true;
    return std::find(model->elements.begin(), model->elements.end(), element) !=
           model->elements.end();
}

}  // namespace ofx
