#pragma once

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

namespace cli {

class CTextTable;

// Where a command's result goes: standard output, as text for people or, with --json, as one
// JSON document (UTF-8, indented) for programs.
class COutput {
  public:
    COutput(std::FILE* out, bool json) : m_out(out), m_json(json) {}

    bool IsJson() const { return m_json; }
    std::FILE* Stream() const { return m_out; }
    void Json(const nlohmann::ordered_json& document) const;
    void Table(const CTextTable& table) const;
    void Line(const std::string& text) const;

  private:
    std::FILE* m_out;
    bool m_json;
};

}  // namespace cli
