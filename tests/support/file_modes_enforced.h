#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tivak::test {

// Root may read any file, whatever its mode. While this lives, the calling thread does without
// the two capabilities that allow it, so that a file of mode 000 is unreadable to root as well.
// Capabilities belong to threads: only what this thread opens is affected.
class FileModesEnforced
{
public:
    FileModesEnforced()
    {
        savedOk_ = syscall(SYS_capget, &header_, saved_) == 0;
        if (!savedOk_)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, reduced);
    }
    ~FileModesEnforced()
    {
        if (savedOk_)
            syscall(SYS_capset, &header_, saved_);
    }
    FileModesEnforced(const FileModesEnforced &) = delete;
    FileModesEnforced &operator=(const FileModesEnforced &) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool savedOk_ = false;
};

} // namespace tivak::test
