#include "field_behaviour.h"

#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>

namespace {

class WheelOnlyWithFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return false;
        // Ignored, the wheel goes on to the parents.
        event->ignore();
        return true;
    }
};

class WholeTextToolTip : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* edit = static_cast<QLineEdit*>(watched);
        // The room for text inside the frame and QLineEdit's own margin of 2 on each side.
        const int frame
            = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
        const QMargins margins = edit->textMargins();
        const int room = edit->contentsRect().width() - 2 * (frame + 2) - margins.left() - margins.right();
        if (edit->fontMetrics().horizontalAdvance(edit->text()) <= room)
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), edit->text(), edit);
        return true;
    }
};

} // namespace

void takeWheelOnlyWithFocus(QComboBox* combo)
{
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->installEventFilter(new WheelOnlyWithFocus(combo));
}

void showWholeTextAsToolTip(QLineEdit* edit)
{
    edit->installEventFilter(new WholeTextToolTip(edit));
}
