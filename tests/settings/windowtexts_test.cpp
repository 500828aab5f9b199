#include "app/window/windowtexts.h"

#include "settings/captions.h"
#include "ui_frmWriteWave.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>

namespace {

// The pack's texts on the bare form, without the window's handlers.
class WindowTextsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        ui_.setupUi(&form_);
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QByteArray pack(const char *language)
    {
        QFile f(QStringLiteral(LANGUAGE_FILES_DIR "/%1.lng").arg(QLatin1String(language)));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << language;
        return f.readAll();
    }

    QTemporaryDir folder_;
    QMainWindow form_;
    Ui::frmWriteWave ui_;
    WindowTexts texts_{form_, ui_};
};

TEST_F(WindowTextsTest, OnlyACompletePackIsTaken)
{
    const QByteArray german = pack("german");
    const struct {
        const char *name;
        QByteArray bytes; // none: the file is missing
        bool taken;
    } cases[] = {
        {"missing", {}, false},
        {"empty", QByteArray(""), false},
        {"cut short", german.left(german.size() / 2), false},
        {"too long", german + QByteArray(MaxLanguageFileBytes, ' '), false},
        {"complete", german, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WindowTexts texts(form_, ui_);
        const QString path = c.bytes.isNull() ? folder_.filePath("none.lng") : write("pack.lng", c.bytes);
        const QString why = texts.Load(path, "ger");
        EXPECT_EQ(why.isEmpty(), c.taken) << why.toStdString();
        EXPECT_EQ(texts.MessageTexts.isEmpty(), !c.taken);
        // Without a pack the program's own words; with one the pack's.
        const QString mark = texts.PackText(trevisto::MarkInBeforeMarkOut);
        if (c.taken)
            EXPECT_EQ(mark, texts.MessageTexts.at(trevisto::MarkInBeforeMarkOut.entry.index));
        else
            EXPECT_EQ(mark, QString::fromLatin1(trevisto::MarkInBeforeMarkOut.fallback));
    }
}

TEST_F(WindowTextsTest, AFailedLoadKeepsTheTablesOfTheLastPack)
{
    ASSERT_EQ(texts_.Load(write("english.lng", pack("english")), "en"), QString());
    const QStringList captions = texts_.CaptionTexts;
    EXPECT_FALSE(captions.isEmpty());
    EXPECT_NE(texts_.Load(folder_.filePath("none.lng"), "ger"), QString());
    EXPECT_EQ(texts_.CaptionTexts, captions);
}

} // namespace
