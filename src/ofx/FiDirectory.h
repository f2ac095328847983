#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ofx/OfxStatus.h"

namespace ofx {

// The institution directory: every institution that offers online access, with its connection
// parameters, and the history that lets a program holding an older copy catch up.
//
// The directory file is UTF-8 text, one record a line, fields separated by tabs; blank lines
// and lines starting with '#' are ignored; a line may end in CR LF:
//   COINVALE FI DIRECTORY 1                              the first line
//   VERSION  <v>                                         the directory's version, once
//   FI  <id> <added> <changed> <params> <name> <url> <org> <fid> <ofx version> <app id:version>
//   REMOVED  <id> <removed>
// Numbers are unsigned 32-bit decimals. <added> is the directory version that brought the
// institution, <changed> the version of its last change of name (neither above <v>), <params>
// the version of its five connection parameters (1 or more). A REMOVED line tells in which version
// an institution left the directory. An id appears on one line only; ids and names are not empty.
class FiDirectory {
  public:
    static constexpr std::string_view kMagic = "COINVALE FI DIRECTORY 1";

    struct Institution {
        std::uint32_t id = 0;
        std::uint32_t added = 0;
        std::uint32_t changed = 0;
        std::uint32_t parametersVersion = 0;
        std::string name;  // narrow Windows-1252
        std::string url;
        std::string org;
        std::string fid;
        std::string ofxVersion;
        std::string application;
    };

    struct Removal {
        std::uint32_t id = 0;
        std::uint32_t removed = 0;
    };

    // Reads a directory file's text; 53 with the line number when it is damaged.
    OfxStatus Parse(std::string_view text);

    std::uint32_t Version() const { return m_version; }
    const std::vector<Institution>& Institutions() const { return m_institutions; }
    const std::vector<Removal>& Removals() const { return m_removals; }
    const Institution* Find(std::uint32_t id) const;

    // The directory that ships with the program.
    static std::string_view BuiltIn();

  private:
    bool ParseLine(std::string_view line, bool& sawVersion);
    bool HasId(std::uint32_t id) const;

    std::uint32_t m_version = 0;
    std::vector<Institution> m_institutions;
    std::vector<Removal> m_removals;
};

}  // namespace ofx
