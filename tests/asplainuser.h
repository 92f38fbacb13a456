#pragma once

// Child processes of the tests that must meet read-only files and folders as a user does, also
// where the tests run as root: with TESK_TEST_AS_PLAIN_USER set, the process gives up root's
// override of file permissions (its owner bits then hold for it too) before the library starts.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>

namespace testfiles {

inline constexpr char kAsPlainUser[] = "TESK_TEST_AS_PLAIN_USER";

// False when the override could not be given up.
inline bool dropPermissionOverrideWhenAsked()
{
    if (!std::getenv(kAsPlainUser) || ::geteuid() != 0)
        return true;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[0].effective &= ~(1u << capability);
        data[0].permitted &= ~(1u << capability);
        data[0].inheritable &= ~(1u << capability);
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

} // namespace testfiles
