// The save routine's fault seam (see safesave.h).
#include "core/safesave.h"
#include "core/safesavefiles.h"

#include <utility>
#include <vector>

namespace SafeSave {
namespace {

struct FaultState {
    bool active = false;
    int count = 0;
    int counts[int(Op::Count)] = {};
    int failAt = 0;
    int failAtError = ENOSPC;
    struct Rule {
        Op op;
        int nth;
        int error;
    };
    std::vector<Rule> rules;
    struct Action {
        Op op;
        int nth;
        std::function<void()> run;
    };
    std::vector<Action> actions;
    std::vector<std::pair<int, std::function<void()>>> atStep;
    std::vector<std::pair<uid_t, std::vector<gid_t>>> userGroups;
    qint64 shortWrite = -1;
    int busyWait = 5000;
};

FaultState& faults()
{
    static FaultState state;
    return state;
}

} // namespace

FaultScope::FaultScope()
{
    reset();
}

FaultScope::~FaultScope()
{
    faults() = FaultState();
}

void FaultScope::failAt(int n, int errorCode)
{
    faults().failAt = n;
    faults().failAtError = errorCode;
}

void FaultScope::failNth(Op op, int n, int errorCode)
{
    faults().rules.push_back({op, n, errorCode});
}

void FaultScope::runBefore(Op op, int n, std::function<void()> action)
{
    faults().actions.push_back({op, n, std::move(action)});
}

void FaultScope::runAt(int n, std::function<void()> action)
{
    faults().atStep.emplace_back(n, std::move(action));
}

void FaultScope::setUserGroups(uid_t uid, std::vector<gid_t> groups)
{
    faults().userGroups.emplace_back(uid, std::move(groups));
}

bool testUserGroups(uid_t uid, std::vector<gid_t>& groups)
{
    for (const auto& user : faults().userGroups) {
        if (user.first == uid) {
            groups = user.second;
            return true;
        }
    }
    return false;
}

void FaultScope::setShortWriteBytes(qint64 bytes)
{
    faults().shortWrite = bytes;
}

void FaultScope::setBusyWait(int milliseconds)
{
    faults().busyWait = milliseconds;
}

int busyWaitMilliseconds()
{
    return faults().busyWait;
}

void FaultScope::reset()
{
    faults() = FaultState();
    faults().active = true;
}

int FaultScope::operations() const
{
    return faults().count;
}

int FaultScope::operations(Op op) const
{
    return faults().counts[int(op)];
}

bool injectedFault(Op op)
{
    FaultState& s = faults();
    if (!s.active)
        return false;
    ++s.count;
    const int nth = ++s.counts[int(op)];
    for (const auto& action : s.atStep) {
        if (action.first == s.count)
            action.second();
    }
    for (const FaultState::Action& action : s.actions) {
        if (action.op == op && action.nth == nth)
            action.run();
    }
    if (s.failAt == s.count) {
        errno = s.failAtError;
        return true;
    }
    for (const FaultState::Rule& rule : s.rules) {
        if (rule.op == op && rule.nth == nth) {
            errno = rule.error;
            return true;
        }
    }
    return false;
}

qint64 shortWriteBytes()
{
    return faults().shortWrite;
}

} // namespace SafeSave
