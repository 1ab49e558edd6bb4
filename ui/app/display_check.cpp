#include "display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include <xcb/xcb.h>

namespace {

std::string EnvironmentValue(const char* pszName) {
    const char* pszValue = std::getenv(pszName);
    return pszValue ? std::string(pszValue) : std::string();
}

// How long the X server may take to answer the connection. A server answers within
// milliseconds; one that has accepted the connection and not answered by then never will.
constexpr std::chrono::seconds X11_ANSWER_LIMIT{5};

// xcb_connect waits for the server's answer without a limit, so it runs in a thread of its
// own; the answer is waited for X11_ANSWER_LIMIT at most. A thread still waiting then is
// left behind and ends with the process.
bool IsX11Reachable() {
    if (EnvironmentValue("DISPLAY").empty()) {
        return false;
    }
    struct Answer {
        std::mutex mutex;
        std::condition_variable answered;
        std::optional<bool> reachable;
    };
    const auto pAnswer = std::make_shared<Answer>();
    std::thread([pAnswer] {
        xcb_connection_t* pConnection = xcb_connect(nullptr, nullptr);
        const bool bReachable = xcb_connection_has_error(pConnection) == 0;
        xcb_disconnect(pConnection);
        const std::lock_guard<std::mutex> lock(pAnswer->mutex);
        pAnswer->reachable = bReachable;
        pAnswer->answered.notify_one();
    }).detach();
    std::unique_lock<std::mutex> lock(pAnswer->mutex);
    return pAnswer->answered.wait_for(lock, X11_ANSWER_LIMIT, [&] {
        return pAnswer->reachable.has_value();
    }) && *pAnswer->reachable;
}

// The compositor's socket as the Wayland client library finds it: WAYLAND_DISPLAY, absolute or
// below XDG_RUNTIME_DIR. A socket passed down by the parent (WAYLAND_SOCKET) is taken as it is.
bool IsWaylandReachable() {
    if (!EnvironmentValue("WAYLAND_SOCKET").empty()) {
        return true;
    }
    std::string strPath = EnvironmentValue("WAYLAND_DISPLAY");
    if (strPath.empty()) {
        return false;
    }
    if (strPath.front() != '/') {
        const std::string strRuntimeDir = EnvironmentValue("XDG_RUNTIME_DIR");
        if (strRuntimeDir.empty()) {
            return false;
        }
        strPath = strRuntimeDir + "/" + strPath;
    }
    sockaddr_un address{};
    if (strPath.size() >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, strPath.data(), strPath.size());
    const int nSocket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (nSocket < 0) {
        return false;
    }
    const bool bReachable =
        ::connect(nSocket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(nSocket);
    return bReachable;
}

// The toolkit matches a platform's name without regard to case ("XCB", "Wayland").
bool IsPlatformReachable(std::string_view platform) {
    std::string name(platform.substr(0, platform.find(':')));
    if (name.empty()) {
        return false;
    }
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (name == "xcb") {
        return IsX11Reachable();
    }
    if (name.starts_with("wayland")) {
        return IsWaylandReachable();
    }
    return true;
}

}  // namespace

bool IsDisplayReachable() {
    const std::string strPlatforms = EnvironmentValue("QT_QPA_PLATFORM");
    if (strPlatforms.empty()) {
        return IsWaylandReachable() || IsX11Reachable();
    }
    std::string_view rest = strPlatforms;
    for (;;) {
        const std::size_t nEnd = rest.find(';');
        if (IsPlatformReachable(rest.substr(0, nEnd))) {
            return true;
        }
        if (nEnd == std::string_view::npos) {
            return false;
        }
        rest.remove_prefix(nEnd + 1);
    }
}
