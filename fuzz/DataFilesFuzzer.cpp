// Every list file and the account file, read from damaged or hostile bytes. The first byte
// chooses the reader; the rest is the file.
#include <cstdint>
#include <memory>

#include "FuzzSupport.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountFile.h"
#include "model/CCVCategoryList.h"
#include "model/CCVPayeeList.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CClassList.h"
#include "model/CCurrencyList.h"
#include "model/CScheduledList.h"
#include "model/CTransactionTypeList.h"
#include "online/CFiList.h"

namespace {

template <typename List>
void LoadList(const std::string& path) {
    List list;
    list.LoadFile(path);
    // What was read can be written again.
    std::vector<std::uint8_t> bytes;
    list.SaveToBytes(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string& path = fuzz::WriteTempFile(fuzz::Text(data + 1, size - 1));
    constexpr int kReaders = 9;
    switch (data[0] % kReaders) {
        case 0: {
            CCVAccount account;
            CCVAccountFile::Load(account, path, nullptr);
            account.RecomputeBalances();
            account.GetRegisterRows(0);
            break;
        }
        case 1:
            LoadList<CCVCategoryList>(path);
            break;
        case 2:
            LoadList<CCVPayeeList>(path);
            break;
        case 3:
            LoadList<CCVPayeeLookUpList>(path);
            break;
        case 4:
            LoadList<CClassList>(path);
            break;
        case 5:
            LoadList<CCurrencyList>(path);
            break;
        case 6:
            LoadList<CTransactionTypeList>(path);
            break;
        case 7:
            LoadList<CScheduledList>(path);
            break;
        default:
            LoadList<CFiList>(path);
            break;
    }
    return 0;
}
