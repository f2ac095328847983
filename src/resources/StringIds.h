#pragma once

// Ids of the string table. Ranges keep the areas apart:
//   1-99       the product and general texts
//   100-999    the data model: built-in names and the messages of its operations
//   1000-2999  the window system, controls and the shell
//   3000-      later areas (online banking, screens)
namespace res {

enum StringId : int {
    IDS_NONE = 0,
    IDS_APP_NAME = 1,  // "Coinvale": the title of every message box

    // 3000-3099: the online-banking library. The details it gives with an error code: they are
    // shown inside the online error message. printf-style arguments, narrow text.
    IDS_OFX_CANCELLED = 3000,
    IDS_OFX_TIMEOUT = 3001,
    IDS_OFX_UNREACHABLE = 3002,            // %s: the transfer's own detail
    IDS_OFX_CONNECTION_BROKEN = 3003,      // %s
    IDS_OFX_NO_NETWORK = 3004,             // %s
    IDS_OFX_INSECURE_ADDRESS = 3005,
    IDS_OFX_BAD_ADDRESS = 3006,
    IDS_OFX_SECURE_CHANNEL = 3007,         // %s
    IDS_OFX_CERTIFICATE = 3008,            // %s
    IDS_OFX_HTTP_STATUS = 3009,            // %ld: the HTTP status
    IDS_OFX_REPLY_TOO_LARGE = 3010,
    IDS_OFX_TRANSFER_FAILED = 3011,        // %s
    IDS_OFX_NO_SERVER = 3012,
    IDS_OFX_UNSUPPORTED_VERSION = 3013,    // %s: the version text
    IDS_OFX_NOT_OFX = 3014,
    IDS_OFX_INCOMPLETE = 3015,
    IDS_OFX_TOO_DEEP = 3016,
    IDS_OFX_MISSING_ELEMENT = 3017,        // %s: the element's name
    IDS_OFX_BAD_STATUS = 3018,
    IDS_OFX_BANK_ERROR = 3019,             // %d: the bank's status code
    IDS_OFX_BAD_DATE = 3020,               // %s: the transaction's id
    IDS_OFX_BAD_AMOUNT = 3021,             // %s: the transaction's id
    IDS_OFX_BAD_BALANCE = 3022,            // %s: the balance text
    IDS_OFX_NO_PASSWORD_RULES = 3023,
    IDS_OFX_BAD_ACCOUNT = 3024,
    IDS_FIDB_UNREADABLE = 3025,            // %s: the directory's location
    IDS_FIDB_DAMAGED = 3026,               // %d: the line number
    IDS_FIDB_UNKNOWN_INSTITUTION = 3027,   // %u: the institution id
};

}  // namespace res
