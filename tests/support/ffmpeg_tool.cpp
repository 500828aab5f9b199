#include "support/ffmpeg_tool.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace trevisto::test {
namespace {

// Runs the command with its arguments as they are (no shell), stdout into `out`
// when given, stderr and stdin closed off.
bool run(std::vector<std::string> args, std::vector<uint8_t> *out)
{
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    if (out && ::pipe2(pipeFds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (out)
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (out)
        ::close(pipeFds[1]);
    if (spawned != 0) {
        if (out)
            ::close(pipeFds[0]);
        return false;
    }
    if (out) {
        uint8_t buffer[65536];
        for (;;) {
            const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            out->insert(out->end(), buffer, buffer + n);
        }
        ::close(pipeFds[0]);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

bool haveFfmpeg()
{
    static const bool present = run({"ffmpeg", "-nostdin", "-v", "quiet", "-version"}, nullptr);
    return present;
}

bool runFfmpeg(const std::vector<std::string> &args)
{
    std::vector<std::string> all = {"ffmpeg", "-nostdin", "-y", "-v", "error"};
    all.insert(all.end(), args.begin(), args.end());
    return run(all, nullptr);
}

std::optional<std::vector<int16_t>> ffmpegDecode(const std::string &path, int channels)
{
    std::vector<std::string> args = {"ffmpeg", "-nostdin", "-v", "error", "-i", path};
    if (channels > 0)
        args.insert(args.end(), {"-ac", std::to_string(channels)});
    args.insert(args.end(), {"-f", "s16le", "-"});
    std::vector<uint8_t> bytes;
    if (!run(args, &bytes))
        return std::nullopt;
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

std::optional<std::string> ffprobe(const std::vector<std::string> &args)
{
    std::vector<std::string> all = {"ffprobe", "-v", "error"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<uint8_t> bytes;
    if (!run(all, &bytes))
        return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
}

} // namespace trevisto::test
