#pragma once
// The private message protocol between a client's thread and a character thread.
#include <cstdint>

constexpr unsigned kWmUser = 0x400;

// To the character window.
constexpr unsigned CHM_PLAY = kWmUser + 120;        // sent: wParam SAFEARRAY(4 variants), lParam request ID
constexpr unsigned CHM_STOP = kWmUser + 121;        // posted: lParam request ID, 0 for the current one
constexpr unsigned CHM_STOPALL = kWmUser + 122;     // posted
constexpr unsigned CHM_PLAYCOMMON = kWmUser + 123;  // sent: wParam SAFEARRAY(2 variants), lParam request ID
constexpr unsigned CHM_CLOSE = kWmUser + 124;       // posted: destroy the window, ending the thread

// To the receiver window, all posted.
constexpr unsigned CRN_MOVE = kWmUser + 101;
constexpr unsigned CRN_LBUTTONDOWN = kWmUser + 102;
constexpr unsigned CRN_LBUTTONDBLCLK = kWmUser + 103;
constexpr unsigned CRN_RBUTTONDOWN = kWmUser + 104;
constexpr unsigned CRN_RBUTTONDBLCLK = kWmUser + 105;
constexpr unsigned CRN_ZORDER = kWmUser + 106;
constexpr unsigned CRN_CONTEXTMENU = kWmUser + 107;
constexpr unsigned CRN_KEY = kWmUser + 108;
constexpr unsigned CRN_REQUESTSTART = kWmUser + 109;
constexpr unsigned CRN_REQUESTCOMPLETE = kWmUser + 110;
constexpr unsigned CRN_LBUTTONUP = kWmUser + 111;
