// Holds a lease on a file, as a Samba or NFS server does while a client has the file open:
//   leaseholder <path> read|write
// Prints "held" once it holds the lease. When an open by another breaks it, it gives the
// lease up, prints "given up" and exits 0. Exits 1 when it cannot take the lease, 2 when no
// one broke it within a minute; it dies with the process that started it.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 3 || (std::strcmp(argv[2], "read") != 0 && std::strcmp(argv[2], "write") != 0)) {
        std::fprintf(stderr, "usage: leaseholder <path> read|write\n");
        return 1;
    }
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The break comes as SIGIO; taken by sigtimedwait, never by a handler.
    sigset_t breakSignal;
    sigemptyset(&breakSignal);
    sigaddset(&breakSignal, SIGIO);
    sigprocmask(SIG_BLOCK, &breakSignal, nullptr);
    // A read lease needs a read-only handle; a write lease, no other handle on the file.
    const int fd = ::open(argv[1], O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fcntl(fd, F_SETLEASE, argv[2][0] == 'r' ? F_RDLCK : F_WRLCK) != 0) {
        std::printf("no lease: %s\n", std::strerror(errno));
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    const timespec patience = {60, 0};
    int signal;
    do
        signal = sigtimedwait(&breakSignal, nullptr, &patience);
    while (signal < 0 && errno == EINTR);
    if (signal < 0)
        return 2;
    ::fcntl(fd, F_SETLEASE, F_UNLCK);
    std::printf("given up\n");
    return 0;
}
