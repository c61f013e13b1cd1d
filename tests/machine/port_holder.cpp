// A program that holds a serial device as brltty or ModemManager would: port_holder NAME DEVICE
// takes NAME as its process name, opens DEVICE with TIOCEXCL, prints "holding" and keeps it
// until its standard input closes.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: port_holder NAME DEVICE\n", stderr);
        return 2;
    }
    // The name /proc/PID/comm gives, which argv[0] does not change.
    ::prctl(PR_SET_NAME, argv[1], 0, 0, 0);
    const int fd = ::open(argv[2], O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        std::fprintf(stderr, "port_holder: %s: %s\n", argv[2], std::strerror(errno));
        return 1;
    }
    std::puts("holding");
    std::fflush(stdout);
    char byte;
    while (::read(STDIN_FILENO, &byte, 1) > 0) {
    }
    ::close(fd);
    return 0;
}
