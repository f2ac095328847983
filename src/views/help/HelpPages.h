#pragma once

#include <span>
#include <string_view>

// The help pages built into the program: one text per topic, from the files help/<Topic>.txt of
// the source tree (compiled in when the program is built).
//
// A page's first line is its title. Then come paragraphs, separated by blank lines; the lines of
// a paragraph are joined and wrapped to the screen's width, except that a line starting with
// "- " begins an item of a list. "[[Topic]]" or "[[Topic|words]]" links to another page.
namespace views {

struct HelpPageText {
    std::string_view topic;
    std::string_view text;  // UTF-8
};

std::span<const HelpPageText> HelpPageTexts();

}  // namespace views
