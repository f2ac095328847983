#include "cli/COutput.h"

#include "cli/CTextTable.h"

namespace cli {
namespace {

constexpr int kJsonIndent = 2;

}  // namespace

void COutput::Json(const nlohmann::ordered_json& document) const {
    // Stored text becomes UTF-8 before it gets here; anything else is replaced, never thrown on.
    const std::string text =
        document.dump(kJsonIndent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    std::fprintf(m_out, "%s\n", text.c_str());
}

void COutput::Table(const CTextTable& table) const {
    table.Write(m_out);
}

void COutput::Line(const std::string& text) const {
    std::fprintf(m_out, "%s\n", text.c_str());
}

}  // namespace cli
