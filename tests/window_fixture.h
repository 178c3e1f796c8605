#pragma once

// The window tests' common ground: the program at its start state, with
// boxes caught, and the ways a test finds a control, writes a number in the
// window's separator and types.
#include "box_catcher.h"

#include "ui/app/main_window.h"
#include "ui/app/startup.h"
#include "ui/widgets/memo.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace monocl::testing {

// The control of that object name under root; a failure when there is none.
template <class T>
T* findIn(const QObject& root, const char* name)
{
    T* w = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// A number text as the window writes it: the example's commas become its
// separator.
inline QString inSeparator(const char* text, char separator)
{
    return QString::fromUtf8(text).replace(QLatin1Char(','), QLatin1Char(separator));
}

// Replaces the field's whole text by typing, one keystroke at a time.
inline void typeOver(QLineEdit* field, const QString& text)
{
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

// The form alone, as startUp gives it.
class FormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        boxes = std::make_unique<BoxCatcher>();
        window = startUp(state);
        sep = window->decimalSeparator();
    }

    QString num(const char* text) const { return inSeparator(text, sep); }
    template <class T>
    T* find(const char* name) const
    {
        return findIn<T>(*window, name);
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    SpinEdit* spin(const char* name) const { return find<SpinEdit>(name); }
    StringGrid* grid(const char* name) const { return find<StringGrid>(name); }
    Memo* memo(const char* name) const { return find<Memo>(name); }

    MonoclState state;
    std::unique_ptr<BoxCatcher> boxes;
    std::unique_ptr<Toptmono> window;
    char sep = ',';
};

// The form inside the program's main window, with its menus.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        boxes = std::make_unique<BoxCatcher>();
        window = std::make_unique<MainWindow>(startUp(state), state);
        form = window->form();
    }

    QString num(const char* text) const { return inSeparator(text, form->decimalSeparator()); }
    template <class T>
    T* find(const char* name) const
    {
        return findIn<T>(*window, name);
    }

    MonoclState state;
    std::unique_ptr<BoxCatcher> boxes;
    std::unique_ptr<MainWindow> window;
    Toptmono* form = nullptr;
};

} // namespace monocl::testing
