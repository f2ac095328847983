#include "views/help/CHelpPage.h"

#include <algorithm>
#include <cwctype>

#include "platform/sys/CodePage.h"
#include "views/help/HelpPages.h"

namespace views {
namespace {

constexpr std::string_view kLinkOpen = "[[";
constexpr std::string_view kLinkClose = "]]";
constexpr std::string_view kItemMark = "- ";
constexpr int kMinimumWidth = 10;
constexpr int kItemIndent = 2;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

CHelpPage::CHelpPage(std::string_view text) {
    Parse(text);
    Layout(80);
}

std::optional<CHelpPage> CHelpPage::Find(std::string_view topic) {
    for (const HelpPageText& page : HelpPageTexts()) {
        if (page.topic == topic) return CHelpPage(page.text);
    }
    return std::nullopt;
}

void CHelpPage::Parse(std::string_view text) {
    std::vector<std::string> blockTexts;
    std::vector<bool> items;
    std::vector<bool> gaps;
    bool open = false;
    bool blank = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (m_title.empty()) {
            if (!line.empty()) m_title = sys::Utf8ToWide(std::string(line));
            continue;
        }
        if (line.empty()) {
            open = false;
            blank = true;
        } else if (line.starts_with(kItemMark)) {
            blockTexts.emplace_back(line.substr(kItemMark.size()));
            items.push_back(true);
            gaps.push_back(blank);
            blank = false;
            open = true;
        } else if (open) {
            blockTexts.back() += ' ';
            blockTexts.back() += line;
        } else {
            blockTexts.emplace_back(line);
            items.push_back(false);
            gaps.push_back(blank);
            blank = false;
            open = true;
        }
    }
    for (std::size_t b = 0; b < blockTexts.size(); ++b) {
        Block block;
        block.item = items[b];
        block.gapBefore = gaps[b];
        const std::wstring wide = sys::Utf8ToWide(blockTexts[b]);
        // Words, with the words of a link's label marked with the link.
        std::size_t at = 0;
        bool space = true;
        // `space`: whether blank space came since the last word (a word without it is glued to
        // the one before, as the full stop after a link).
        auto addWords = [&](std::wstring_view part, int link) {
            std::wstring word;
            auto flush = [&] {
                if (word.empty()) return;
                block.words.push_back(Word{word, link, space});
                word.clear();
                space = false;
            };
            for (wchar_t ch : part) {
                if (std::iswspace(static_cast<wint_t>(ch)) != 0) {
                    flush();
                    space = true;
                } else {
                    word += ch;
                }
            }
            flush();
        };
        const std::wstring open = sys::Utf8ToWide(std::string(kLinkOpen));
        const std::wstring close = sys::Utf8ToWide(std::string(kLinkClose));
        while (at < wide.size()) {
            const std::size_t start = wide.find(open, at);
            const std::size_t stop = start == std::wstring::npos ? start : wide.find(close, start);
            if (start == std::wstring::npos || stop == std::wstring::npos) {
                addWords(std::wstring_view(wide).substr(at), -1);
                break;
            }
            addWords(std::wstring_view(wide).substr(at, start - at), -1);
            const std::wstring inner = wide.substr(start + open.size(), stop - start - open.size());
            const std::size_t bar = inner.find(L'|');
            const std::wstring topic = inner.substr(0, bar);
            const std::wstring label = bar == std::wstring::npos ? topic : inner.substr(bar + 1);
            m_links.push_back(sys::WideToUtf8(topic));
            addWords(label, static_cast<int>(m_links.size()) - 1);
            at = stop + close.size();
        }
        m_blocks.push_back(std::move(block));
    }
}

void CHelpPage::Layout(int width) {
    width = std::max(width, kMinimumWidth);
    m_lines.clear();
    m_spans.clear();
    const Block* previous = nullptr;
    for (const Block& block : m_blocks) {
        if (previous != nullptr && block.gapBefore) m_lines.emplace_back();
        LayoutBlock(block, width);
        previous = &block;
    }
}

void CHelpPage::LayoutBlock(const Block& block, int width) {
    const int indent = block.item ? kItemIndent : 0;
    std::wstring line = block.item ? L"- " : L"";
    bool empty = true;  // nothing but the indent on the line yet
    auto newLine = [&] {
        m_lines.push_back(line);
        line.assign(static_cast<std::size_t>(indent), L' ');
        empty = true;
    };
    for (const Word& word : block.words) {
        const int gap = (!empty && word.spaceBefore) ? 1 : 0;
        const int length = static_cast<int>(word.text.size());
        if (!empty && static_cast<int>(line.size()) + gap + length > width && word.spaceBefore) {
            newLine();
        }
        const int separator = (!empty && word.spaceBefore) ? 1 : 0;
        line.append(static_cast<std::size_t>(separator), L' ');
        const int start = static_cast<int>(line.size());
        line += word.text;
        empty = false;
        if (word.link < 0) continue;
        const int row = static_cast<int>(m_lines.size());
        if (!m_spans.empty() && m_spans.back().link == word.link && m_spans.back().line == row &&
            m_spans.back().start + m_spans.back().length + separator == start) {
            m_spans.back().length += separator + length;
        } else {
            m_spans.push_back(Span{word.link, row, start, length});
        }
    }
    m_lines.push_back(line);
}

int CHelpPage::LineOfLink(int link) const {
    for (const Span& span : m_spans) {
        if (span.link == link) return span.line;
    }
    return -1;
}

}  // namespace views
