// The kept clip list: what a file may hold, what comes back at a start, and the file itself.
#include "clips/cliplist.h"
#include "clips/session.h"
#include "support/stopwatch.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>

#include <sys/stat.h>

namespace {

using namespace trevisto;

TEST(SessionFormat, OnlyAWholeListOfValidNamesIsRead)
{
    const QByteArray head = QByteArray(SessionFormatLine) + '\n';
    const struct {
        const char *what;
        QByteArray text;
        std::optional<QStringList> names;
    } cases[] = {
        {"an empty list", head, QStringList{}},
        {"in order", head + "b\na\nc\n", QStringList{"b", "a", "c"}},
        {"no final line break", head + "b\na", QStringList{"b", "a"}},
        {"CRLF lines", QByteArray(SessionFormatLine) + "\r\nx1\r\ny-2\r\n", QStringList{"x1", "y-2"}},
        {"letter case kept", head + "Intr_1\n", QStringList{"Intr_1"}},
        {"nothing", "", std::nullopt},
        {"another format", "trevisto clip list 3\na\n", std::nullopt},
        {"no format line", "a\nb\n", std::nullopt},
        {"an empty line", head + "a\n\nb\n", std::nullopt},
        {"a name outside the rule", head + "a\nmy clip\n", std::nullopt},
        {"the joining work file's name", head + "a\nConcat\n", std::nullopt},
        {"names with O and Z", head + "Intro\nzone\n", QStringList{"Intro", "zone"}},
        {"a name with a path", head + "../a\n", std::nullopt},
        {"a name twice", head + "a\nb\nA\n", std::nullopt},
        {"a name twice, far apart", head + "Ab-1\nb\nc\nd\ne\nf\naB-1\n", std::nullopt},
        {"a name twice, the same spelling", head + "x_9\nx_9\n", std::nullopt},
        {"names alike but for a character", head + "ab\nab-\nab_\na-b\n", QStringList{"ab", "ab-", "ab_", "a-b"}},
        {"a name twice with origins", QByteArray(SessionFormatLineWithOrigins) + "\nq\nQ\n", std::nullopt},
        {"not UTF-8", head + "\xff\xfe\n", std::nullopt},
        {"a NUL", head + QByteArray("a\0b\n", 4), std::nullopt},
        {"too long", head + QByteArray(MaxSessionBytes, 'a'), std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParseSession(c.text), c.names);
    }
    // What is written reads back as it was.
    const QStringList names = {"c", "A", "b-1", "_", QString(200, 'x')};
    EXPECT_EQ(ParseSession(FormatSession(names)), names);
    EXPECT_EQ(FormatSession({"a", "b"}), head + "a\nb\n");
}

// Distinct clip names, shortest first: every name of one character, then of two, and so on.
QStringList distinctNames(qsizetype count)
{
    const QString letters = QString::fromLatin1(ClipNameCharacters);
    QStringList names;
    for (int length = 1; names.size() < count; ++length) {
        qsizetype combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= letters.size();
        for (qsizetype n = 0; n < combinations && names.size() < count; ++n) {
            QString name(length, QChar());
            for (qsizetype i = length - 1, rest = n; i >= 0; --i, rest /= letters.size())
                name[i] = letters[rest % letters.size()];
            names << name;
        }
    }
    return names;
}

// Checked against every earlier name, 300,000 names take most of an hour; in linear time
// they take a second, four under the address sanitizer on a loaded machine.
constexpr std::chrono::seconds kLinearBound{30};

TEST(SessionFormat, ALongListIsCheckedInTimeThatGrowsWithItsLength)
{
    // As many names as the size limit lets in: about 220,000.
    QStringList names = distinctNames(300000);
    qsizetype bytes = qsizetype(std::strlen(SessionFormatLine)) + 1, fitting = 0;
    while (fitting < names.size() && bytes + names[fitting].size() + 1 <= MaxSessionBytes)
        bytes += names[fitting++].size() + 1;
    names = names.mid(0, fitting);
    ASSERT_GT(names.size(), 200000);
    const QByteArray text = FormatSession(names);
    ASSERT_LE(text.size(), MaxSessionBytes);
    {
        const test::Stopwatch watch;
        EXPECT_EQ(ParseSession(text), names);
        EXPECT_TRUE(watch.within(kLinearBound)) << "parsed in " << watch.cpu().count() / 1000000 << " ms";
    }
    // The last name again, in other letters: refused as a short list is.
    QByteArray twice = FormatSession(names.mid(3));
    twice += names.back().toLower().toUtf8() + '\n';
    ASSERT_LE(twice.size(), MaxSessionBytes);
    EXPECT_EQ(ParseSession(twice), std::nullopt);

    // Reconciling with the clip folder is not bound by the file's size.
    const QStringList many = distinctNames(300000);
    QStringList files;
    for (const QString &name : many)
        files << name.toLower() + ".WAV";
    const test::Stopwatch watch;
    EXPECT_EQ(ReconcileSession(many, files), many);
    EXPECT_TRUE(watch.within(kLinearBound)) << "reconciled in " << watch.cpu().count() / 1000000 << " ms";
}

TEST(SessionFormat, ClipOriginsReadBackAndALineWithoutOneStaysAName)
{
    Mp3Origin cut;
    cut.source.path = "/music/a b\tc%\n.mp3"; // blanks, a tab, a percent sign, a line break
    cut.source.identity = {57800000, 1733660000123456789, 0xFEDCBA9876543210ull};
    cut.first = 44100;
    cut.last = 26460000;
    const ClipOrigins origins = {{"start", cut}, {"gone", cut}};
    const QByteArray text = FormatSession({"start", "plain"}, origins);
    EXPECT_TRUE(text.startsWith(QByteArray(SessionFormatLineWithOrigins) + '\n'));
    ClipOrigins back;
    EXPECT_EQ(ParseSession(text, &back), (QStringList{"start", "plain"}));
    EXPECT_EQ(back, (ClipOrigins{{"start", cut}})) << "only listed clips keep an origin";

    // A list without origins is written as before, so an older program reads it.
    EXPECT_EQ(FormatSession({"a"}, origins), QByteArray(SessionFormatLine) + "\na\n");

    const QByteArray head = QByteArray(SessionFormatLineWithOrigins) + '\n';
    const QByteArray damaged[] = {
        head + "a\t/x.mp3\t1\t2\t3\t4\n",             // a field missing
        head + "a\t/x.mp3\t1\t2\tzz\t4\t5\n",        // a hash that is no number
        head + "a\t/x.mp3\t1\t2\t3\t9\t5\n",         // last before first
        head + "a\t\t1\t2\t3\t4\t5\n",               // no path
        QByteArray(SessionFormatLine) + "\na\t/x.mp3\t1\t2\t3\t4\t5\n", // origins in the first format
    };
    for (const QByteArray &t : damaged)
        EXPECT_FALSE(ParseSession(t)) << t.constData();
}

TEST(SessionReconcile, ListedClipsWithFilesKeepTheirOrderAndUnlistedClipFilesFollow)
{
    const struct {
        const char *what;
        QStringList listed, files, entries;
    } cases[] = {
        {"all there", {"c", "a", "b"}, {"a.wav", "b.wav", "c.wav"}, {"c", "a", "b"}},
        {"a file gone", {"c", "a", "b"}, {"b.wav", "c.wav"}, {"c", "b"}},
        {"no files", {"a"}, {}, {}},
        {"unlisted files by name", {"m"}, {"x.wav", "m.wav", "B.wav", "a.wav"}, {"m", "a", "B", "x"}},
        {"no session", {}, {"b.wav", "a.wav"}, {"a", "b"}},
        {"any letter case", {"a", "B"}, {"A.WAV", "b.wav"}, {"a", "B"}},
        {"not clips", {}, {"concat.wav", "x.mp3", "my clip.wav", ".a.wav.abcdefgh.tmp", ".wav", "a.wav.b", "wav"}, {}},
        {"one file for two spellings", {}, {"a.wav", "A.wav"}, {"A"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReconcileSession(c.listed, c.files), c.entries);
    }
}

TEST(SessionFile, WrittenWholeAndRefusedWhenDamagedOrTooLong)
{
    test::TempDir dir;
    const QString file = QString::fromStdString(dir.file("list"));
    SessionFile read = ReadSessionFile(file);
    EXPECT_FALSE(read.found);
    EXPECT_FALSE(read.damaged);

    ASSERT_EQ(WriteSessionFile(file, {"b", "a"}), 0);
    read = ReadSessionFile(file);
    EXPECT_TRUE(read.found);
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.names, QStringList({"b", "a"}));
    ASSERT_EQ(WriteSessionFile(file, {}), 0);
    EXPECT_EQ(ReadSessionFile(file).names, QStringList());
    EXPECT_EQ(FilesIn(QString::fromStdString(dir.path().string())), QStringList{"list"}) << "no temporary left";

    // A list too long to be read back is not written; the last one stays.
    ASSERT_EQ(WriteSessionFile(file, {"keep"}), 0);
    EXPECT_NE(WriteSessionFile(file, QStringList(MaxSessionBytes / 2, "x")), 0);
    EXPECT_EQ(ReadSessionFile(file).names, QStringList{"keep"});

    for (const QByteArray &bad : {QByteArray("garbage\n"), QByteArray(SessionFormatLine) + "\n" + QByteArray(MaxSessionBytes, 'a')}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bad);
        f.close();
        read = ReadSessionFile(file);
        EXPECT_TRUE(read.found);
        EXPECT_TRUE(read.damaged);
        EXPECT_TRUE(read.names.isEmpty());
    }
}

TEST(SessionFile, AFifoOrAFolderInItsPlaceIsRefusedWithoutWaiting)
{
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_symlink(dir.file("fifo"), dir.file("link"));
    for (const char *name : {"fifo", "folder", "link"}) {
        SCOPED_TRACE(name);
        const test::Stopwatch watch;
        const SessionFile read = ReadSessionFile(QString::fromStdString(dir.file(name)));
        EXPECT_TRUE(watch.within(std::chrono::seconds(2))) << "the start waited on it";
        EXPECT_TRUE(read.found);
        EXPECT_TRUE(read.damaged);
        EXPECT_TRUE(read.names.isEmpty());
    }
    // A link to nothing is no list, as a missing file is.
    std::filesystem::create_symlink(dir.file("missing"), dir.file("dangling"));
    EXPECT_FALSE(ReadSessionFile(QString::fromStdString(dir.file("dangling"))).found);
}

TEST(SessionFile, OnlyRegularFilesOfTheFolderAreItsFiles)
{
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    test::writeBytes(dir.file("a.wav"), {1});
    std::filesystem::create_directory(dir.file("b.wav"));
    std::filesystem::create_symlink(dir.file("a.wav"), dir.file("c.wav"));
    EXPECT_EQ(FilesIn(folder), QStringList{"a.wav"});
    EXPECT_TRUE(FilesIn(folder + "/missing").isEmpty());
}

} // namespace
