#pragma once

#include <string>
#include <vector>

#include "platform/ui/CControl.h"

// An edit field ("EDIT"): one line of text with a caret. It stops at its length limit
// (EM_LIMITTEXT, 30000 unless set), shows '*' for every character when masked (ES_PASSWORD or
// EM_SETPASSWORDCHAR), takes only digits with ES_NUMBER and nothing with ES_READONLY. It refuses
// a typed character that Windows-1252, the code page of stored text, lacks ('€' and 'é' are
// taken, 'ł' and '中' are not); text set with WM_SETTEXT is kept as given. The Back
// key erases the character before the caret. Every change the user makes notifies the parent
// with WM_COMMAND EN_CHANGE and WM_CV_VALUE_CHANGED. The text is the window text.
//
// With ES_MULTILINE the field shows its text over several rows, broken at '\n' and wrapped at
// blanks to the field's width, and keeps the arrow keys (WM_GETDLGCODE answers DLGC_WANTARROWS):
// up and down move the caret a line, Home and End to the ends of the line. Up on the first line
// and down on the last go to the parent, as they would from a one-line field. With ES_WANTRETURN
// too, the action key types a line break ('\n', counted against the limit); in any other field the
// action key tells the parent: WM_COMMAND EN_RETURN.
namespace ui {

class CEdit : public CControl {
public:
    static constexpr int kDefaultLimit = 30000;
    static constexpr wchar_t kMaskChar = L'*';

    void SetLimit(int limit);
    int Limit() const { return m_limit; }
    void SetMasked(bool masked);
    bool IsMasked() const;
    int Caret() const { return m_caret; }

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
  // One row of a multi-line field: the text from `start` up to `end` (a '\n' or a blank where
  // the text wraps is left out).
  struct Line {
      int start = 0;
      int end = 0;
  };

  bool IsMultiLine() const;
  std::vector<Line> Lines(const std::wstring& text) const;
  static int LineOfCaret(const std::vector<Line>& lines, int caret);
  // The last place of the caret on a line: before the first character of the next line where
  // the text wraps inside a word.
  static int LineEnd(const std::vector<Line>& lines, int line);
  // Multi-line: handles up, down, Home and End; false for other keys.
  bool MoveInLines(unsigned vk, LPARAM lParam);
  void PaintLines(CDeviceContext& dc, const std::wstring& text, const std::wstring& shown);
  void PaintCaret(CDeviceContext& dc, int x, int y, wchar_t under) const;
  bool Insert(wchar_t ch);
  bool EraseAt(int index);  // and moves the caret with the text
  void Changed();

  int m_limit = kDefaultLimit;
  int m_caret = 0;
  int m_topLine = 0;        // multi-line: the first line shown
  int m_maskOverride = -1;  // -1: as the style says; 0 shown; 1 masked
};

}  // namespace ui
