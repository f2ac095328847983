#include "ofx/OfxStatus.h"

#include "platform/sys/CodePage.h"
#include "resources/StringTable.h"

namespace ofx {

std::string LoadNarrow(res::StringId id) {
    return sys::WideToAnsi(res::LoadString(id));
}

}  // namespace ofx
