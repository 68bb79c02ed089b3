#pragma once

#include <QPixmap>
#include <QSplashScreen>

// The start-up picture: the program's name and version over a curling house,
// centred and without a frame. It closes after two seconds or at the first key
// or mouse press anywhere in the program, which it swallows.
class CSplash : public QSplashScreen
{
    Q_OBJECT

public:
    static constexpr int ShowMilliseconds = 2000;

    // Shows the splash unless one is already up; returns it (owned by itself:
    // it deletes itself when it closes).
    static CSplash* showOnce();
    static CSplash* current();
    // False when the command line carries --nosplash or -nosplash.
    static bool wantedBy(const QStringList& arguments);

    ~CSplash() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplash();
    void dismiss();
    static QPixmap renderPicture(QSize size);
};
