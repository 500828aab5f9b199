#include "ui/markfield.h"

#include "editor/timetext.h"
#include "editor/typedmark.h"

#include <QApplication>
#include <QKeyEvent>
#include <QValidator>

namespace {

const QColor kRefused(0xff, 0xd6, 0xd6);

// The field's texts stay under the close view's translation context, where they began.


// Takes what CheckTypedMark lets through: too late is refused, too early waits.
class MarkTimeValidator : public QValidator {
public:
    MarkTimeValidator(bool markIn, qint64 other, qint64 length, QObject *parent)
        : QValidator(parent), markIn_(markIn), other_(other), length_(length)
    {
    }
    State validate(QString &input, int &) const override
    {
        using V = trevisto::TypedMark::Verdict;
        switch (trevisto::CheckTypedMark(input, markIn_, other_, length_).verdict) {
        case V::Unreadable:
        case V::TooLate:
            return Invalid;
        case V::Partial:
        case V::TooEarly:
            return Intermediate;
        case V::Fine:
            return Acceptable;
        }
        return Invalid;
    }

private:
    bool markIn_;
    qint64 other_, length_;
};

} // namespace

MarkField::MarkField(QWidget *parent, bool markIn, qint64 currentMs, qint64 otherMs, qint64 lengthMs)
    : QLineEdit(parent), markIn_(markIn)
{
    setObjectName(markIn ? QStringLiteral("MarkInField") : QStringLiteral("MarkOutField"));
    setAccessibleName(markIn ? QCoreApplication::translate("CloseView", "Mark In, typed as hh:mm:ss.mmm")
                             : QCoreApplication::translate("CloseView", "Mark Out, typed as hh:mm:ss.mmm"));
    setValidator(new MarkTimeValidator(markIn, otherMs, lengthMs, this));
    setText(MillisecondText(currentMs));
    selectAll();
    setToolTip(QCoreApplication::translate("CloseView", "Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it."));
    connect(this, &QLineEdit::textChanged, this, &MarkField::showVerdict);
}

void MarkField::showVerdict()
{
    // A time before the other mark waits in a warning colour until it is right.
    const bool waiting = !hasAcceptableInput() && !text().trimmed().isEmpty() && trevisto::TypedTime(text()).has_value();
    QPalette shown = palette();
    shown.setColor(QPalette::Base, waiting ? kRefused : QApplication::palette().color(QPalette::Base));
    setPalette(shown);
    setToolTip(waiting ? (markIn_ ? QCoreApplication::translate("CloseView", "Mark In cannot be after Mark Out.")
                                  : QCoreApplication::translate("CloseView", "Mark Out cannot be before Mark In."))
                       : QCoreApplication::translate("CloseView", "Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it."));
}

void MarkField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (closing)
            closing();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MarkField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (closing)
        closing();
}
