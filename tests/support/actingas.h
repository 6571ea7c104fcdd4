#pragma once
// The real and effective user and groups of the process, for a block: a test acts as a user
// of a shared group (root keeps its saved id, so it can come back).
#include <grp.h>
#include <unistd.h>

class ActingAs
{
public:
    ActingAs(uid_t uid, gid_t gid, gid_t shared)
    {
        const gid_t groups[] = {gid, shared};
        m_ok = ::setgroups(2, groups) == 0 && ::setresgid(gid, gid, 0) == 0 && ::setresuid(uid, uid, 0) == 0;
    }
    ~ActingAs()
    {
        ::setresuid(0, 0, 0);
        ::setresgid(0, 0, 0);
        ::setgroups(0, nullptr);
    }
    ActingAs(const ActingAs&) = delete;
    ActingAs& operator=(const ActingAs&) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_ok;
};
