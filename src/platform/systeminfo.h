#pragma once

namespace ds {

// The operating system's system information tool.
class SystemInfoLauncher {
public:
    virtual ~SystemInfoLauncher() = default;
    // Finds the tool and starts it in a window of its own; false when the
    // desktop has none or it would not start.
    virtual bool start() = 0;
};

} // namespace ds
