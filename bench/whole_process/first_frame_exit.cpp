// Preloaded into a Qt widget program (LD_PRELOAD), ends it as soon as its
// first top-level window has painted its first frame, so that the time from
// exec to that frame can be taken from outside, the same way for the
// program and for a bare reference. Prints the window's size on standard
// error ("first frame WxH") before it ends.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class FirstFrameWatch : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The paint of a top-level widget happens inside the flush of its
        // first frame; the zero timer runs once that flush has returned.
        if (!m_seen && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) {
                m_seen = true;
                const QSize size = widget->size();
                QTimer::singleShot(0, [size] {
                    std::fprintf(stderr, "first frame %dx%d\n", size.width(), size.height());
                    std::fflush(stderr);
                    _exit(0);
                });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

void watchFirstFrame()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrameWatch);
}

// Runs when the application object is made.
struct Install
{
    Install() { qAddPreRoutine(watchFirstFrame); }
} install;

} // namespace
