#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ofx {

// One element of a parsed OFX document: its name (upper case), the text of a leaf (entities
// decoded, white space trimmed, narrow Windows-1252), and the children of an aggregate in
// document order.
struct OfxElement {
    std::string name;
    std::string text;
    std::vector<OfxElement> children;
    bool altered = false;  // the text had characters Windows-1252 lacks, now replaced

    // The first direct child with this name, or null.
    const OfxElement* Child(std::string_view childName) const;

    // The element at a path of direct children ("STMTRS/BANKACCTFROM/ACCTID"), or null.
    const OfxElement* Find(std::string_view path) const;

    // The text of the element at the path, or the empty text when there is none.
    const std::string& TextAt(std::string_view path) const;
};

}  // namespace ofx
