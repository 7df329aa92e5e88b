#include "SingleInstance.h"

SingleInstance::SingleInstance() {
    m_mutex = CreateMutexW(nullptr, FALSE, L"Local\\VimroDesk.Companion");
    // CreateMutex opens an existing mutex of that name and says so in the last error.
    m_first = m_mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
    if (m_mutex != nullptr) CloseHandle(m_mutex);
}
