#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <utility>

// Answers every error box as soon as it opens, from inside the box's own
// event loop, and remembers what it said and whether it looked right: the
// error icon, the program's name as title and one OK button.
class BoxCatcher : public QObject
{
public:
    BoxCatcher()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &BoxCatcher::answer);
        m_timer.start();
    }

    QStringList messages;
    // The control that had the focus in the window behind the last box: a
    // window manager gives the focus back to it when the box closes.
    QPointer<QWidget> focusBehindBox;
    bool allLookRight = true;
    // Run once while the next box is open, before it is answered.
    std::function<void()> whileOpen;
    // The questions asked (boxes without an OK button), and how to answer them.
    QStringList questions;
    QMessageBox::StandardButton answerToQuestions = QMessageBox::Cancel;

private:
    void answer()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible())
                continue;
            if (!box->button(QMessageBox::Ok)) {
                questions << box->text();
                if (QAbstractButton* answer = box->button(answerToQuestions))
                    answer->click();
                else
                    box->reject();
                continue;
            }
            messages << box->text();
            if (QWidget* owner = box->parentWidget())
                focusBehindBox = owner->window()->focusWidget();
            if (whileOpen)
                std::exchange(whileOpen, nullptr)();
            allLookRight = allLookRight && box->icon() == QMessageBox::Critical
                && box->windowTitle() == QLatin1String("monocl")
                && box->buttons().size() == 1 && box->button(QMessageBox::Ok) != nullptr;
            box->button(QMessageBox::Ok)->click();
        }
    }

    QTimer m_timer;
};
