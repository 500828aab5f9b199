// The tag form: it starts from the source's fields, gives back what was typed without
// stray blanks, and a cancel writes nothing.
#include "app/scripteddialogs.h"
#include "app/window/tagform.h"
#include "support/test_audio.h"

#include <QTemporaryDir>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <gtest/gtest.h>

namespace {

using namespace trevisto;

TEST(TagForm, FieldsGoOutAndComeBack)
{
    const struct {
        const char *what;
        QStringList answers;
        tags::Fields expected;
    } cases[] = {
        {"as typed", {"T", "A", "Al", "2020", "Jazz", "c"}, {"T", "A", "Al", "2020", "Jazz", "c"}},
        {"blanks at the ends go", {"  T ", "\tA", "", " ", "G", "c  "}, {"T", "A", "", "", "G", "c"}},
        {"missing answers are empty", {"Only a title"}, {"Only a title", "", "", "", "", ""}},
        {"words beyond Latin-1", {"Nachtstück", "Чайковский", "", "", "", "曲"}, {"Nachtstück", "Чайковский", "", "", "", "曲"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TagFieldsOfAnswers(c.answers), c.expected);
    }
    const tags::Fields fields{"T", "A", "Al", "2020-05-31", "Speech", "note"};
    const QList<FormField> form = TagFormFields(fields);
    ASSERT_EQ(form.size(), 6);
    QStringList shown;
    for (const FormField &field : form) {
        EXPECT_FALSE(field.label.isEmpty());
        EXPECT_FALSE(field.toolTip.isEmpty()) << field.label.toStdString();
        shown << field.text;
    }
    EXPECT_EQ(TagFieldsOfAnswers(shown), fields) << "what the form shows reads back as it was";
}

TEST(TagForm, StartsFromTheSourceAndACancelGivesNothing)
{
    QTemporaryDir dir;
    const std::string mp3 = dir.filePath("song.mp3").toStdString();
    test::writeMp3(mp3, test::makeTone(44100, 1, 0.5, 440));
    {
        TagLib::FileRef f(mp3.c_str());
        f.tag()->setTitle("Song");
        f.tag()->setArtist("Band");
        ASSERT_TRUE(f.save());
    }
    ScriptedDialogs dialogs;
    dialogs.answerForm(QStringList{"New", "Band", "", "", "", ""});
    dialogs.answerForm(std::nullopt);
    const std::optional<tags::Fields> typed = AskTagFields(dialogs, QStringLiteral("/x/out.mp3"), QString::fromStdString(mp3));
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->title, "New");
    ASSERT_EQ(dialogs.asked().size(), 1);
    const ScriptedDialogs::Asked &asked = dialogs.asked().front();
    EXPECT_TRUE(asked.text.contains(QStringLiteral("out.mp3")));
    ASSERT_EQ(asked.fields.size(), 6);
    EXPECT_EQ(asked.fields[0].text, QStringLiteral("Song"));
    EXPECT_EQ(asked.fields[1].text, QStringLiteral("Band"));
    EXPECT_FALSE(AskTagFields(dialogs, QStringLiteral("/x/out.mp3"), QString::fromStdString(mp3)));
    // Without a source the form starts empty.
    dialogs.answerForm(QStringList{});
    EXPECT_EQ(AskTagFields(dialogs, QStringLiteral("/x/out.wav"), QString()), tags::Fields{});
    EXPECT_TRUE(dialogs.asked().back().fields[0].text.isEmpty());
}

} // namespace
