#include "core/freespace.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

using namespace trevisto;

namespace {

class FreeSpace : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(FreeSpace, FilesTakeTheirHeaderAndSound)
{
    const struct {
        uint64_t sound, file;
    } wavCases[] = {
        {0, 44},
        {1000, 1044},
        {wav::kMaxDataBytes, wav::kMaxDataBytes + 44},
        {wav::kMaxDataBytes + 1, wav::kMaxDataBytes + 81}, // RF64 from here
        {15'240'960'000ull, 15'240'960'080ull},            // 24 hours of CD sound
    };
    for (const auto &c : wavCases)
        EXPECT_EQ(wavFileBytes(c.sound), c.file) << c.sound;

    const struct {
        double seconds;
        int kbps;
        uint64_t bytes;
    } mp3Cases[] = {
        {0, 128, 16000},             // the info frame and tags alone
        {-1, 128, 16000},
        {10, 0, 16000},
        {1, 128, 16000 + 16000 + 160},
        {3600, 128, 57'600'000 + 576'000 + 16000},
        {86400, 320, 3'456'000'000ull + 34'560'000 + 16000},
    };
    for (const auto &c : mp3Cases)
        EXPECT_EQ(mp3FileBytes(c.seconds, c.kbps), c.bytes) << c.seconds << " s at " << c.kbps;
}

TEST_F(FreeSpace, SizesReadInDecimalUnits)
{
    const struct {
        uint64_t bytes;
        const char *text;
    } cases[] = {
        {0, "0 bytes"},           {999, "999 bytes"},        {1000, "1.0 kB"},
        {1550, "1.6 kB"},         {99'940, "99.9 kB"},       {99'960, "100.0 kB"},
        {999'949, "999.9 kB"},    {1'000'000, "1.0 MB"},     {4'294'967'296ull, "4.3 GB"},
        {15'240'960'080ull, "15.2 GB"}, {2'500'000'000'000ull, "2.5 TB"}, {UINT64_MAX, "9.2 EB"} // held at the largest count Qt takes,
    };
    for (const auto &c : cases)
        EXPECT_EQ(sizeText(c.bytes).toStdString(), c.text) << c.bytes;
}

TEST_F(FreeSpace, AWriteIsRefusedOnlyWhenItCannotFit)
{
    const struct {
        uint64_t needed, free, reclaimed;
        const char *refusal; // null: it fits
    } cases[] = {
        {1000, 1000, 0, nullptr},
        {1001, 1000, 0, "it needs 1.0 kB, and 1.0 kB is free"},
        {4'400'000'000ull, 3'000'000'000ull, 1'500'000'000ull, nullptr}, // the earlier file goes first
        {4'400'000'000ull, 3'000'000'000ull, 1'000'000'000ull, "it needs 4.4 GB, and 4.0 GB is free"},
        {UINT64_MAX, UINT64_MAX, UINT64_MAX, nullptr},                  // no overflow
        {15'240'960'080ull, 0, 0, "it needs 15.2 GB, and 0 bytes is free"},
    };
    for (const auto &c : cases) {
        const auto refusal = spaceRefusal("/x/out.wav", c.needed, c.free, c.reclaimed);
        if (!c.refusal) {
            EXPECT_FALSE(refusal) << c.needed;
            continue;
        }
        ASSERT_TRUE(refusal) << c.needed;
        EXPECT_TRUE(refusal->contains("\"/x/out.wav\"")) << refusal->toStdString();
        EXPECT_TRUE(refusal->contains(c.refusal)) << refusal->toStdString();
    }
}

TEST_F(FreeSpace, TheFileSystemOfTheTargetsFolderIsAsked)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto free = freeBytesWhere(dir.filePath("not yet.wav"));
    ASSERT_TRUE(free);
    EXPECT_EQ(freeBytesWhere(dir.path()), free);
    EXPECT_FALSE(freeBytesWhere("/no/such/folder/x.wav"));
    EXPECT_FALSE(checkSpace("/no/such/folder/x.wav", UINT64_MAX)) << "the write itself says what is wrong";
    EXPECT_TRUE(checkSpace(dir.filePath("x.wav"), *free + 1'000'000'000'000ull));
}

} // namespace
