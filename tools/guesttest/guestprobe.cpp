// The small tools of the real-kernel test, plain POSIX so that they need nothing beyond the C++
// library: on the host a paced reader of a FIFO and a QMP client; in the guest the watch of a paced
// transfer on a real 8250 port.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int usage()
{
    std::fprintf(stderr,
                 "usage: guestprobe pace FIFO OUT BYTES_PER_S\n"
                 "       guestprobe qmp SOCKET COMMAND_JSON...\n"
                 "       guestprobe unplug-when-full SOCKET FIFO DEVICE_ID\n"
                 "       guestprobe paced DEVICE UART_LINE HOST_READ_FILE TOTAL -- PROGRAM ARGS...\n");
    return 2;
}

// The far end of a line that reads no faster than a badge: a FIFO with the smallest pipe the
// kernel allows, read a tenth of a second's worth at a time, so that the guest's line backs up.
int pace(const char *fifo, const char *out, long rate)
{
    // Read and write: the open never waits for QEMU, and QEMU's opening never waits for us.
    const int in = ::open(fifo, O_RDWR | O_CLOEXEC);
    if (in < 0) {
        std::perror(fifo);
        return 1;
    }
    if (::fcntl(in, F_SETPIPE_SZ, int(::sysconf(_SC_PAGESIZE))) < 0) {
        std::perror("F_SETPIPE_SZ");
        return 1;
    }
    const int sink = ::open(out, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (sink < 0) {
        std::perror(out);
        return 1;
    }
    std::vector<char> buffer(std::max(1L, rate / 10));
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno != EINTR)
            return 1;
        if (n > 0 && ::write(sink, buffer.data(), size_t(n)) != n)
            return 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// One JSON object per line from QMP; events are passed over.
std::optional<std::string> readReply(int fd, std::string &pending, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto end = pending.find('\n');
        if (end != std::string::npos) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line.find("\"event\"") == std::string::npos)
                return line;
            continue;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p {fd, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, int(left)) <= 0)
            return std::nullopt;
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return std::nullopt;
        pending.append(buffer, size_t(n));
    }
}

int qmpConnect(const char *path, std::string &pending)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        std::perror(path);
        return -1;
    }
    if (!readReply(fd, pending, 10000)) {
        std::fprintf(stderr, "qmp: no greeting\n");
        return -1;
    }
    return fd;
}

bool qmpCommand(int fd, std::string &pending, const std::string &command)
{
    const std::string line = command + "\n";
    if (::write(fd, line.data(), line.size()) != ssize_t(line.size())) {
        std::perror("qmp write");
        return false;
    }
    const std::optional<std::string> reply = readReply(fd, pending, 60000);
    if (!reply || reply->find("\"return\"") == std::string::npos) {
        std::fprintf(stderr, "qmp: %s -> %s\n", command.c_str(), reply ? reply->c_str() : "no reply");
        return false;
    }
    return true;
}

// Sends each command and waits for its reply: a connection closed right after device_del can lose
// the command.
int qmp(const char *path, char **commands, int count)
{
    std::string pending;
    const int fd = qmpConnect(path, pending);
    if (fd < 0 || !qmpCommand(fd, pending, "{\"execute\":\"qmp_capabilities\"}"))
        return 1;
    for (int i = 0; i < count; ++i) {
        if (!qmpCommand(fd, pending, commands[i]))
            return 1;
    }
    ::close(fd);
    return 0;
}

// The far end of the adapter whose transfer is cut: a FIFO of one page that nobody reads, so the
// line backs up. QEMU's usb-serial then waits in its main loop until the FIFO takes bytes again,
// and the guest with it; the unplug is sent on a monitor connected beforehand, and the FIFO is
// read only then, so that QEMU carries it out while the guest's transfer still has bytes queued.
int unplugWhenFull(const char *socketPath, const char *fifo, const char *id)
{
    const int in = ::open(fifo, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    const long page = ::sysconf(_SC_PAGESIZE);
    if (in < 0 || ::fcntl(in, F_SETPIPE_SZ, int(page)) < 0) {
        std::perror(fifo);
        return 1;
    }
    std::string pending;
    int fd = -1;
    for (int attempt = 0; attempt < 300 && fd < 0; ++attempt) {
        if (::access(socketPath, F_OK) == 0)
            fd = qmpConnect(socketPath, pending);
        if (fd < 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (fd < 0 || !qmpCommand(fd, pending, "{\"execute\":\"qmp_capabilities\"}"))
        return 1;
    // Full: QEMU writes whole packets, so a few bytes short of the page stay free; the count stands
    // still for a second.
    for (int queued = 0, before = -1, still = 0; !(queued >= page / 2 && still >= 10);) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        before = queued;
        if (::ioctl(in, FIONREAD, &queued) != 0)
            return 1;
        still = queued == before ? still + 1 : 0;
    }
    const std::string command =
        std::string("{\"execute\":\"device_del\",\"arguments\":{\"id\":\"") + id + "\"}}\n";
    if (::write(fd, command.data(), command.size()) != ssize_t(command.size()))
        return 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    char buffer[4096];
    while (::read(in, buffer, sizeof buffer) > 0) { }
    const std::optional<std::string> reply = readReply(fd, pending, 60000);
    if (!reply || reply->find("\"return\"") == std::string::npos) {
        std::fprintf(stderr, "qmp: device_del %s -> %s\n", id, reply ? reply->c_str() : "no reply");
        return 1;
    }
    std::fprintf(stderr, "guestprobe: %s unplugged with its line backed up\n", id);
    ::close(fd);
    return 0;
}

struct Sample
{
    double t = 0; // seconds since the start
    long progress = -1; // the sender's last "N of M bytes", -1 before the first
    long tx = -1; // bytes the 8250 driver has handed to the UART
    long hostRead = -1; // bytes the host's end has read
    speed_t speed = 0;
    bool transmitterEmpty = false;
    int queued = -1; // the driver's output queue
};

long uartTx(int line)
{
    std::ifstream in("/proc/tty/driver/serial");
    std::string text;
    const std::string key = std::to_string(line) + ":";
    while (std::getline(in, text)) {
        if (text.rfind(key, 0) != 0)
            continue;
        const auto at = text.find(" tx:");
        return at == std::string::npos ? -1 : std::atol(text.c_str() + at + 4);
    }
    return -1;
}

long fileSize(const char *path)
{
    struct stat s
    {
    };
    return ::stat(path, &s) == 0 ? long(s.st_size) : -1;
}

// Runs the sender with a terminal for its progress and watches the port beside it. What must hold
// on a line that backs up: the progress moves only as the far end takes bytes, and the settings
// are restored only once every byte has left the UART.
int paced(const char *device, int line, const char *hostRead, long total, char **program)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("pty");
        return 1;
    }
    const std::string slave = ::ptsname(master);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        const int s = ::open(slave.c_str(), O_RDWR);
        const int null = ::open("/dev/null", O_RDONLY);
        ::dup2(null, 0);
        ::dup2(s, 1);
        ::dup2(s, 2);
        ::execvp(program[0], program);
        std::_Exit(127);
    }
    std::printf("paced: sender pid %d\n", int(child));
    std::fflush(stdout);
    std::vector<Sample> samples;
    std::string output;
    bool toldWaiting = false;
    long seenProgress = -1;
    double seenAt = 0;
    long progress = -1;
    int port = -1;
    int status = -1;
    bool exited = false;
    const auto takeSample = [&] {
        Sample s;
        s.t = std::chrono::duration<double>(Clock::now() - start).count();
        s.progress = progress;
        // The settings before the UART's count: the count then tells what the UART had taken by
        // the time those settings were seen. Read the other way round, a probe held up between
        // the two (a loaded host) saw a stale count beside settings the sender had already
        // restored after its drain.
        termios settings {};
        if (port >= 0 && ::tcgetattr(port, &settings) == 0)
            s.speed = ::cfgetospeed(&settings);
        s.tx = uartTx(line);
        s.hostRead = fileSize(hostRead);
        unsigned int lsr = 0;
        if (port >= 0 && ::ioctl(port, TIOCSERGETLSR, &lsr) == 0)
            s.transmitterEmpty = lsr & TIOCSER_TEMT;
        if (port >= 0)
            ::ioctl(port, TIOCOUTQ, &s.queued);
        samples.push_back(s);
    };
    while (!exited) {
        pollfd p {master, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0) {
            char buffer[1024];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0)
                output.append(buffer, size_t(n));
            // The last complete "N of M bytes" on the progress line.
            for (auto at = output.rfind(" bytes"); at != std::string::npos;) {
                const auto of = output.rfind(" of ", at);
                const auto open = of == std::string::npos ? of : output.rfind("] ", of);
                if (open != std::string::npos)
                    progress = std::atol(output.c_str() + open + 2);
                break;
            }
        }
        // The port is watched from a second descriptor once the sender has opened it (root passes
        // its exclusive mode); opened before, it would be ours that the sender finds open.
        if (port < 0 && progress >= 0)
            port = ::open(device, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        takeSample();
        // Others may use the wait: a second sender finds the port busy.
        if (progress != seenProgress) {
            seenProgress = progress;
            seenAt = samples.back().t;
        } else if (!toldWaiting && progress >= 0 && progress < total && samples.back().t - seenAt > 1) {
            std::printf("paced: waiting on the line\n");
            std::fflush(stdout);
            toldWaiting = true;
        }
        exited = ::waitpid(child, &status, WNOHANG) == child;
        if (!exited && Clock::now() - start > std::chrono::seconds(60)) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            std::printf("paced: the sender did not end within 60 s\n");
            return 1;
        }
    }
    takeSample();
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
        output.pop_back();
    const auto lastLine = output.rfind('\r');
    std::printf("paced: the sender's last progress: %s\n",
                output.substr(lastLine == std::string::npos ? 0 : lastLine + 1).c_str());

    int faults = 0;
    const auto fault = [&faults](const std::string &what) {
        std::printf("paced: FAULT: %s\n", what.c_str());
        ++faults;
    };
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fault("the sender did not end with status 0");
    if (progress != total)
        fault("the last progress is " + std::to_string(progress) + ", not " + std::to_string(total));
    if (port < 0)
        fault("the port could not be watched");

    // Backed up: the sender waits with bytes pending while the host's end reads. A pipe takes bytes
    // again only once a whole page of it has been read, so the line moves in steps.
    long last = -1;
    double lagStart = -1;
    bool lagged = false;
    double longestWait = 0, waitStart = -1;
    long waitRead = 0, readDuringWait = 0;
    std::optional<Sample> restored;
    bool seenBadgeSpeed = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Sample &s = samples[i];
        if (s.progress >= 0 && s.progress < last)
            fault("the progress went back at " + std::to_string(s.t) + " s");
        // Sent means it left the driver: never ahead of what the UART took.
        if (s.progress > s.tx)
            fault("progress " + std::to_string(s.progress) + " ahead of the UART's " + std::to_string(s.tx));
        // ... and not far behind it for long: a redraw, a poll of the count, a slow guest.
        if (s.progress >= 0 && s.progress < total && s.progress + 96 < s.tx) {
            if (lagStart < 0)
                lagStart = s.t;
            else if (s.t - lagStart > 1.5 && !lagged) {
                fault("progress " + std::to_string(s.progress) + " lags the UART's " + std::to_string(s.tx) +
                      " for over 1.5 s");
                lagged = true;
            }
        } else {
            lagStart = -1;
        }
        // The UART moves only as the far end reads: at most a pipe and the UART's FIFO between.
        if (s.tx - std::max(0L, s.hostRead) > 4096 + 16 + 128)
            fault("the UART sent " + std::to_string(s.tx - s.hostRead) + " bytes the host never read");
        if (s.progress >= 0 && s.progress < total && s.progress == last) {
            if (waitStart < 0) {
                waitStart = s.t;
                waitRead = s.hostRead;
            }
            if (s.t - waitStart > longestWait) {
                longestWait = s.t - waitStart;
                readDuringWait = s.hostRead - waitRead;
            }
        } else {
            waitStart = -1;
        }
        last = std::max(last, s.progress);
        if (s.speed == B1200)
            seenBadgeSpeed = true;
        else if (seenBadgeSpeed && s.speed != 0 && !restored)
            restored = s;
    }
    if (longestWait < 2 || readDuringWait < 100)
        fault("the line never backed up: the longest wait was " + std::to_string(longestWait) +
              " s, while the host read " + std::to_string(readDuringWait) + " bytes");
    if (!restored)
        fault("the settings were never seen restored after 1200 baud");
    else if (restored->tx != total || restored->queued != 0 || !restored->transmitterEmpty)
        fault("settings restored at " + std::to_string(restored->t) + " s with " +
              std::to_string(total - restored->tx) + " bytes not handed to the UART, " +
              std::to_string(restored->queued) + " queued, transmitter " +
              (restored->transmitterEmpty ? "empty" : "busy"));
    const Sample &end = samples.back();
    std::printf("paced: %zu samples over %.1f s; waited %.1f s on the line while the host read %ld bytes; "
                "UART sent %ld, host read %ld\n",
                samples.size(), end.t, longestWait, readDuringWait, end.tx, end.hostRead);
    if (port >= 0)
        ::close(port);
    return faults == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 5 && std::strcmp(argv[1], "pace") == 0)
        return pace(argv[2], argv[3], std::atol(argv[4]));
    if (argc >= 3 && std::strcmp(argv[1], "qmp") == 0)
        return qmp(argv[2], argv + 3, argc - 3);
    if (argc == 5 && std::strcmp(argv[1], "unplug-when-full") == 0)
        return unplugWhenFull(argv[2], argv[3], argv[4]);
    if (argc >= 8 && std::strcmp(argv[1], "paced") == 0 && std::strcmp(argv[6], "--") == 0)
        return paced(argv[2], std::atoi(argv[3]), argv[4], std::atol(argv[5]), argv + 7);
    return usage();
}
