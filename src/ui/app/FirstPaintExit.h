#pragma once

// Ends the program at the first paint of a window when TALV_EXIT_AFTER_FIRST_PAINT
// is set, so that a start-up can be timed from the outside: launch to a painted
// window. Both the program and the minimal comparison window use it.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class ExitAfterFirstPaint : public QObject
{
public:
    static void installIfAsked()
    {
        if (qEnvironmentVariableIsSet("TALV_EXIT_AFTER_FIRST_PAINT"))
            QCoreApplication::instance()->installEventFilter(new ExitAfterFirstPaint);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) {
                done_ = true;
                // Leave once this paint has been delivered.
                QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    bool done_ = false;
};
