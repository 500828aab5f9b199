#include "app/window/tagform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace trevisto {

namespace {

struct TagForm {
    Q_DECLARE_TR_FUNCTIONS(TagForm)
};

QString fromUtf8(const std::string &text) { return QString::fromStdString(text); }
std::string toUtf8(const QString &text) { return text.trimmed().toStdString(); }

} // namespace

QList<FormField> TagFormFields(const tags::Fields &fields)
{
    return {
        {TagForm::tr("Title:"), fromUtf8(fields.title), TagForm::tr("The title the file carries")},
        {TagForm::tr("Artist:"), fromUtf8(fields.artist), TagForm::tr("Who performs it")},
        {TagForm::tr("Album:"), fromUtf8(fields.album), TagForm::tr("The album or the programme it belongs to")},
        {TagForm::tr("Year:"), fromUtf8(fields.date), TagForm::tr("The year, or a date such as 2024-05-31")},
        {TagForm::tr("Genre:"), fromUtf8(fields.genre), TagForm::tr("The kind of sound: a word such as Speech or Jazz")},
        {TagForm::tr("Comment:"), fromUtf8(fields.comment), TagForm::tr("Any note that goes with the file")},
    };
}

tags::Fields TagFieldsOfAnswers(const QStringList &answers)
{
    auto at = [&answers](qsizetype i) { return i < answers.size() ? toUtf8(answers.at(i)) : std::string(); };
    return {at(0), at(1), at(2), at(3), at(4), at(5)};
}

std::optional<tags::Fields> AskTagFields(Dialogs &dialogs, const QString &output, const QString &source)
{
    const tags::Fields from =
        source.isEmpty() ? tags::Fields{} : tags::readTags(QFile::encodeName(source).toStdString()).fields;
    const std::optional<QStringList> answers =
        dialogs.formBox(TagForm::tr("The tags \"%1\" will carry. Pictures and lyrics of the source go with them.")
                            .arg(QFileInfo(output).fileName()),
                        TagForm::tr("Tags"), TagFormFields(from));
    if (!answers)
        return std::nullopt;
    return TagFieldsOfAnswers(*answers);
}

} // namespace trevisto
