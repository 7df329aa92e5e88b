#pragma once
// vimro's end of the companion's pipe: connect (waiting while every instance is busy), send
// one request line, read one reply line.
#include "UniqueHandle.h"

#include <string>

namespace desk {

enum class ConnectOutcome { Connected, NotRunning, Failed };

class CDeskPipeClient {
public:
    ConnectOutcome Connect(const std::wstring& pipeName, DWORD busyTimeoutMs, std::string& error);
    bool Send(const std::string& line, std::string& error);
    // Reads up to the first line feed; a reply longer than maxBytes is an error.
    bool ReceiveLine(std::string& line, std::size_t maxBytes, std::string& error);

private:
    UniqueKernelHandle m_pipe;
};

}  // namespace desk
