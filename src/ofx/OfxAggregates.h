#pragma once

#include <string_view>

// What the reader knows of the OFX document type: the elements that the aggregates of sign-on
// and statement replies may hold. SGML lets a writer leave out the closing tag of an aggregate
// where the document type makes it plain; a reader without the document type cannot tell an
// unclosed aggregate from an empty leaf. For the aggregates named here it can: a start tag that
// the aggregate cannot hold but an aggregate around it can ends it, as it would for an SGML
// reader with the document type.
namespace ofx {

// Whether the reader knows what the aggregate may hold.
bool IsKnownAggregate(std::string_view aggregate);

// Whether the known aggregate may hold the element. Names with a "." (a vendor's own elements,
// "INTU.BID") may stand in any aggregate; an unknown aggregate holds anything.
bool MayHold(std::string_view aggregate, std::string_view element);

}  // namespace ofx
