#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ofx/OfxElement.h"
#include "ofx/OfxStatus.h"

namespace ofx {

// A parsed OFX reply.
struct OfxDocument {
    bool xml = false;   // the reply had an OFX 2.x (XML) header
    bool utf8 = false;  // its texts were UTF-8 and have been converted
    OfxElement root;    // the OFX element
};

// The tolerant reader of OFX replies, both forms:
// - OFX 1.x: an SGML header of "KEY:VALUE" lines (blank lines before it and any line ending
//   accepted), then SGML whose leaf elements need no closing tag;
// - OFX 2.x: an XML declaration and an <?OFX ...?> instruction, then XML; closing tags of leaf
//   elements may still be missing, as some servers write them;
// - no header at all.
// Texts are turned into narrow Windows-1252: UTF-8 (declared, or the XML default) is converted
// when it is well formed, anything else is taken as Windows-1252. Entities (&amp; &lt; &gt; &quot;
// &apos; &nbsp; and numeric ones) and CDATA sections are decoded; comments and instructions are
// skipped.
//
// An element left open when a closing tag of an enclosing element arrives was a leaf: what
// followed it inside belongs to the enclosing element. Aggregates whose content the reader knows
// (OfxAggregates.h) are the exception: a start tag they cannot hold, or the end of an enclosing
// aggregate, ends them with what they hold, as banks that leave out their closing tags expect. A
// reply whose OFX element is never closed is incomplete and refused, so a cut reply never passes
// for a shorter one. Bad bytes never crash the reader; nesting deeper than kMaxDepth is refused.
class OfxParser {
  public:
    static constexpr std::size_t kMaxDepth = 40;

    // Reads a reply. 0, or 53 with a message when it holds no OFX element, is cut short or is
    // nested too deeply.
    static OfxStatus Parse(std::string_view bytes, OfxDocument& document);

  private:
    OfxParser(std::string_view body, bool utf8, OfxElement& root)
        : m_body(body), m_utf8(utf8), m_root(root) {}

    OfxStatus Run();
    OfxStatus Open(std::string name);
    void Close(const std::string& name);
    // Ends the open aggregates that cannot hold an element of that name.
    void EndAggregatesNotHolding(const std::string& name);
    void PopImplicit();
    void AddText(std::string_view raw, bool decodeEntities);

    std::string_view m_body;
    bool m_utf8;
    OfxElement& m_root;
    std::vector<OfxElement*> m_open;
    bool m_rootClosed = false;
};

}  // namespace ofx
