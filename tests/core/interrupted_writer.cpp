// A writer to be killed, as the program is when a save or a join is under way: started by
// the leftover tests with the prefix in TREVISTO_PREFIX, it holds the drive as the
// program does, starts writing DESTINATION, says "writing" on its output once the write
// is under way, and goes on until it is killed.
//
//   interrupted_writer file DESTINATION
//       a file written through the one door every written file goes through
//   interrupted_writer encode SOURCE.wav DESTINATION THREADS
//       the MP3 encoder, in stretches on THREADS threads when more than one

#include "core/drivehold.h"
#include "platform/io/atomicfile.h"
#include "platform/mp3enc/mp3encoder.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int writeFile(const std::string &destination)
{
    trevisto::io::AtomicFile file = trevisto::io::AtomicFile::create(destination);
    const std::vector<char> block(64 * 1024, 'x');
    if (!file.writeAll(block.data(), block.size()))
        return 2;
    say("writing");
    for (;;) {
        file.writeAll(block.data(), 1024);
        ::usleep(20000);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const trevisto::DriveHold hold;
    if (std::strcmp(argv[1], "file") == 0)
        return writeFile(argv[2]);
    if (std::strcmp(argv[1], "encode") != 0 || argc < 5)
        return 2;
    trevisto::mp3enc::Mp3Encoder encoder;
    encoder.setBitRate(128);
    // Stretches of a second at least, so that a short input is split.
    encoder.setSplitRules({unsigned(std::stoi(argv[4])), 1.0});
    bool said = false;
    QObject::connect(&encoder, &trevisto::mp3enc::Mp3Encoder::progress, [&said](int percent) {
        if (percent >= 1 && !said) {
            said = true;
            say("writing");
        }
    });
    QObject::connect(&encoder, &trevisto::mp3enc::Mp3Encoder::completed, [] { say("done"); });
    if (encoder.encode(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) !=
        trevisto::mp3enc::Mp3Encoder::Started)
        return 3;
    return app.exec();
}
