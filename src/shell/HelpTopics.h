#pragma once

#include <string>
#include <string_view>

// The help topic of each screen: the help key opens "Coinvale.htm#" followed by the topic of the
// current view. Views without a topic open no help.
namespace shell {

inline constexpr std::string_view kHelpFile = "Coinvale.htm";

// The topic of a view, or the empty text.
std::string_view HelpTopicFor(int view);
// "Coinvale.htm#Topic", or the empty text for a view without a topic.
std::string HelpPageFor(int view);

}  // namespace shell
