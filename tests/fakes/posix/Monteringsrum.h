#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// Where tests may mount (as root), each test process mounts in a namespace of
// its own before it starts a thread: no other process sees its drives, and the
// kernel takes them away when the process ends, however it ends.
inline void egetMonteringsrum()
{
    if (geteuid() == 0 && unshare(CLONE_NEWNS) == 0)
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
}
