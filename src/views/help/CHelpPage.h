#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One help page laid out for a width: its title, its lines, and where its links stand on them.
// Blocks keep the blank lines between them; a list follows its introducing line directly when
// no blank line stands between them.
namespace views {

class CHelpPage {
  public:
    // A stretch of a line that belongs to link `link`.
    struct Span {
        int link = 0;
        int line = 0;
        int start = 0;
        int length = 0;
    };

    // Parses a page in the form HelpPages.h describes.
    explicit CHelpPage(std::string_view text);
    // The built-in page of a topic, or nothing.
    static std::optional<CHelpPage> Find(std::string_view topic);

    const std::wstring& Title() const { return m_title; }
    // Wraps the page to `width` cells (at least 10).
    void Layout(int width);
    const std::vector<std::wstring>& Lines() const { return m_lines; }
    const std::vector<Span>& Spans() const { return m_spans; }
    // The topics the links lead to, in the order they appear.
    const std::vector<std::string>& LinkTopics() const { return m_links; }
    // The first line that shows link `link`, or -1.
    int LineOfLink(int link) const;

  private:
    struct Word {
        std::wstring text;
        int link = -1;
        bool spaceBefore = true;
    };
    struct Block {
        std::vector<Word> words;
        bool item = false;       // an item of a list: indented under its dash
        bool gapBefore = false;  // a blank line stood before it
    };

    void Parse(std::string_view text);
    void LayoutBlock(const Block& block, int width);

    std::wstring m_title;
    std::vector<Block> m_blocks;
    std::vector<std::string> m_links;
    std::vector<std::wstring> m_lines;
    std::vector<Span> m_spans;
};

}  // namespace views
