#include "framework/Controls.h"

void CComboBox::GetLBText(int index, std::wstring& text) const {
    text.clear();
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, WPARAM(index));
    if (length == CB_ERR) return;
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessage(CB_GETLBTEXT, WPARAM(index), LPARAM(buffer.data()));
    if (copied == CB_ERR) return;
    buffer.resize(static_cast<size_t>(copied));
    text = std::move(buffer);
}
