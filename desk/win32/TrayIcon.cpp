#include "TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr UINT kIconId = 1;

}  // namespace

TrayIcon::TrayIcon(HWND window, UINT callbackMessage, HICON icon, const std::wstring& tip) {
    m_data.cbSize = sizeof(m_data);
    m_data.hWnd = window;
    m_data.uID = kIconId;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = callbackMessage;
    m_data.hIcon = icon;
    const size_t length = std::min(tip.size(), std::size(m_data.szTip) - 1);
    std::copy_n(tip.c_str(), length, m_data.szTip);
}

TrayIcon::~TrayIcon() {
    if (m_added) Shell_NotifyIconW(NIM_DELETE, &m_data);
}

bool TrayIcon::Add() {
    // After an Explorer restart the old icon is gone: NIM_ADD again. NIM_MODIFY first covers
    // a TaskbarCreated that comes while the icon is still there (a DPI change).
    if (m_added && Shell_NotifyIconW(NIM_MODIFY, &m_data)) return true;
    m_added = Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE;
    return m_added;
}
