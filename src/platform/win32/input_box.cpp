#include "platform/win32/input_box.h"

#include <vector>

#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

constexpr int kEditId = 100;
constexpr int kPromptId = 101;

// Builds a DLGTEMPLATE and its items in one WORD buffer.
class TemplateWriter {
 public:
  void Dword(DWORD v) {
    words_.push_back(LOWORD(v));
    words_.push_back(HIWORD(v));
  }
  void Word(WORD v) { words_.push_back(v); }
  void Short(short v) { words_.push_back(static_cast<WORD>(v)); }
  void Text(const wchar_t* s) {
    for (; *s; ++s) words_.push_back(static_cast<WORD>(*s));
    words_.push_back(0);
  }
  void AlignDword() {
    if (words_.size() % 2) words_.push_back(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
            const wchar_t* text) {
    AlignDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Short(x), Short(y), Short(cx), Short(cy);
    Word(id);
    Word(0xFFFF);
    Word(atom);
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

struct InputState {
  std::wstring prompt, title, text;
};

INT_PTR CALLBACK InputProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      const auto* state = reinterpret_cast<const InputState*>(lp);
      SetWindowTextW(dlg, state->title.c_str());
      SetDlgItemTextW(dlg, kPromptId, state->prompt.c_str());
      SetDlgItemTextW(dlg, kEditId, state->text.c_str());
      HWND edit = GetDlgItem(dlg, kEditId);
      SendMessageW(edit, EM_SETSEL, 0, -1);
      SetFocus(edit);
      return FALSE;  // focus set here
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dlg, DWLP_USER));
        HWND edit = GetDlgItem(dlg, kEditId);
        const int n = GetWindowTextLengthW(edit);
        std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, L'\0');
        const int got = GetWindowTextW(edit, text.data(), n + 1);
        text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
        if (state) state->text = std::move(text);
        EndDialog(dlg, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
        return TRUE;
      }
      break;
    default: break;
  }
  return FALSE;
}

}  // namespace

std::string ShowInputBox(HWND owner, const std::string& prompt, const std::string& title,
                         const std::string& defaultText) {
  constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
  TemplateWriter t;
  t.Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.Dword(0);
  t.Word(4);  // items
  t.Short(0), t.Short(0), t.Short(250), t.Short(86);
  t.Word(0);  // no menu
  t.Word(0);  // default class
  t.Text(L"");
  t.Word(9);
  t.Text(L"MS Shell Dlg");
  t.Item(SS_LEFT, 7, 7, 180, 52, kPromptId, kStatic, L"");
  t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 193, 7, 50, 14, IDOK, kButton, L"确定");
  t.Item(BS_PUSHBUTTON | WS_TABSTOP, 193, 25, 50, 14, IDCANCEL, kButton, L"取消");
  t.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 64, 236, 14, kEditId, kEdit, L"");

  InputState state{Widen(prompt), Widen(title), Widen(defaultText)};
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.get(), owner,
                                                 &InputProc, reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? Narrow(state.text) : std::string();
}

}  // namespace orvel::win32
