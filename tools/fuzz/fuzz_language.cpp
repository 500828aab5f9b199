// The language-file splitter with its text decoding: no input may crash it, the pieces
// must put the text back together exactly, and tables it hands out must be complete.

#include "settings/language_file.h"

#include <cstdio>
#include <cstdlib>

namespace {

QString rejoin(const LanguageSections &sections)
{
    const QString sectionSeparator = QStringLiteral("..\\") + QChar(0);
    const QString groupSeparator = QStringLiteral("\\\\") + QChar(0);
    QStringList sectionTexts;
    for (const QList<QStringList> &groups : sections) {
        QStringList groupTexts;
        for (const QStringList &entries : groups)
            groupTexts.append(entries.join(QChar(0)));
        sectionTexts.append(groupTexts.join(groupSeparator));
    }
    return sectionTexts.join(sectionSeparator);
}

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = BytesToText(bytes, CP_UTF8);
    check(text == BytesToText(bytes, 0), "the system code page decodes differently from UTF-8");
    check(rejoin(splitLanguageText(text)) == text, "the pieces do not make up the text");

    const LanguageNeeds needs = programNeeds();
    QString why;
    const auto tables = languageTables(text, needs, &why);
    if (tables) {
        check(tables->prompts.size() > needs.prompts && tables->messages.size() > needs.messages &&
                  tables->captions.size() > needs.captions && tables->menus.size() > needs.menus,
              "a table is handed out without the entries the program reads");
    } else {
        check(!why.isEmpty(), "a refusal without a reason");
    }
    return 0;
}
